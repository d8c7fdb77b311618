#include "settings/window/font_box_view.h"

#include <algorithm>

#include "ui/kit/form.h"
#include "ui/kit/geometry.h"
#include "ui/kit/virtual_keys.h"

namespace norvi {

namespace {
constexpr Colour kFieldBackground = 0x00FFFFFF;
constexpr Colour kArrow = 0x00444444;
constexpr int kArrowWidth = 18;
constexpr int kVkF4 = 0x73;

int indexOf(const std::vector<std::string>& items, const std::string& face) {
    const auto it = std::find(items.begin(), items.end(), face);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}
}  // namespace

void FontBoxView::attachList(ui::kit::ListBoxView& list, int height) {
    list_ = &list;
    listHeight_ = height;
    list.setVisible(false);
    list.onSelect = [this](int index) {
        const auto& items = list_->items();
        if (index < 0 || index >= static_cast<int>(items.size())) return;
        const std::string face = items[static_cast<std::size_t>(index)];
        setOpen(false);
        fonts_.choose(face);
    };
}

void FontBoxView::setOpen(bool open) {
    if (!list_ || open == list_->visible()) return;
    ui::kit::Form* form = this->form();
    if (open) {
        list_->clear();
        for (const std::string& face : fonts_.items()) list_->add(face);
        const Rect b = bounds();
        list_->setBounds({b.left, b.bottom, b.right, b.bottom + listHeight_});
        list_->setSelected(indexOf(list_->items(), fonts_.selectedFace()));
    }
    list_->setVisible(open);
    // Hiding the list ends the form's drop-down by itself.
    if (open && form) form->openDropDown(*this, *list_, [this] { setOpen(false); });
    invalidate();
}

void FontBoxView::chooseAt(int index) {
    const auto& items = fonts_.items();
    if (items.empty()) return;
    index = std::clamp(index, 0, static_cast<int>(items.size()) - 1);
    fonts_.choose(items[static_cast<std::size_t>(index)]);
    if (open()) list_->setSelected(index);
    invalidate();
}

void FontBoxView::paint(ui::kit::Painter& p) {
    const Rect all = ui::kit::sized(size());
    p.fill(all, kFieldBackground);
    p.frame(all, style_.border);
    const Rect text{style_.padding, 0, all.right - kArrowWidth, all.bottom};
    p.text(text, style_.font, fonts_.hasSelection() ? fonts_.selectedFace() : faceInUse_, style_.text);
    // A small triangle pointing down.
    const int cx = all.right - kArrowWidth / 2 - 1, cy = all.bottom / 2 - 2;
    for (int r = 0; r < 4; ++r) p.horizontalLine(cx - 3 + r, cx + 4 - r, cy + r, kArrow);
    if (showsFocusMark()) p.dottedFrame({2, 2, all.right - kArrowWidth, all.bottom - 2}, style_.text);
}

void FontBoxView::mouseDown(MouseButton button, Point) {
    if (button == MouseButton::Left) setOpen(!open());
}

bool FontBoxView::keyDown(int virtualKey, KeyModifiers modifiers) {
    using namespace ui::kit;
    if (modifiers.alt || modifiers.control) return false;
    if (virtualKey == kVkF4) {
        setOpen(!open());
        return true;
    }
    const int at = indexOf(fonts_.items(), fonts_.selectedFace());
    const int last = static_cast<int>(fonts_.items().size()) - 1;
    switch (virtualKey) {
    case kVkUp: chooseAt(at < 0 ? 0 : at - 1); return true;
    case kVkDown: chooseAt(at + 1); return true;
    case kVkHome: chooseAt(0); return true;
    case kVkEnd: chooseAt(last); return true;
    default: return false;
    }
}

}  // namespace norvi
