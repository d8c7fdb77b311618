#include "platform/win32/desktop.h"

#include <utility>

namespace norvi::win32 {

namespace {
void runAll(const std::vector<std::function<void()>>& registered) {
    // Copies: a handler may register another one.
    const auto handlers = registered;
    for (const auto& handler : handlers)
        if (handler) handler();
}
}  // namespace

bool Win32Keyboard::isToggled(int virtualKey) { return (GetKeyState(virtualKey) & 1) != 0; }

Win32Desktop::Win32Desktop()
    : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      settingsRequest_(settingsRequestMessage()),
      // Top-level, not message-only: the shell's and the session's broadcasts reach
      // top-level windows only, and a later start must find this window.
      applicationWindow_(MessageWindow::Kind::TopLevel,
                         [this](UINT message, WPARAM wParam, LPARAM) { return onMessage(message, wParam); }) {}

std::optional<LRESULT> Win32Desktop::onMessage(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_QUERYENDSESSION:
            return TRUE;  // Norvi never holds a log-off up
        case WM_ENDSESSION:
            // wParam is false when the end was called off; nothing has happened then.
            if (wParam) runAll(sessionHandlers_);
            return 0;
        default:
            break;
    }
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        runAll(taskbarHandlers_);
        return 0;
    }
    if (settingsRequest_ != 0 && message == settingsRequest_) {
        if (settingsHandlers_.empty())
            settingsRequestWaiting_ = true;
        else
            runAll(settingsHandlers_);
        return 0;
    }
    return std::nullopt;
}

WindowHandle Win32Desktop::foregroundWindow() { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }

void Win32Desktop::setForegroundWindow(WindowHandle window) {
    SetForegroundWindow(reinterpret_cast<HWND>(window));
}

void Win32Desktop::hideApplicationWindow() { ShowWindow(applicationWindow_.handle(), SW_HIDE); }

void Win32Desktop::onTaskbarCreated(std::function<void()> handler) {
    taskbarHandlers_.push_back(std::move(handler));
}

void Win32Desktop::onSessionEnding(std::function<void()> handler) { sessionHandlers_.push_back(std::move(handler)); }

bool Win32Desktop::claimSession() {
    if (session_.claim()) return true;
    requestSettingsFromRunningNorvi();
    return false;
}

void Win32Desktop::onSettingsRequested(std::function<void()> handler) {
    settingsHandlers_.push_back(std::move(handler));
    // Answered from the message loop, like any request, not inside the registration.
    if (std::exchange(settingsRequestWaiting_, false))
        PostMessageW(applicationWindow_.handle(), settingsRequest_, 0, 0);
}

}  // namespace norvi::win32
