#include "platform/win32/screen.h"

#include <windows.h>

#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"

namespace norvi::win32 {

namespace {

Rect fromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK collectDisplay(HMONITOR, HDC, LPRECT bounds, LPARAM list) noexcept {
    try {
        reinterpret_cast<std::vector<Rect>*>(list)->push_back(fromRect(*bounds));
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

Size Win32Screen::primarySize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Rect Win32Screen::workArea() {
    RECT r{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return fromRect(r);
    const Size whole = primarySize();
    return Rect::fromSize(0, 0, whole.width, whole.height);
}

Rect Win32Screen::workAreaAt(const Rect& window) {
    const RECT r{window.left, window.top, window.right, window.bottom};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) return workArea();
    return fromRect(info.rcWork);
}

std::vector<Rect> Win32Screen::displays() {
    std::vector<Rect> list;
    EnumDisplayMonitors(nullptr, nullptr, &collectDisplay, reinterpret_cast<LPARAM>(&list));
    return list;
}

int Win32Screen::logicalDpiY() {
    const ScreenDc dc;
    return dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
}

int Win32Screen::dpiAt(const Rect& area) {
    const RECT r{area.left, area.top, area.right, area.bottom};
    return monitorDpi(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST));
}

Size Win32Screen::trayIconSize() {
    // The notification area lies on the primary display's taskbar.
    const int dpi = monitorDpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    return {systemMetricForDpi(SM_CXSMICON, dpi), systemMetricForDpi(SM_CYSMICON, dpi)};
}

int Win32Screen::doubleClickTimeMilliseconds() { return static_cast<int>(GetDoubleClickTime()); }

Point Win32Screen::cursorPosition() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

}  // namespace norvi::win32
