#include "watermark/text_picture.h"

#include <algorithm>

#include "ui/kit/geometry.h"
#include "watermark/placement.h"
#include "watermark/point_size.h"
#include "watermark/watermark_state.h"

namespace norvi {

namespace {

constexpr int kOutlineOffset = 2;
constexpr int kSmallestPoints = 1;  // a height of 0 would ask GDI for its default font size

// Glyphs may ink beyond their cell (overhanging, slanted or emboldened faces), so the text
// is drawn with room around the cell and then cut to its ink: half a cell height at the
// sides, a quarter above and below, beyond the rim.
Rect roomFor(Point at, Size extent) {
    const int side = kOutlineOffset + extent.height / 2;
    const int above = kOutlineOffset + extent.height / 4;
    return {at.x - side, at.y - above, at.x + extent.width + side, at.y + extent.height + above};
}

// The smallest rectangle holding every pixel other than the key colour; empty when none.
Rect inkBox(const Bitmap& picture) {
    Rect box{picture.width(), picture.height(), 0, 0};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != kKeyColour) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x + 1);
                box.top = std::min(box.top, y);
                box.bottom = y + 1;
            }
    return box.right > box.left ? box : Rect{};
}

}  // namespace

TextPicture composeText(Graphics& graphics, const TextRequest& request) {
    TextPicture result;
    result.font.face = request.face;
    result.font.bold = true;
    for (int size = request.points;; --size) {
        result.font.charHeight = std::max(1, charHeightForPoints(size, request.logicalDpiY));
        result.extent = graphics.textExtent(result.font, request.text);
        const bool fits = result.extent.width <= request.canvas.width && result.extent.height <= request.canvas.height;
        if (fits || size <= kSmallestPoints) break;
    }
    result.at = textAnchor(request.position, request.canvas, result.extent, request.textTopOffset);
    result.picture = Bitmap(0, 0, 32);
    // What falls off the canvas was clipped on it, so it is not drawn here either.
    const Rect room = ui::kit::intersection(roomFor(result.at, result.extent),
                                   Rect::fromSize(0, 0, request.canvas.width, request.canvas.height));
    if (request.text.empty() || room.width() <= 0) return result;
    Bitmap drawn(room.width(), room.height(), 32, kKeyColour);
    const Point at{result.at.x - room.left, result.at.y - room.top};
    // The body drawn last covers all of the four offset copies but their outer edges.
    const TextDraw draws[] = {
        {at.x - kOutlineOffset, at.y, request.outline}, {at.x + kOutlineOffset, at.y, request.outline},
        {at.x, at.y - kOutlineOffset, request.outline}, {at.x, at.y + kOutlineOffset, request.outline},
        {at.x, at.y, request.body},
    };
    graphics.drawText(drawn, result.font, request.text, draws);
    const Rect ink = inkBox(drawn);
    if (ink.width() <= 0) return result;
    result.picture = drawn.part(ink);
    result.pictureAt = {room.left + ink.left, room.top + ink.top};
    return result;
}

}  // namespace norvi
