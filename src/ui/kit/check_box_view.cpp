#include "ui/kit/check_box_view.h"

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

CheckBoxView::CheckBoxView(CheckBox& model, const CheckBoxStyle& style) : model_(model), style_(style) {
    model_.onChanged = [this] { invalidate(); };
}

CheckBoxView::~CheckBoxView() { model_.onChanged = nullptr; }

void CheckBoxView::paint(Painter& p) {
    const int s = style_.boxSize;
    const Rect box = Rect::fromSize(0, (size().height - s) / 2, s, s);
    p.fill(box, style_.box);
    p.frame(box, hovered() ? style_.hoverBorder : style_.boxBorder);
    if (model_.checked()) {
        // A tick of two-pixel strokes: down from the left third, up to the top right.
        const Point knee{box.left + s * 5 / 13, box.bottom - 4};
        for (int d = 0; d < 2; ++d) {
            p.line({box.left + 3, knee.y - 3 + d - 1}, {knee.x, knee.y + d - 1}, style_.tick);
            p.line({knee.x, knee.y + d - 1}, {box.right - 4, box.top + 3 + d - 1}, style_.tick);
        }
    }
    const Rect caption{s + style_.gap, 0, size().width, size().height};
    p.text(caption, style_.font, model_.caption(), style_.text);
}

void CheckBoxView::mouseDown(MouseButton button, Point) {
    if (button == MouseButton::Left) pressed_ = true;
}

void CheckBoxView::mouseUp(MouseButton button, Point p) {
    if (button != MouseButton::Left || !pressed_) return;
    pressed_ = false;
    if (contains(sized(size()), p)) model_.click();
}

}  // namespace norvi::ui::kit
