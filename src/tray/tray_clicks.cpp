#include "tray/tray_clicks.h"

#include <algorithm>

namespace norvi {

namespace {
// The system setting allows up to 5 seconds; anything outside means a broken setting.
constexpr int kLongestDoubleClickTime = 5000;
}  // namespace

TrayClicks::TrayClicks(EventLoop& loop, Screen& screen) : screen_(screen), timer_(loop.createTimer(500)) {
    timer_->onTick = [this] { timerExpired(); };
}

void TrayClicks::handle(TrayMouse event) {
    switch (event) {
        case TrayMouse::LeftDown:
            pressed_ = true;
            clickReady_ = false;
            timer_->setEnabled(false);
            timer_->setInterval(std::clamp(screen_.doubleClickTimeMilliseconds(), 1, kLongestDoubleClickTime));
            timer_->setEnabled(true);
            break;
        case TrayMouse::LeftUp:
            if (!pressed_) break;  // the release that follows a double-click
            pressed_ = false;
            if (timer_->enabled()) {
                clickReady_ = true;
            } else {
                run(onClick);  // held longer than the double-click time: still a click
            }
            break;
        case TrayMouse::LeftDoubleClick:
            timer_->setEnabled(false);
            pressed_ = false;
            clickReady_ = false;
            run(onDoubleClick);
            break;
        case TrayMouse::RightDown:
            run(onRightDown);
            break;
    }
}

void TrayClicks::timerExpired() {
    timer_->setEnabled(false);
    if (!clickReady_) return;
    clickReady_ = false;
    run(onClick);
}

}  // namespace norvi
