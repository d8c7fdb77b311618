#include "watermark/surface_placement.h"

#include "ui/kit/geometry.h"

namespace norvi {

using ui::kit::intersection;

SurfacePlacement placeOnFrame(const Rect& frame, Size canvas, Point canvasAt, Size picture) {
    const int canvasLeft = frame.left + (frame.width() - canvas.width) / 2;
    const int canvasTop = frame.top + (frame.height() - canvas.height) / 2;
    const Rect onScreen = Rect::fromSize(canvasLeft + canvasAt.x, canvasTop + canvasAt.y, picture.width, picture.height);
    // What lies off the canvas was never drawn, and what lies off the frame was clipped.
    const Rect canvasOnScreen = Rect::fromSize(canvasLeft, canvasTop, canvas.width, canvas.height);
    const Rect visible = intersection(intersection(onScreen, canvasOnScreen), frame);
    if (visible.width() <= 0) return {};
    return {visible, {visible.left - onScreen.left, visible.top - onScreen.top}};
}

}  // namespace norvi
