#include "watermark/text_picture.h"

#include <algorithm>

#include "watermark/placement.h"
#include "watermark/point_size.h"
#include "watermark/watermark_state.h"

namespace norvi {

namespace {

constexpr int kOutlineOffset = 2;
constexpr int kSmallestPoints = 1;  // a height of 0 would ask GDI for its default font size

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
    result.picture = Bitmap(request.canvas.width, request.canvas.height, 32, kKeyColour);
    const Point at = result.at;
    // The body drawn last covers all of the four offset copies but their outer edges.
    const TextDraw draws[] = {
        {at.x - kOutlineOffset, at.y, request.outline}, {at.x + kOutlineOffset, at.y, request.outline},
        {at.x, at.y - kOutlineOffset, request.outline}, {at.x, at.y + kOutlineOffset, request.outline},
        {at.x, at.y, request.body},
    };
    if (!request.text.empty()) graphics.drawText(result.picture, result.font, request.text, draws);
    return result;
}

}  // namespace norvi
