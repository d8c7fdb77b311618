#include "ui/kit/hints.h"

#include <algorithm>

#include "ui/kit/view.h"

namespace norvi::ui::kit {

Hints::Hints(Platform& platform, const TooltipStyle& style)
    : platform_(platform), tooltip_(platform, style), wait_(platform.loop().createTimer(500)),
      life_(platform.loop().createTimer(5000)) {
    wait_->onTick = [this] { showTip(); };
    life_->onTick = [this] { dismiss(); };
}

void Hints::pointerMoved(View* view) {
    View* withHint = view && !view->hint().empty() ? view : nullptr;
    if (withHint != view_) {
        const bool tipWasUp = tooltip_.visible();
        pointerLeft();
        view_ = withHint;
        if (!view_) return;
        // The delays follow the user's double-click time, as the system's tooltips do.
        initialDelay_ = std::max(1, platform_.screen().doubleClickTimeMilliseconds());
        wait_->setInterval(tipWasUp ? std::max(1, initialDelay_ / 5) : initialDelay_);
        wait_->setEnabled(true);
        return;
    }
    if (!view_ || dismissed_ || tooltip_.visible()) return;
    // The pointer has to rest: every move starts the wait again.
    wait_->setEnabled(false);
    wait_->setInterval(initialDelay_);
    wait_->setEnabled(true);
}

void Hints::pointerLeft() {
    view_ = nullptr;
    dismissed_ = false;
    wait_->setEnabled(false);
    life_->setEnabled(false);
    tooltip_.hide();
}

void Hints::dismiss() {
    dismissed_ = view_ != nullptr;
    wait_->setEnabled(false);
    life_->setEnabled(false);
    tooltip_.hide();
}

void Hints::forget(const View& view) {
    if (view_ && view_->isWithin(view)) pointerLeft();
}

void Hints::showTip() {
    wait_->setEnabled(false);
    if (!view_ || dismissed_) return;
    tooltip_.show(view_->hint(), platform_.screen().cursorPosition());
    life_->setInterval(10 * initialDelay_);
    life_->setEnabled(true);
}

}  // namespace norvi::ui::kit
