// Where a composed watermark picture is seen. A canvas (the primary display's size for
// text, its work area's for icons) is shown centred and unscaled on a frame: the primary
// work area, or the display the watermark was sent to. The window takes only the part of
// the frame that the picture covers, so nothing it holds grows with the screen.
#pragma once

#include "platform/types.h"

namespace norvi {

struct SurfacePlacement {
    Rect screen;   // where the visible part goes, in screen coordinates; empty when none
    Point source;  // that part's top-left corner inside the picture
};

// A picture of size picture with its top-left corner at canvasAt on a canvas of size
// canvas, the canvas centred on frame (offsets rounding toward zero), clipped to both.
SurfacePlacement placeOnFrame(const Rect& frame, Size canvas, Point canvasAt, Size picture);

}  // namespace norvi
