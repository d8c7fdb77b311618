// The vertical scroll bar of a list box or scroll area: paints a thumb for a ScrollRange
// in a track, and turns presses and drags on the track into offsets. Not a view of its
// own, because its owner's children scroll and the bar must not.
#pragma once

#include "ui/kit/painter.h"
#include "ui/kit/scroll_range.h"
#include "ui/kit/styles.h"

namespace norvi::ui::kit {

class ScrollBar {
public:
    explicit ScrollBar(const ScrollBarStyle& style) : style_(style) {}

    const ScrollBarStyle& style() const { return style_; }
    // The track: the owner's right edge, full height, in the owner's coordinates.
    Rect track(Size owner) const;
    Rect thumb(Size owner, const ScrollRange& range) const;
    void paint(Painter& p, Size owner, const ScrollRange& range) const;
    // Whether p is on the bar; a range that does not scroll shows no bar.
    bool hits(Point p, Size owner, const ScrollRange& range) const;

    // A press on the thumb grabs it; elsewhere on the track it first centres the thumb
    // there. Each returns whether the offset changed.
    bool press(Point p, Size owner, ScrollRange& range);
    bool drag(Point p, Size owner, ScrollRange& range);
    void release() { dragging_ = false; }
    bool dragging() const { return dragging_; }

private:
    int offsetForThumbTop(int top, Size owner, const ScrollRange& range) const;

    ScrollBarStyle style_;
    bool dragging_ = false;
    int grab_ = 0;
};

}  // namespace norvi::ui::kit
