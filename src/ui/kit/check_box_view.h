// A check box with its caption, showing a CheckBox model. A click (press and release on
// it) goes through CheckBox::click(), so the model's click action runs as for any change.
// The view takes the model's change listener; the model must outlive the view.
#pragma once

#include "ui/kit/styles.h"
#include "ui/kit/view.h"
#include "ui/widgets.h"

namespace norvi::ui::kit {

class CheckBoxView : public View {
public:
    CheckBoxView(CheckBox& model, const CheckBoxStyle& style);
    ~CheckBoxView() override;

    CheckBox& model() { return model_; }

    void paint(Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    void mouseUp(MouseButton button, Point p) override;
    void captureLost() override { pressed_ = false; }

private:
    CheckBox& model_;
    CheckBoxStyle style_;
    bool pressed_ = false;
};

}  // namespace norvi::ui::kit
