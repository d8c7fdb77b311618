#include "platform/win32/dpi.h"

#include "platform/win32/handles.h"

namespace norvi::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

template <typename Fn>
Fn lookUp(HMODULE module, const char* name) {
    if (!module) return nullptr;
    // Through void*: the compiler warns of a direct cast between function pointer types.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

HMODULE user32() {
    static const HMODULE module = GetModuleHandleW(L"user32.dll");
    return module;
}

// Loaded at the first question about a monitor and kept: it is a small system library.
HMODULE shcore() {
    static const HMODULE module = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module;
}

int sane(UINT dpi) { return dpi >= 24 && dpi <= 2400 ? static_cast<int>(dpi) : 0; }

}  // namespace

int systemDpi() {
    const ScreenDc dc;
    const int dpi = dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int windowDpi(HWND window) {
    static const auto getDpiForWindow = lookUp<GetDpiForWindowFn>(user32(), "GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const int dpi = sane(getDpiForWindow(window))) return dpi;
    return monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int monitorDpi(HMONITOR monitor) {
    static const auto getDpiForMonitor = lookUp<GetDpiForMonitorFn>(shcore(), "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (getDpiForMonitor && monitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)))
        if (const int dpi = sane(x)) return dpi;
    return systemDpi();
}

int systemMetricForDpi(int index, int dpi) {
    static const auto getSystemMetricsForDpi = lookUp<GetSystemMetricsForDpiFn>(user32(), "GetSystemMetricsForDpi");
    if (getSystemMetricsForDpi) return getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, systemDpi());
}

void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjust = lookUp<AdjustWindowRectExForDpiFn>(user32(), "AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

}  // namespace norvi::win32
