// The user's desktop as Norvi meets it: the lock keys' state, the foreground window, and
// the hidden application window that owns Norvi's windows and hears the shell's and the
// session's broadcasts.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/platform.h"
#include "platform/win32/message_window.h"
#include "platform/win32/session.h"

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
    WindowHandle applicationWindow() override { return reinterpret_cast<WindowHandle>(applicationHwnd()); }
    void hideApplicationWindow() override;
    void onTaskbarCreated(std::function<void()> handler) override;
    void onSessionEnding(std::function<void()> handler) override;
    bool claimSession() override;
    void onSettingsRequested(std::function<void()> handler) override;

    HWND applicationHwnd() const { return applicationWindow_.handle(); }

private:
    using Handlers = std::vector<std::function<void()>>;
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam);
    UINT taskbarCreated_;
    UINT settingsRequest_;
    Handlers taskbarHandlers_;
    Handlers sessionHandlers_;
    Handlers settingsHandlers_;
    // A request that came before anyone could answer it (Norvi still starting).
    bool settingsRequestWaiting_ = false;
    SessionClaim session_;
    MessageWindow applicationWindow_;
};

}  // namespace norvi::win32
