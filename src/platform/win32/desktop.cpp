#include "platform/win32/desktop.h"

namespace norvi::win32 {

bool Win32Keyboard::isToggled(int virtualKey) { return (GetKeyState(virtualKey) & 1) != 0; }

Win32Desktop::Win32Desktop()
    : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      // Top-level, not message-only: the shell's broadcast reaches top-level windows only.
      applicationWindow_(MessageWindow::Kind::TopLevel,
                         [this](UINT message, WPARAM, LPARAM) { return onMessage(message); }) {}

std::optional<LRESULT> Win32Desktop::onMessage(UINT message) {
    if (taskbarCreated_ == 0 || message != taskbarCreated_) return std::nullopt;
    // Copies: a handler may register another one.
    const auto handlers = taskbarHandlers_;
    for (const auto& handler : handlers)
        if (handler) handler();
    return 0;
}

WindowHandle Win32Desktop::foregroundWindow() { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }

void Win32Desktop::setForegroundWindow(WindowHandle window) {
    SetForegroundWindow(reinterpret_cast<HWND>(window));
}

void Win32Desktop::hideApplicationWindow() { ShowWindow(applicationWindow_.handle(), SW_HIDE); }

void Win32Desktop::onTaskbarCreated(std::function<void()> handler) {
    taskbarHandlers_.push_back(std::move(handler));
}

}  // namespace norvi::win32
