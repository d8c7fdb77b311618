#include "ui/kit/scroll_bar.h"

#include <algorithm>

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

Rect ScrollBar::track(Size owner) const {
    return {owner.width - style_.width, 0, owner.width, owner.height};
}

Rect ScrollBar::thumb(Size owner, const ScrollRange& range) const {
    const Rect t = track(owner);
    if (!range.scrolls() || range.content() == 0) return {};
    const int length = std::clamp(static_cast<int>(static_cast<long long>(t.height()) * range.viewport() /
                                                   range.content()),
                                  std::min(style_.minimumThumb, t.height()), t.height());
    const int room = t.height() - length;
    const int top = static_cast<int>(static_cast<long long>(room) * range.offset() / range.maximum());
    const int x = t.left + (t.width() - style_.thumbWidth) / 2;
    return Rect::fromSize(x, t.top + top, style_.thumbWidth, length);
}

void ScrollBar::paint(Painter& p, Size owner, const ScrollRange& range) const {
    if (!range.scrolls()) return;
    p.fill(track(owner), style_.track);
    p.fill(thumb(owner, range), dragging_ ? style_.thumbPressed : style_.thumb);
}

int ScrollBar::offsetForThumbTop(int top, Size owner, const ScrollRange& range) const {
    const int room = track(owner).height() - thumb(owner, range).height();
    if (room <= 0) return 0;
    return static_cast<int>((static_cast<long long>(top) * range.maximum() + room / 2) / room);
}

bool ScrollBar::hits(Point p, Size owner, const ScrollRange& range) const {
    return range.scrolls() && contains(track(owner), p);
}

bool ScrollBar::press(Point p, Size owner, ScrollRange& range) {
    if (!hits(p, owner, range)) return false;
    const Rect th = thumb(owner, range);
    dragging_ = true;
    if (p.y >= th.top && p.y < th.bottom) {
        grab_ = p.y - th.top;
        return false;
    }
    grab_ = th.height() / 2;
    return range.setOffset(offsetForThumbTop(p.y - grab_, owner, range));
}

bool ScrollBar::drag(Point p, Size owner, ScrollRange& range) {
    if (!dragging_) return false;
    return range.setOffset(offsetForThumbTop(p.y - grab_, owner, range));
}

}  // namespace norvi::ui::kit
