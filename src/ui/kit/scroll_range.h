// A scroll position over content taller than its viewport, kept within 0 and the content's
// excess. Shared by the list box (in rows) and the scroll area (in pixels).
#pragma once

#include <algorithm>

namespace norvi::ui::kit {

class ScrollRange {
public:
    int offset() const { return offset_; }
    int content() const { return content_; }
    int viewport() const { return viewport_; }
    int maximum() const { return std::max(0, content_ - viewport_); }
    bool scrolls() const { return content_ > viewport_; }

    // Each returns whether the offset changed.
    bool setOffset(int offset) {
        const int clamped = std::clamp(offset, 0, maximum());
        if (clamped == offset_) return false;
        offset_ = clamped;
        return true;
    }
    bool scrollBy(int delta) { return setOffset(offset_ + delta); }
    bool setExtent(int content, int viewport) {
        content_ = std::max(0, content);
        viewport_ = std::max(0, viewport);
        const int before = offset_;
        offset_ = std::clamp(offset_, 0, maximum());
        return offset_ != before;
    }

private:
    int offset_ = 0;
    int content_ = 0;
    int viewport_ = 0;
};

// Turns wheel deltas into whole notches, keeping the remainder of a fine-grained wheel.
class WheelNotches {
public:
    // Notches towards the user (scrolling down) are positive.
    int take(int delta);

private:
    int remainder_ = 0;
};

}  // namespace norvi::ui::kit
