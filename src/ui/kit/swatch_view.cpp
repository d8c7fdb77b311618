#include "ui/kit/swatch_view.h"

#include <algorithm>

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

SwatchView::SwatchView(Panel& model, std::string buttonCaption, const SwatchStyle& style,
                       const ButtonStyle& buttonStyle)
    : model_(model), style_(style), button_(add<ButtonView>(std::move(buttonCaption), buttonStyle)) {
    model_.onChanged = [this] { invalidate(); };
}

SwatchView::~SwatchView() { model_.onChanged = nullptr; }

void SwatchView::resized() {
    // Inside the border, flush right; the rest of the inside shows the colour.
    const Size s = size();
    const int w = std::min(style_.buttonWidth, std::max(0, s.width - 2));
    button_.setBounds({s.width - 1 - w, 1, s.width - 1, s.height - 1});
}

void SwatchView::paint(Painter& p) {
    const Rect all = sized(size());
    p.fill(all, model_.colour());
    p.frame(all, style_.border);
}

}  // namespace norvi::ui::kit
