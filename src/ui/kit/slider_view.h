// A horizontal slider showing a Slider model: a track, the part left of the thumb filled,
// and a thumb. A press on the thumb drags it; a press elsewhere on the track moves the
// thumb there first. Arrow keys step by one, Page Up/Down by a fifth of the range,
// Home/End go to the ends. Every position reached goes through Slider::setPosition, so the
// model's change action runs for each one. The model must outlive the view.
#pragma once

#include "ui/kit/styles.h"
#include "ui/kit/view.h"
#include "ui/widgets.h"

namespace norvi::ui::kit {

class SliderView : public View {
public:
    SliderView(Slider& model, const SliderStyle& style);
    ~SliderView() override;

    Slider& model() { return model_; }
    // The thumb's left edge for a position, and the position whose thumb starts at x.
    int thumbLeftFor(int position) const;
    int positionAt(int thumbLeft) const;

    void paint(Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }
    bool focusable() const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    void mouseMove(Point p) override;
    void mouseUp(MouseButton button, Point p) override;
    bool keyDown(int virtualKey, KeyModifiers modifiers) override;
    void captureLost() override;

private:
    int travel() const;
    void moveTo(int position);

    Slider& model_;
    SliderStyle style_;
    bool dragging_ = false;
    int grab_ = 0;  // where in the thumb the press landed
};

}  // namespace norvi::ui::kit
