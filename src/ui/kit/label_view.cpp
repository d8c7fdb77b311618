#include "ui/kit/label_view.h"

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

void LabelView::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    invalidate();
}

void LabelView::setColour(Colour c) {
    if (c == style_.text) return;
    style_.text = c;
    invalidate();
}

void LabelView::paint(Painter& p) { p.text(sized(size()), style_.font, text_, style_.text, align_); }

}  // namespace norvi::ui::kit
