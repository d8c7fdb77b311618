#include "settings/window/font_box_view.h"

#include "ui/kit/geometry.h"

namespace norvi {

namespace {
constexpr Colour kFieldBackground = 0x00FFFFFF;
constexpr Colour kArrow = 0x00444444;
constexpr int kArrowWidth = 18;
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
    if (open) {
        list_->clear();
        for (const std::string& face : fonts_.items()) list_->add(face);
        const Rect b = bounds();
        list_->setBounds({b.left, b.bottom, b.right, b.bottom + listHeight_});
        int selected = -1;
        for (int i = 0; i < list_->count(); ++i)
            if (list_->items()[static_cast<std::size_t>(i)] == fonts_.selectedFace()) selected = i;
        list_->setSelected(selected);
    }
    list_->setVisible(open);
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
}

void FontBoxView::mouseDown(MouseButton button, Point) {
    if (button == MouseButton::Left) setOpen(!open());
}

}  // namespace norvi
