// The GUI thread's message loop and its timers (SetTimer on one hidden message window).
#pragma once

#include <windows.h>

#include <map>

#include "platform/platform.h"
#include "platform/win32/message_window.h"

namespace norvi::win32 {

class Win32EventLoop;

class Win32Timer : public Timer {
public:
    Win32Timer(Win32EventLoop& loop, UINT_PTR id, int interval);
    ~Win32Timer() override;
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;

private:
    void arm();
    Win32EventLoop& loop_;
    UINT_PTR id_;
    int interval_;
    bool enabled_ = false;
};

class Win32EventLoop : public EventLoop {
public:
    Win32EventLoop();
    std::unique_ptr<Timer> createTimer(int intervalMilliseconds) override;
    void processMessages() override;
    int run() override;
    void quit(int exitCode) override;
    // Set by quit() and by a quit request that processMessages() finds waiting (posted by
    // anyone); cleared when run() ends on it.
    bool quitRequested() const override { return quitPending_; }
    void sleep(int milliseconds) override;
    std::uint64_t nowMilliseconds() override;

private:
    friend class Win32Timer;
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam);
    MessageWindow window_;
    std::map<UINT_PTR, Win32Timer*> timers_;
    UINT_PTR nextId_ = 1;
    bool quitPending_ = false;
};

}  // namespace norvi::win32
