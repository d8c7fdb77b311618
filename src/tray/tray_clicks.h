// The mouse on one tray icon. A left click waits out the system double-click time before
// it runs, so that a double-click does not also run the click action.
#pragma once

#include <functional>
#include <memory>

#include "platform/platform.h"

namespace norvi {

class TrayClicks {
public:
    TrayClicks(EventLoop& loop, Screen& screen);
    void handle(TrayMouse event);

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    std::function<void()> onRightDown;

    TrayClicks(const TrayClicks&) = delete;
    TrayClicks& operator=(const TrayClicks&) = delete;

private:
    void timerExpired();
    void run(const std::function<void()>& action) {
        if (action) action();
    }
    Screen& screen_;
    std::unique_ptr<Timer> timer_;  // one-shot
    bool pressed_ = false;          // a left press whose release has not come yet
    bool clickReady_ = false;       // released before the double-click time ran out
};

}  // namespace norvi
