// A hidden window whose messages go to a handler: the target of timers and tray callbacks
// (message-only) and the application's owner window (top-level, so it hears broadcasts).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "platform/win32/handles.h"

namespace norvi::win32 {

// The class of every MessageWindow; a later start finds the running Norvi's application
// window by it.
inline constexpr wchar_t kMessageWindowClass[] = L"NorviMessageWindow";

class MessageWindow {
public:
    enum class Kind { MessageOnly, TopLevel };
    // Returns a result for the messages it handles, nothing for DefWindowProcW's.
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM, LPARAM)>;

    MessageWindow(Kind kind, Handler handler);
    ~MessageWindow();
    HWND handle() const { return window_.get(); }

    LRESULT windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

private:
    Handler handler_;
    UniqueWindow window_;
};

}  // namespace norvi::win32
