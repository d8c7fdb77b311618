// Snapping of the floating strip to the work area of the display it is on.
#pragma once

#include "platform/types.h"

namespace norvi {

constexpr int kSnapDistance = 10;

// Left, top, right, bottom in that order, each on what the earlier steps left: an edge
// closer than 10 pixels to the work area's edge moves onto it; exactly 10 does not.
Rect snapToWorkArea(Rect bounds, const Rect& workArea);

}  // namespace norvi
