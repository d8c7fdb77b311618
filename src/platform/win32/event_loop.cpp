#include "platform/win32/event_loop.h"

#include <algorithm>
#include <vector>

namespace norvi::win32 {

// ---- timers ---------------------------------------------------------------------------

Win32Timer::Win32Timer(Win32EventLoop& loop, UINT_PTR id, int interval)
    : loop_(loop), id_(id), interval_(interval) {
    loop_.timers_[id_] = this;
}

Win32Timer::~Win32Timer() {
    KillTimer(loop_.window_.handle(), id_);
    loop_.timers_.erase(id_);
}

void Win32Timer::arm() {
    // SetTimer on an id that runs already restarts its count, as a new interval must.
    SetTimer(loop_.window_.handle(), id_, static_cast<UINT>(std::max(1, interval_)), nullptr);
}

void Win32Timer::setInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    if (enabled_) arm();
}

void Win32Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_)
        arm();
    else
        KillTimer(loop_.window_.handle(), id_);
}

// ---- the loop -------------------------------------------------------------------------

Win32EventLoop::Win32EventLoop()
    : window_(MessageWindow::Kind::MessageOnly,
              [this](UINT message, WPARAM wParam, LPARAM) { return onMessage(message, wParam); }) {}

std::optional<LRESULT> Win32EventLoop::onMessage(UINT message, WPARAM wParam) {
    if (message != WM_TIMER) return std::nullopt;
    const auto it = timers_.find(wParam);
    if (it == timers_.end() || !it->second->enabled()) return 0;
    // A copy, because the handler may destroy its own timer.
    const auto tick = it->second->onTick;
    if (tick) tick();
    return 0;
}

std::unique_ptr<Timer> Win32EventLoop::createTimer(int intervalMilliseconds) {
    return std::make_unique<Win32Timer>(*this, nextId_++, intervalMilliseconds);
}

void Win32EventLoop::processMessages() {
    // Each timer ticks at most once per call: a handler slower than its timer's interval
    // would otherwise keep this loop busy for ever. A second tick stays queued for later.
    std::vector<UINT_PTR> ticked;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        // A quit request is left for run(), which ends on it.
        if (msg.message == WM_QUIT) {
            quitPending_ = true;
            return;
        }
        const bool ownTimer = msg.message == WM_TIMER && msg.hwnd == window_.handle();
        if (ownTimer && std::find(ticked.begin(), ticked.end(), msg.wParam) != ticked.end()) return;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return;
        if (msg.message == WM_QUIT) {
            quitPending_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (msg.message == WM_TIMER && msg.hwnd == window_.handle()) ticked.push_back(msg.wParam);
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int Win32EventLoop::run() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quitPending_ = false;
            return static_cast<int>(msg.wParam);
        }
        if (got < 0) return 1;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32EventLoop::quit(int exitCode) {
    quitPending_ = true;
    PostQuitMessage(exitCode);
}

void Win32EventLoop::sleep(int milliseconds) { Sleep(static_cast<DWORD>(std::max(0, milliseconds))); }

std::uint64_t Win32EventLoop::nowMilliseconds() { return GetTickCount64(); }

}  // namespace norvi::win32
