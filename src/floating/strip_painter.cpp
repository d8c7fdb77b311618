#include "floating/strip_painter.h"

#include <algorithm>

#include "floating/tmainform.h"

namespace norvi {

namespace {
constexpr int kEastEurope = 238;

// A cell spans [x0, x0 + cellWidth) and may reach beyond the strip (a stored Caps width
// of 200); only its visible part is painted, but its text is placed in the whole cell.
void paintCell(Graphics& g, Bitmap& strip, const ui::Panel& cell, const FontSpec& font, int x0, long long cellWidth,
               ui::Alignment alignment) {
    const int x1 = static_cast<int>(std::min<long long>(x0 + cellWidth, strip.width()));
    if (x0 >= x1) return;
    Bitmap cellPicture(x1 - x0, strip.height(), 32, cell.colour());
    if (!cell.caption().empty()) {
        // Text is clipped to its own cell, as a child control clips it.
        const Size ext = g.textExtent(font, cell.caption());
        const long long centred = (cellWidth - ext.width) / 2;
        const int tx = alignment == ui::Alignment::Center ? static_cast<int>(std::min<long long>(centred, strip.width())) : 0;
        const int ty = (cellPicture.height() - ext.height) / 2;
        const TextDraw draw{tx, ty, cell.fontColour()};
        g.drawText(cellPicture, font, cell.caption(), {&draw, 1});
    }
    strip.blit(cellPicture, x0, 0);
}

// Black on light cells, white on dark ones, so the line shows on any cell colour.
Colour lineColourOver(Colour c) {
    const int luma = redOf(c) * 299 + greenOf(c) * 587 + blueOf(c) * 114;
    return luma > 128 * 1000 ? 0x00000000 : 0x00FFFFFF;
}
}  // namespace

FontSpec capsCellFont() { return {"Arial", 16, true, kEastEurope}; }
FontSpec numCellFont() { return {"Arial", 19, false, kEastEurope}; }

Bitmap paintStrip(Graphics& g, const ui::Panel& caps, const ui::Panel& split, const ui::Panel& num, int width,
                  int height, std::optional<int> dragLineX) {
    Bitmap strip(width, height, 32, kFloatingKeyColour);
    const int capsWidth = std::clamp(caps.width(), 0, width);
    const long long numWidth = static_cast<long long>(width) - capsWidth - kSplitWidth;
    paintCell(g, strip, caps, capsCellFont(), 0, std::max(0, caps.width()), caps.alignment());
    paintCell(g, strip, split, capsCellFont(), capsWidth, kSplitWidth, ui::Alignment::Center);
    paintCell(g, strip, num, numCellFont(), capsWidth + kSplitWidth, std::max(0LL, numWidth), ui::Alignment::Center);
    if (dragLineX && *dragLineX >= 0 && *dragLineX < width)
        for (int y = 0; y < height; ++y) strip.setPixel(*dragLineX, y, lineColourOver(strip.pixel(*dragLineX, y)));
    return strip;
}

}  // namespace norvi
