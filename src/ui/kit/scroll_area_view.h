// A viewport onto content taller than itself: the children are placed in content
// coordinates and scroll vertically together. The offset stays between 0 and the
// content's excess; each wheel notch moves it by the style's step. A scroll bar at the
// right shows and drags the offset. Bare parts of the area stay bare for the mouse. A view
// inside that gets the focus from the keyboard is scrolled into sight.
#pragma once

#include "ui/kit/scroll_bar.h"
#include "ui/kit/scroll_range.h"
#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi::ui::kit {

class ScrollAreaView : public View {
public:
    explicit ScrollAreaView(const ScrollAreaStyle& style) : style_(style), bar_(style.scrollBar) {}

    void setContentHeight(int height);
    int contentHeight() const { return range_.content(); }
    int offset() const { return range_.offset(); }
    void setOffset(int offset);
    // Scrolls by whole wheel steps (positive: down), as the dialog does for a wheel turn
    // that reaches it anywhere.
    void scrollSteps(int steps);
    const ScrollRange& range() const { return range_; }

    bool takesMouseAt(Point p) const override { return bar_.hits(p, size(), range_); }
    void mouseDown(MouseButton button, Point p) override;
    void mouseMove(Point p) override;
    void mouseUp(MouseButton button, Point p) override;
    void captureLost() override { bar_.release(); }
    bool wheel(int delta, Point p) override;

protected:
    Point contentOrigin() const override { return {0, -range_.offset()}; }
    Rect childArea() const override;
    void paintOver(Painter& p) override { bar_.paint(p, size(), range_); }
    void revealArea(const Rect& r) override;
    void resized() override;

private:
    ScrollAreaStyle style_;
    ScrollRange range_;
    ScrollBar bar_;
    WheelNotches notches_;
};

}  // namespace norvi::ui::kit
