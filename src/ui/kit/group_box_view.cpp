#include "ui/kit/group_box_view.h"

namespace norvi::ui::kit {

void GroupBoxView::paint(Painter& p) {
    const Size text = p.measure(style_.font, caption_);
    const int w = size().width, h = size().height;
    const int line = text.height / 2;  // the top line runs through the caption's middle
    const int gapStart = style_.captionIndent, gapEnd = caption_.empty() ? gapStart : gapStart + text.width;
    p.horizontalLine(0, gapStart, line, style_.frame);
    p.horizontalLine(gapEnd, w, line, style_.frame);
    p.horizontalLine(0, w, h - 1, style_.frame);
    p.verticalLine(0, line, h, style_.frame);
    p.verticalLine(w - 1, line, h, style_.frame);
    p.textAt({gapStart, 0}, style_.font, caption_, style_.text);
}

}  // namespace norvi::ui::kit
