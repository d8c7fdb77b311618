#include "ui/kit/scroll_area_view.h"

#include "ui/kit/form.h"

namespace norvi::ui::kit {

void ScrollAreaView::setContentHeight(int height) {
    range_.setExtent(height, size().height);
    invalidate();
}

void ScrollAreaView::resized() { setContentHeight(range_.content()); }

Rect ScrollAreaView::childArea() const {
    const int right = range_.scrolls() ? size().width - bar_.style().width : size().width;
    return {0, 0, right, size().height};
}

void ScrollAreaView::setOffset(int offset) {
    if (!range_.setOffset(offset)) return;
    invalidate();
    if (Form* f = form()) f->scrolled(*this);
}

void ScrollAreaView::revealArea(const Rect& r) {
    // The least scrolling that shows r, its top first when it is taller than the area.
    const int shown = size().height;
    if (r.bottom > range_.offset() + shown) setOffset(r.bottom - shown);
    if (r.top < range_.offset()) setOffset(r.top);
}

void ScrollAreaView::scrollSteps(int steps) { setOffset(range_.offset() + steps * style_.wheelStep); }

bool ScrollAreaView::wheel(int delta, Point) {
    scrollSteps(notches_.take(delta));
    return true;
}

void ScrollAreaView::mouseDown(MouseButton button, Point p) {
    if (button != MouseButton::Left) return;
    bar_.press(p, size(), range_);
    invalidate();
}

void ScrollAreaView::mouseMove(Point p) {
    if (bar_.drag(p, size(), range_)) invalidate();
}

void ScrollAreaView::mouseUp(MouseButton button, Point) {
    if (button != MouseButton::Left) return;
    bar_.release();
    invalidate();
}

}  // namespace norvi::ui::kit
