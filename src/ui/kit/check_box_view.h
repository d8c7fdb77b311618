// A check box with its caption, showing a CheckBox model. A click (press and release on
// it, or Space with the focus) goes through CheckBox::click(), so the model's click action
// runs as for any change.
// The view takes the model's change listener; the model must outlive the view.
#pragma once

#include "ui/kit/pressable_view.h"
#include "ui/kit/styles.h"
#include "ui/widgets.h"

namespace norvi::ui::kit {

class CheckBoxView : public PressableView {
public:
    CheckBoxView(CheckBox& model, const CheckBoxStyle& style);
    ~CheckBoxView() override;

    CheckBox& model() { return model_; }

    void paint(Painter& p) override;

protected:
    void clicked() override { model_.click(); }

private:
    CheckBox& model_;
    CheckBoxStyle style_;
};

}  // namespace norvi::ui::kit
