#include "ui/kit/edit_view.h"

#include <algorithm>
#include <string>

#include "ui/kit/form.h"
#include "ui/kit/geometry.h"
#include "ui/kit/utf8.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::ui::kit {

EditView::EditView(Edit& model, const EditStyle& style) : model_(model), style_(style) {
    caret_ = model_.text().size();
    model_.onChanged = [this] {
        // Text set by code puts the caret at its end, as a Windows edit field does.
        if (!ownChange_) setCaret(model_.text().size());
        invalidate();
    };
}

EditView::~EditView() { model_.onChanged = nullptr; }

Rect EditView::textArea() const { return inset(sized(size()), style_.padding); }

int EditView::textX(std::size_t offset) const {
    if (offset == 0) return 0;
    return textSize(style_.font, std::string_view(model_.text()).substr(0, offset)).width;
}

void EditView::setCaret(std::size_t caret) {
    caret_ = std::min(caret, model_.text().size());
    // Keep the caret inside the visible part of the text.
    const int x = textX(caret_), width = std::max(1, textArea().width() - 1);
    if (x - scroll_ > width) scroll_ = x - width;
    if (x < scroll_) scroll_ = x;
    invalidate();
}

void EditView::replace(std::size_t from, std::size_t to, const std::string& with, std::size_t caretAfter) {
    std::string text = model_.text();
    text.replace(from, to - from, with);
    ownChange_ = true;
    model_.setText(std::move(text));
    ownChange_ = false;
    setCaret(caretAfter);
}

void EditView::paint(Painter& p) {
    const Rect all = sized(size());
    p.fill(all, model_.background());
    p.frame(all, style_.border);
    const Rect area = textArea();
    Painter inner = p.within(area);
    const Size extent = p.measure(style_.font, model_.text());
    const int top = (area.height() - extent.height) / 2;
    inner.textAt({-scroll_, top}, style_.font, model_.text(), style_.text);
    if (focused() && form()->windowHasFocus()) {
        const int x = textX(caret_) - scroll_;
        inner.verticalLine(x, top, top + extent.height, style_.caret);
    }
}

void EditView::mouseDown(MouseButton button, Point p) {
    if (button != MouseButton::Left) return;
    // The boundary nearest the pointer: the first one whose x passes the pointer's,
    // or the one before it when that is closer.
    const std::string& text = model_.text();
    const int x = p.x - textArea().left + scroll_;
    std::size_t before = 0;
    for (std::size_t at = 0;; at = nextCodePoint(text, at)) {
        const int ax = textX(at);
        if (ax >= x) {
            setCaret(x - textX(before) < ax - x ? before : at);
            return;
        }
        before = at;
        if (at >= text.size()) break;
    }
    setCaret(text.size());
}

bool EditView::keyDown(int virtualKey, KeyModifiers) {
    const std::string& text = model_.text();
    switch (virtualKey) {
    case kVkLeft: setCaret(previousCodePoint(text, caret_)); return true;
    case kVkRight: setCaret(nextCodePoint(text, caret_)); return true;
    case kVkHome: setCaret(0); return true;
    case kVkEnd: setCaret(text.size()); return true;
    case kVkBack:
        if (!readOnly_ && caret_ > 0) {
            const std::size_t from = previousCodePoint(text, caret_);
            replace(from, caret_, {}, from);
        }
        return true;
    case kVkDelete:
        if (!readOnly_ && caret_ < text.size()) replace(caret_, nextCodePoint(text, caret_), {}, caret_);
        return true;
    default: return false;
    }
}

bool EditView::character(char32_t c) {
    // Control characters (Backspace arrives here too, after its key) are not text.
    if (c < 0x20 || c == 0x7F) return false;
    if (readOnly_) return true;
    if (model_.maxLength() > 0 && codePointCount(model_.text()) >= model_.maxLength()) return true;
    std::string typed;
    if (!appendUtf8(typed, c)) return true;
    replace(caret_, caret_, typed, caret_ + typed.size());
    return true;
}

}  // namespace norvi::ui::kit
