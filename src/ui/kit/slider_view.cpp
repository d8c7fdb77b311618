#include "ui/kit/slider_view.h"

#include <algorithm>

#include "ui/kit/geometry.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::ui::kit {

SliderView::SliderView(Slider& model, const SliderStyle& style) : model_(model), style_(style) {
    model_.onChanged = [this] { invalidate(); };
}

SliderView::~SliderView() { model_.onChanged = nullptr; }

int SliderView::travel() const { return std::max(0, size().width - style_.thumbWidth); }

int SliderView::thumbLeftFor(int position) const {
    const int span = model_.maximum() - model_.minimum();
    if (span <= 0) return 0;
    const long long offset = static_cast<long long>(position - model_.minimum()) * travel();
    return static_cast<int>((offset + span / 2) / span);
}

int SliderView::positionAt(int thumbLeft) const {
    const int t = travel();
    const int x = std::clamp(thumbLeft, 0, t);
    if (t == 0) return model_.minimum();
    const long long span = model_.maximum() - model_.minimum();
    return model_.minimum() + static_cast<int>((x * span + t / 2) / t);
}

void SliderView::paint(Painter& p) {
    const int h = size().height;
    const int thumbLeft = thumbLeftFor(model_.position());
    const int trackTop = (h - style_.trackHeight) / 2;
    const int half = style_.thumbWidth / 2;
    p.fill({half, trackTop, thumbLeft + half, trackTop + style_.trackHeight}, style_.trackFilled);
    p.fill({thumbLeft + half, trackTop, size().width - half, trackTop + style_.trackHeight}, style_.track);
    const Colour thumb = dragging_ ? style_.thumbPressed : hovered() ? style_.thumbHover : style_.thumb;
    p.fill(Rect::fromSize(thumbLeft, (h - style_.thumbHeight) / 2, style_.thumbWidth, style_.thumbHeight), thumb);
    // Around the whole control, as a Windows track bar marks its focus.
    if (showsFocusMark()) p.dottedFrame(sized(size()), style_.thumbHover);
}

void SliderView::moveTo(int position) {
    const int clamped = std::clamp(position, model_.minimum(), model_.maximum());
    if (clamped != model_.position()) model_.setPosition(clamped);
}

void SliderView::mouseDown(MouseButton button, Point p) {
    if (button != MouseButton::Left) return;
    const int thumbLeft = thumbLeftFor(model_.position());
    const bool onThumb = p.x >= thumbLeft && p.x < thumbLeft + style_.thumbWidth;
    grab_ = onThumb ? p.x - thumbLeft : style_.thumbWidth / 2;
    dragging_ = true;
    invalidate();
    if (!onThumb) moveTo(positionAt(p.x - grab_));
}

void SliderView::mouseMove(Point p) {
    if (dragging_) moveTo(positionAt(p.x - grab_));
}

void SliderView::mouseUp(MouseButton button, Point) {
    if (button != MouseButton::Left) return;
    dragging_ = false;
    invalidate();
}

void SliderView::captureLost() {
    dragging_ = false;
    invalidate();
}

bool SliderView::keyDown(int virtualKey, KeyModifiers) {
    const int page = std::max(1, (model_.maximum() - model_.minimum()) / 5);
    const int at = model_.position();
    switch (virtualKey) {
    case kVkLeft: case kVkUp: moveTo(at - 1); return true;
    case kVkRight: case kVkDown: moveTo(at + 1); return true;
    case kVkPageUp: moveTo(at - page); return true;
    case kVkPageDown: moveTo(at + page); return true;
    case kVkHome: moveTo(model_.minimum()); return true;
    case kVkEnd: moveTo(model_.maximum()); return true;
    default: return false;
    }
}

}  // namespace norvi::ui::kit
