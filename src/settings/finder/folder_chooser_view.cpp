#include "settings/finder/folder_chooser_view.h"

#include <algorithm>

#include "ui/kit/form.h"
#include "ui/kit/geometry.h"
#include "ui/kit/virtual_keys.h"

namespace norvi {

using namespace ui::kit;

namespace {
constexpr int kArrowWidth = 18;
constexpr int kIconSize = 16;  // the shell's small icons
constexpr int kIconGap = 4;    // between a row's icon and its name
}  // namespace

FolderChooserView::FolderChooserView(const ListBoxStyle& style, int boxHeight)
    : style_(style), boxHeight_(boxHeight) {}

void FolderChooserView::setPlaces(std::vector<FolderPlace> places) {
    places_ = std::move(places);
    selected_ = places_.empty() ? -1 : std::clamp(selected_, 0, static_cast<int>(places_.size()) - 1);
    offset_ = 0;
    setOpen(false);
    invalidate();
}

void FolderChooserView::setSelected(int index) {
    selected_ = index >= 0 && index < static_cast<int>(places_.size()) ? index : -1;
    scrollTo(selected_);
    invalidate();
}

std::string FolderChooserView::selectedPath() const {
    return selected_ >= 0 ? places_[static_cast<std::size_t>(selected_)].path : std::string();
}

int FolderChooserView::listRows() const { return std::min(kOpenRows, static_cast<int>(places_.size())); }

Rect FolderChooserView::listArea() const {
    return Rect::fromSize(0, boxHeight_, size().width, listRows() * style_.rowHeight + 2);
}

void FolderChooserView::setOpen(bool open) {
    if (open && places_.empty()) open = false;
    if (open == open_) return;
    open_ = open;
    // The view grows over what lies below it while open, so the list is painted and hit
    // there; it must be the last view of its parent to lie on top.
    Rect b = bounds();
    b.bottom = b.top + boxHeight_ + (open_ ? listArea().height() : 0);
    setBounds(b);
    if (open_) scrollTo(selected_);
    // The form closes the list when the user turns away: a press elsewhere, the focus or
    // the window's activation going.
    if (ui::kit::Form* form = this->form()) {
        if (open_)
            form->openDropDown(*this, *this, [this] { setOpen(false); });
        else if (form->dropDownOwner() == this)
            form->closeDropDown();
    }
    invalidate();
}

void FolderChooserView::scrollTo(int index) {
    if (index < 0) return;
    if (index < offset_) offset_ = index;
    if (index >= offset_ + kOpenRows) offset_ = index - kOpenRows + 1;
}

int FolderChooserView::rowAt(Point p) const {
    if (!open_) return -1;
    const Rect inner = inset(listArea(), 1);
    if (!contains(inner, p)) return -1;
    const int row = offset_ + (p.y - inner.top) / std::max(1, style_.rowHeight);
    return row < static_cast<int>(places_.size()) ? row : -1;
}

void FolderChooserView::paintRow(Painter& p, const Rect& row, int index, bool highlighted, Indent indent) {
    if (highlighted) p.fill(row, style_.selected);
    const FolderPlace& place = places_[static_cast<std::size_t>(index)];
    // The icon's room is kept even when the shell gave none, so names line up.
    const int iconLeft = row.left + style_.padding + (indent == Indent::ByDepth ? place.depth * kIndentPerDepth : 0);
    if (!place.icon.empty())
        p.picture({iconLeft, row.top + (row.height() - place.icon.height()) / 2}, place.icon);
    const Rect text{iconLeft + kIconSize + kIconGap, row.top, row.right - style_.padding, row.bottom};
    p.text(text, style_.font, place.name, highlighted ? style_.selectedText : style_.text);
}

void FolderChooserView::paint(Painter& p) {
    const Rect box = boxArea();
    p.fill(box, style_.background);
    p.frame(box, style_.border);
    if (selected_ >= 0) {
        const Rect row{1, 1, box.right - 1 - kArrowWidth, box.bottom - 1};
        // As in the shell's own drop-down, the box shows the chosen folder without its indent.
        paintRow(p, row, selected_, open_ == false && focused(), Indent::None);
    }
    // The drop-down arrow: a small triangle pointing down.
    const int ax = box.right - kArrowWidth + (kArrowWidth - 7) / 2, ay = (box.height() - 4) / 2;
    for (int r = 0; r < 4; ++r) p.horizontalLine(ax + r, ax + 7 - r, ay + r, style_.text);
    if (!open_) return;
    const Rect list = listArea();
    p.fill(list, style_.background);
    p.frame(list, style_.border);
    Painter rows = p.within(inset(list, 1));
    for (int i = 0; i < listRows() && offset_ + i < static_cast<int>(places_.size()); ++i) {
        const Rect row = Rect::fromSize(0, i * style_.rowHeight, list.width() - 2, style_.rowHeight);
        paintRow(rows, row, offset_ + i, offset_ + i == selected_, Indent::ByDepth);
    }
}

void FolderChooserView::mouseDown(MouseButton button, Point p) {
    if (button != MouseButton::Left) return;
    if (contains(boxArea(), p)) {
        setOpen(!open_);
        return;
    }
    const int row = rowAt(p);
    if (row >= 0) {
        selected_ = row;
        setOpen(false);
    }
}

bool FolderChooserView::wheel(int delta, Point) {
    if (!open_) return false;
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ %= kWheelNotch;
    const int most = std::max(0, static_cast<int>(places_.size()) - kOpenRows);
    offset_ = std::clamp(offset_ - notches, 0, most);
    invalidate();
    return true;
}

bool FolderChooserView::keyDown(int virtualKey, KeyModifiers) {
    const int last = static_cast<int>(places_.size()) - 1;
    switch (virtualKey) {
    case kVkUp: setSelected(std::max(0, selected_ - 1)); return last >= 0;
    case kVkDown: setSelected(std::min(last, selected_ + 1)); return last >= 0;
    case kVkReturn:
    case kVkEscape:
        if (!open_) return false;  // the dialog's OK and Cancel
        setOpen(false);
        return true;
    default: return false;
    }
}

void FolderChooserView::focusChanged() {
    // A press anywhere else closes the list, as a drop-down does.
    if (!focused()) setOpen(false);
    invalidate();
}

}  // namespace norvi
