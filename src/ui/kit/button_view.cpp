#include "ui/kit/button_view.h"

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

namespace {

// A diagonal cross of two-pixel strokes, centred.
void paintCross(Painter& p, const Rect& area, int span, Colour c) {
    const int x = area.left + (area.width() - span) / 2, y = area.top + (area.height() - span) / 2;
    for (int d = 0; d < 2; ++d) {
        p.line({x + d, y}, {x + span - 1, y + span - 1 - d}, c);
        p.line({x + span - 1 - d, y}, {x, y + span - 1 - d}, c);
    }
}

// A filled triangle pointing up, span wide, centred.
void paintArrowUp(Painter& p, const Rect& area, int span, Colour c) {
    const int rows = (span + 1) / 2;
    const int x = area.left + (area.width() - span) / 2, y = area.top + (area.height() - rows) / 2;
    for (int r = 0; r < rows; ++r) p.horizontalLine(x + rows - 1 - r, x + span - (rows - 1 - r), y + r, c);
}

// A filled triangle pointing right.
void paintPlay(Painter& p, const Rect& area, int height, Colour c) {
    const int columns = (height + 1) / 2;
    const int x = area.left + (area.width() - columns) / 2, y = area.top + (area.height() - height) / 2;
    for (int col = 0; col < columns; ++col) p.verticalLine(x + col, y + col, y + height - col, c);
}

// A folder outline with its tab.
void paintFolder(Painter& p, const Rect& area, Colour c) {
    const int w = 12, h = 9;
    const int x = area.left + (area.width() - w) / 2, y = area.top + (area.height() - h) / 2 + 1;
    p.horizontalLine(x, x + 5, y - 2, c);
    p.line({x + 5, y - 2}, {x + 6, y - 1}, c);
    p.frame(Rect::fromSize(x, y - 1, w, h + 1), c);
    p.horizontalLine(x + 1, x + w - 1, y + 1, c);
}

// A lens with its handle.
void paintMagnifier(Painter& p, const Rect& area, Colour c) {
    const int x = area.left + (area.width() - 11) / 2, y = area.top + (area.height() - 11) / 2;
    p.horizontalLine(x + 2, x + 5, y, c);
    p.horizontalLine(x + 2, x + 5, y + 6, c);
    p.verticalLine(x, y + 2, y + 5, c);
    p.verticalLine(x + 6, y + 2, y + 5, c);
    p.line({x + 1, y + 1}, {x + 1, y + 1}, c);
    p.line({x + 5, y + 1}, {x + 5, y + 1}, c);
    p.line({x + 1, y + 5}, {x + 1, y + 5}, c);
    p.line({x + 5, y + 5}, {x + 5, y + 5}, c);
    for (int d = 0; d < 2; ++d) p.line({x + 6 + d, y + 6}, {x + 10, y + 10 - d}, c);
}

}  // namespace

void ButtonView::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    invalidate();
}

void ButtonView::setGlyph(ButtonGlyph glyph) {
    if (glyph == glyph_) return;
    glyph_ = glyph;
    invalidate();
}

void ButtonView::paint(Painter& p) {
    const bool down = looksPressed();
    const Colour face = down ? style_.pressedFace : hovered() ? style_.hoverFace : style_.face;
    const Colour text = down ? style_.pressedText : style_.text;
    const Rect all = sized(size());
    p.fill(all, face);
    p.frame(all, style_.border);
    switch (glyph_) {
    case ButtonGlyph::Close: paintCross(p, all, 8, text); break;
    case ButtonGlyph::ArrowUp: paintArrowUp(p, all, 11, text); break;
    case ButtonGlyph::Play: paintPlay(p, all, 11, text); break;
    case ButtonGlyph::Folder: paintFolder(p, all, text); break;
    case ButtonGlyph::Magnifier: paintMagnifier(p, all, text); break;
    case ButtonGlyph::None: p.text(inset(all, 1), style_.font, caption_, text, TextAlign::Center); break;
    }
    paintFocusMark(p, inset(all, 3), text);
}

}  // namespace norvi::ui::kit
