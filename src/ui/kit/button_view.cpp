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
    const bool down = pressed_ && hovered();
    const Colour face = down ? style_.pressedFace : hovered() ? style_.hoverFace : style_.face;
    const Colour text = down ? style_.pressedText : style_.text;
    const Rect all = sized(size());
    p.fill(all, face);
    p.frame(all, style_.border);
    if (glyph_ == ButtonGlyph::Close)
        paintCross(p, all, 8, text);
    else
        p.text(inset(all, 1), style_.font, caption_, text, TextAlign::Center);
}

void ButtonView::mouseDown(MouseButton button, Point) {
    if (button != MouseButton::Left) return;
    pressed_ = true;
    invalidate();
}

void ButtonView::mouseUp(MouseButton button, Point p) {
    if (button != MouseButton::Left || !pressed_) return;
    pressed_ = false;
    invalidate();
    if (contains(sized(size()), p) && onClick) onClick();
}

void ButtonView::captureLost() {
    pressed_ = false;
    invalidate();
}

}  // namespace norvi::ui::kit
