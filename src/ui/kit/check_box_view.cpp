#include "ui/kit/check_box_view.h"

#include <algorithm>

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

CheckBoxView::CheckBoxView(CheckBox& model, const CheckBoxStyle& style)
    : PressableView(EnterKey::Ignored), model_(model), style_(style) {
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
    if (!showsFocusMark()) return;
    // Around the caption, as a Windows check box marks its focus.
    const Size extent = p.measure(style_.font, model_.caption());
    const int top = std::max(0, (size().height - extent.height) / 2 - 1);
    const Rect mark{caption.left - 2, top, std::min(size().width, caption.left + extent.width + 2),
                    std::min(size().height, top + extent.height + 2)};
    paintFocusMark(p, mark, style_.text);
}

}  // namespace norvi::ui::kit
