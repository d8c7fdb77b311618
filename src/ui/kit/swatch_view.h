// A colour swatch: a bordered panel in the colour of a Panel model, with a button along
// its right side so that a strip of the colour shows at its left. The button's onClick is
// where a page opens its colour chooser. The model must outlive the view.
#pragma once

#include <string>

#include "ui/kit/button_view.h"
#include "ui/kit/styles.h"
#include "ui/kit/view.h"
#include "ui/widgets.h"

namespace norvi::ui::kit {

class SwatchView : public View {
public:
    SwatchView(Panel& model, std::string buttonCaption, const SwatchStyle& style, const ButtonStyle& buttonStyle);
    ~SwatchView() override;

    Panel& model() { return model_; }
    ButtonView& button() { return button_; }

    void paint(Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }

protected:
    void resized() override;

private:
    Panel& model_;
    SwatchStyle style_;
    ButtonView& button_;
};

}  // namespace norvi::ui::kit
