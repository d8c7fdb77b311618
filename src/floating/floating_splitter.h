// Dragging the splitter between the two cells: a thin line follows the pointer, and the
// Caps cell takes the new width, clamped, when the button is released.
#pragma once

#include <optional>

namespace norvi {

class SplitterDrag {
public:
    // pressX is where the splitter was grabbed, in client pixels.
    void begin(int pressX, int capsWidth);
    bool active() const { return active_; }
    // The Caps width the pointer asks for, within the splitter's limits.
    int widthAt(int pointerX) const;
    // Client x of the line shown while dragging, or nothing when not dragging.
    std::optional<int> lineX() const;
    void moveTo(int pointerX);
    // Ends the drag; the clamped width to apply.
    int end(int pointerX);
    // Ends the drag with nothing to apply.
    void cancel() { active_ = false; }

private:
    bool active_ = false;
    int grabOffset_ = 0;  // pointer x minus the Caps width at the press
    int pointerX_ = 0;
};

}  // namespace norvi
