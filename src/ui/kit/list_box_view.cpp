#include "ui/kit/list_box_view.h"

#include <algorithm>

#include "ui/kit/geometry.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::ui::kit {

ListBoxView::ListBoxView(const ListBoxStyle& style, TextCompare* sortedBy)
    : style_(style), sortedBy_(sortedBy), bar_(style.scrollBar) {}

int ListBoxView::visibleRows() const { return std::max(1, (size().height - 2) / std::max(1, style_.rowHeight)); }

void ListBoxView::updateRange() {
    scroll_.setExtent(count(), visibleRows());
    invalidate();
}

int ListBoxView::add(std::string item) {
    auto at = items_.end();
    // After entries that compare equal, so equal names keep the order they came in.
    if (sortedBy_)
        at = std::upper_bound(items_.begin(), items_.end(), item, [this](const std::string& a, const std::string& b) {
            return sortedBy_->compareNoCase(a, b) < 0;
        });
    const int index = static_cast<int>(at - items_.begin());
    items_.insert(at, std::move(item));
    if (selected_ >= index) ++selected_;
    updateRange();
    return index;
}

void ListBoxView::clear() {
    items_.clear();
    selected_ = -1;
    scroll_.setOffset(0);
    updateRange();
}

void ListBoxView::setSelected(int index) {
    const int s = index >= 0 && index < count() ? index : -1;
    if (s == selected_) return;
    selected_ = s;
    showRow(s);
    invalidate();
}

void ListBoxView::showRow(int index) {
    if (index < 0) return;
    if (index < scroll_.offset()) scroll_.setOffset(index);
    if (index >= scroll_.offset() + visibleRows()) scroll_.setOffset(index - visibleRows() + 1);
}

int ListBoxView::rowAt(Point p) const {
    if (!contains(inset(sized(size()), 1), p) || bar_.hits(inBar(p), barOwner(), scroll_)) return -1;
    const int row = scroll_.offset() + (p.y - 1) / std::max(1, style_.rowHeight);
    return row < count() ? row : -1;
}

void ListBoxView::choose(int index) {
    if (index < 0) return;
    selected_ = index;
    showRow(index);
    invalidate();
    if (onSelect) onSelect(index);
}

void ListBoxView::paint(Painter& p) {
    const Rect all = sized(size());
    p.fill(all, style_.background);
    const int textRight = size().width - 1 - (scroll_.scrolls() ? bar_.style().width : 0);
    Painter rows = p.within({1, 1, textRight, size().height - 1});
    const int last = std::min(count(), scroll_.offset() + visibleRows() + 1);
    for (int i = scroll_.offset(); i < last; ++i) {
        const Rect row = Rect::fromSize(0, (i - scroll_.offset()) * style_.rowHeight, textRight - 1, style_.rowHeight);
        const bool chosen = i == selected_;
        if (chosen) rows.fill(row, style_.selected);
        const Rect text{row.left + style_.padding, row.top, row.right - style_.padding, row.bottom};
        rows.text(text, style_.font, items_[static_cast<std::size_t>(i)], chosen ? style_.selectedText : style_.text);
    }
    if (showsFocusMark()) {
        // As Windows does: a dotted frame on the selected row, or on the top row when none is.
        const int marked = selected_ >= 0 ? selected_ : scroll_.offset();
        if (marked >= scroll_.offset() && marked < scroll_.offset() + visibleRows())
            rows.dottedFrame(Rect::fromSize(0, (marked - scroll_.offset()) * style_.rowHeight, textRight - 1, style_.rowHeight),
                             selected_ >= 0 ? style_.selectedText : style_.text);
    }
    Painter inside = p.within(inset(all, 1));
    bar_.paint(inside, barOwner(), scroll_);
    p.frame(all, style_.border);
}

void ListBoxView::mouseDown(MouseButton button, Point p) {
    if (button != MouseButton::Left) return;
    if (bar_.hits(inBar(p), barOwner(), scroll_)) {
        bar_.press(inBar(p), barOwner(), scroll_);
        invalidate();
        return;
    }
    choose(rowAt(p));
}

void ListBoxView::mouseMove(Point p) {
    if (!bar_.dragging()) return;
    bar_.drag(inBar(p), barOwner(), scroll_);
    invalidate();
}

void ListBoxView::mouseUp(MouseButton button, Point) {
    if (button != MouseButton::Left || !bar_.dragging()) return;
    bar_.release();
    invalidate();
}

void ListBoxView::doubleClick(Point p) {
    const int row = rowAt(p);
    if (row < 0) {
        mouseDown(MouseButton::Left, p);
        return;
    }
    choose(row);
    if (onDoubleClick) onDoubleClick(row);
}

bool ListBoxView::wheel(int delta, Point) {
    if (scroll_.scrollBy(notches_.take(delta) * style_.wheelRows)) invalidate();
    return true;
}

bool ListBoxView::keyDown(int virtualKey, KeyModifiers) {
    if (count() == 0) return false;
    const int page = std::max(1, visibleRows() - 1);
    switch (virtualKey) {
    case kVkUp: choose(std::max(0, selected_ - 1)); return true;
    case kVkDown: choose(std::min(count() - 1, selected_ + 1)); return true;
    case kVkPageUp: choose(std::max(0, selected_ - page)); return true;
    case kVkPageDown: choose(std::min(count() - 1, std::max(0, selected_) + page)); return true;
    case kVkHome: choose(0); return true;
    case kVkEnd: choose(count() - 1); return true;
    default: return false;
    }
}

}  // namespace norvi::ui::kit
