// Binds a C++ object to its window at WM_NCCREATE (the lpParam of CreateWindowExW) and
// forwards every later message to the object's noexcept windowProc. Messages before the
// binding, and after unbind(), go to DefWindowProcW.
#pragma once

#include <windows.h>

namespace norvi::win32 {

template <typename T>
LRESULT CALLBACK forwardingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    static_assert(noexcept(self->windowProc(window, message, wParam, lParam)),
                  "no exception may cross a window procedure");
    return self->windowProc(window, message, wParam, lParam);
}

inline void unbind(HWND window) { SetWindowLongPtrW(window, GWLP_USERDATA, 0); }

// Registers a window class under that name unless the process has one already.
bool registerWindowClass(const wchar_t* name, UINT style, WNDPROC proc);

}  // namespace norvi::win32
