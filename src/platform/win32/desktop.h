// The user's desktop as Norvi meets it: the lock keys' state, the foreground window, and
// the hidden application window that owns Norvi's windows and hears shell broadcasts.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/platform.h"
#include "platform/win32/message_window.h"

namespace norvi::win32 {

class Win32Keyboard : public Keyboard {
public:
    bool isToggled(int virtualKey) override;
};

class Win32Desktop : public Desktop {
public:
    Win32Desktop();
    WindowHandle foregroundWindow() override;
    void setForegroundWindow(WindowHandle window) override;
    void hideApplicationWindow() override;
    void onTaskbarCreated(std::function<void()> handler) override;

    HWND applicationWindow() const { return applicationWindow_.handle(); }

private:
    std::optional<LRESULT> onMessage(UINT message);
    UINT taskbarCreated_;
    std::vector<std::function<void()>> taskbarHandlers_;
    MessageWindow applicationWindow_;
};

}  // namespace norvi::win32
