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
                  int height, ui::DpiScale scale, std::optional<int> dragLineX) {
    Bitmap strip(scale.px(width), scale.px(height), 32, kFloatingKeyColour);
    // Edges in pixels: the splitter starts where the Caps cell ends, the Num cell where it ends.
    const int capsUnits = std::clamp(caps.width(), 0, width);
    const int capsRight = scale.px(capsUnits);
    const int splitRight = std::min(scale.px(capsUnits + kSplitWidth), strip.width());
    const long long capsCell = caps.width() > 0 ? scale.px(std::min(caps.width(), 1 << 24)) : 0;
    paintCell(g, strip, caps, scale.font(capsCellFont()), 0, capsCell, caps.alignment());
    paintCell(g, strip, split, scale.font(capsCellFont()), capsRight, splitRight - capsRight, ui::Alignment::Center);
    paintCell(g, strip, num, scale.font(numCellFont()), splitRight, std::max(0, strip.width() - splitRight),
              ui::Alignment::Center);
    if (dragLineX && *dragLineX >= 0 && *dragLineX < width) {
        const int x0 = scale.px(*dragLineX), x1 = std::min(strip.width(), x0 + scale.stroke(1));
        for (int x = x0; x < x1; ++x)
            for (int y = 0; y < strip.height(); ++y) strip.setPixel(x, y, lineColourOver(strip.pixel(x, y)));
    }
    return strip;
}

}  // namespace norvi
