#include "platform/win32/message_window.h"

#include "platform/win32/window_binding.h"

namespace norvi::win32 {

bool registerWindowClass(const wchar_t* name, UINT style, WNDPROC proc) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

MessageWindow::MessageWindow(Kind kind, Handler handler) : handler_(std::move(handler)) {
    registerWindowClass(kMessageWindowClass, 0, &forwardingWindowProc<MessageWindow>);
    const HWND parent = kind == Kind::MessageOnly ? HWND_MESSAGE : nullptr;
    window_.reset(CreateWindowExW(0, kMessageWindowClass, L"Norvi", WS_POPUP, 0, 0, 0, 0, parent, nullptr,
                                  GetModuleHandleW(nullptr), this));
}

MessageWindow::~MessageWindow() {
    if (window_) unbind(window_.get());
}

LRESULT MessageWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        if (handler_) {
            if (const auto result = handler_(message, wParam, lParam)) return *result;
        }
    } catch (...) {
        // A failing handler drops that message; the program goes on.
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace norvi::win32
