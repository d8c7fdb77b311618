#include "floating/strip_painter.h"

#include <algorithm>

#include "floating/tmainform.h"

namespace norvi {

namespace {
constexpr int kEastEurope = 238;

void paintCell(Graphics& g, Bitmap& strip, const ui::Panel& cell, const FontSpec& font, int x0, int x1,
               ui::Alignment alignment) {
    x1 = std::min(x1, strip.width());
    if (x0 >= x1) return;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = x0; x < x1; ++x) strip.setPixel(x, y, cell.colour());
    if (cell.caption().empty()) return;
    // Text is clipped to its own cell, as a child control clips it.
    Bitmap cellPicture(x1 - x0, strip.height(), 32, cell.colour());
    const Size ext = g.textExtent(font, cell.caption());
    const int tx = alignment == ui::Alignment::Center ? (cellPicture.width() - ext.width) / 2 : 0;
    const int ty = (cellPicture.height() - ext.height) / 2;
    const TextDraw draw{tx, ty, cell.fontColour()};
    g.drawText(cellPicture, font, cell.caption(), {&draw, 1});
    strip.blit(cellPicture, x0, 0);
}
}  // namespace

FontSpec capsCellFont() { return {"Arial", 16, true, kEastEurope}; }
FontSpec numCellFont() { return {"Arial", 19, false, kEastEurope}; }

Bitmap paintStrip(Graphics& g, const ui::Panel& caps, const ui::Panel& split, const ui::Panel& num,
                  int width, int height) {
    Bitmap strip(width, height, 32, kFloatingKeyColour);
    const int capsWidth = std::max(0, caps.width());
    paintCell(g, strip, caps, capsCellFont(), 0, capsWidth, caps.alignment());
    paintCell(g, strip, split, capsCellFont(), capsWidth, capsWidth + kSplitWidth, ui::Alignment::Center);
    paintCell(g, strip, num, numCellFont(), capsWidth + kSplitWidth, width, ui::Alignment::Center);
    return strip;
}

}  // namespace norvi
