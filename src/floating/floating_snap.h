// Snapping of the floating strip to the work area of the display it is on.
#pragma once

#include "platform/types.h"

namespace norvi {

constexpr int kSnapDistance = 10;  // at 96 dpi

// Left, top, right, bottom in that order, each on what the earlier steps left: an edge
// closer than distance pixels to the work area's edge moves onto it; exactly that far
// does not.
Rect snapToWorkArea(Rect bounds, const Rect& workArea, int distance = kSnapDistance);

}  // namespace norvi
