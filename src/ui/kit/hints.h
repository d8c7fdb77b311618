// When a form shows its views' hints, with the timing of Windows tooltips: the tip shows
// once the pointer has rested on a view with a hint for the double-click time (500 ms by
// default), goes after ten times that, and goes at once when the pointer leaves the view,
// on a press or a wheel turn. After it went, it comes back only once the pointer has left
// the view. Moving on to another view while a tip shows brings that view's tip sooner.
#pragma once

#include <memory>

#include "platform/platform.h"
#include "ui/kit/tooltip.h"

namespace norvi::ui::kit {

class View;

class Hints {
public:
    Hints(Platform& platform, const TooltipStyle& style);
    Hints(const Hints&) = delete;
    Hints& operator=(const Hints&) = delete;

    // The pointer moved; view is the one under it (nullptr over bare area).
    void pointerMoved(View* view);
    // The pointer left the window, or the view under it went away.
    void pointerLeft();
    // A press, a wheel turn or the window losing the focus: no tip until the pointer
    // leaves the view.
    void dismiss();
    // The view, or one inside it, is going away or hiding.
    void forget(const View& view);

    const Tooltip& tooltip() const { return tooltip_; }

private:
    void showTip();

    Platform& platform_;
    Tooltip tooltip_;
    std::unique_ptr<Timer> wait_;  // until the tip shows
    std::unique_ptr<Timer> life_;  // until it goes by itself
    View* view_ = nullptr;         // under the pointer, with a hint
    bool dismissed_ = false;
    int initialDelay_ = 500;
};

}  // namespace norvi::ui::kit
