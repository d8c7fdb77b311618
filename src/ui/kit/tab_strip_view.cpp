#include "ui/kit/tab_strip_view.h"

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

void TabStripView::setSelected(int index) {
    if (index < 0 || index >= count() || index == selected_) return;
    selected_ = index;
    invalidate();
}

Rect TabStripView::tabRect(int index) const {
    if (!form() || index < 0 || index >= count()) return {};
    const int top = size().height - style_.tabHeight;
    int x = style_.indent;
    for (int i = 0;; ++i) {
        const int w = textSize(style_.font, captions_[static_cast<std::size_t>(i)]).width + 2 * style_.padding;
        if (i == index) return Rect::fromSize(x, top, w, style_.tabHeight);
        x += w + style_.gap;
    }
}

int TabStripView::tabAt(Point p) const {
    for (int i = 0; i < count(); ++i)
        if (contains(tabRect(i), p)) return i;
    return -1;
}

void TabStripView::paint(Painter& p) {
    p.fill(sized(size()), style_.background);
    for (int i = 0; i < count(); ++i) {
        const Rect r = tabRect(i);
        const Colour face = i == selected_ ? style_.selectedTab : i == hot_ ? style_.hoverTab : style_.tab;
        p.fill(r, face);
        p.text(r, style_.font, captions_[static_cast<std::size_t>(i)], style_.text, TextAlign::Center);
    }
}

void TabStripView::mouseDown(MouseButton button, Point p) {
    if (onPress) onPress(button, p);
    if (button != MouseButton::Left) return;
    const int index = tabAt(p);
    if (index < 0 || index == selected_) return;
    selected_ = index;
    invalidate();
    if (onSelect) onSelect(index);
}

void TabStripView::mouseMove(Point p) {
    const int hot = hovered() ? tabAt(p) : -1;
    if (hot == hot_) return;
    hot_ = hot;
    invalidate();
}

void TabStripView::hoverChanged() {
    if (!hovered()) hot_ = -1;
    invalidate();
}

}  // namespace norvi::ui::kit
