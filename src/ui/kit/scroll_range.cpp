#include "ui/kit/scroll_range.h"

#include "platform/platform.h"

namespace norvi::ui::kit {

int WheelNotches::take(int delta) {
    // The platform's delta is positive away from the user, which scrolls up.
    remainder_ -= delta;
    const int notches = remainder_ / kWheelNotch;
    remainder_ -= notches * kWheelNotch;
    return notches;
}

}  // namespace norvi::ui::kit
