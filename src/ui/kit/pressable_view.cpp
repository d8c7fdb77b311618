#include "ui/kit/pressable_view.h"

#include "ui/kit/geometry.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::ui::kit {

void PressableView::mouseDown(MouseButton button, Point) {
    if (button != MouseButton::Left || held_ != Held::No) return;
    held_ = Held::ByMouse;
    invalidate();
}

void PressableView::mouseUp(MouseButton button, Point p) {
    if (button != MouseButton::Left || held_ != Held::ByMouse) return;
    letGo();
    if (contains(sized(size()), p)) clicked();
}

bool PressableView::keyDown(int virtualKey, KeyModifiers modifiers) {
    if (modifiers.control || modifiers.alt) return false;
    if (virtualKey == kVkSpace) {
        // Auto-repeat and a press already held by the mouse change nothing.
        if (held_ == Held::No) {
            held_ = Held::ByKey;
            invalidate();
        }
        return true;
    }
    if (virtualKey == kVkReturn && enter_ == EnterKey::Clicks) {
        clicked();
        return true;
    }
    return false;
}

bool PressableView::keyUp(int virtualKey) {
    if (virtualKey != kVkSpace || held_ != Held::ByKey) return false;
    letGo();
    clicked();
    return true;
}

void PressableView::focusChanged() {
    if (!focused() && held_ == Held::ByKey) letGo();
    invalidate();
}

void PressableView::letGo() {
    if (held_ == Held::No) return;
    held_ = Held::No;
    invalidate();
}

bool PressableView::looksPressed() const {
    return held_ == Held::ByKey || (held_ == Held::ByMouse && hovered());
}

void PressableView::paintFocusMark(Painter& p, const Rect& r, Colour c) const {
    if (showsFocusMark()) p.dottedFrame(r, c);
}

}  // namespace norvi::ui::kit
