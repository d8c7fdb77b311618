#include "settings/window/simple_views.h"

#include "ui/kit/geometry.h"

namespace norvi {

void FillView::paint(ui::kit::Painter& p) { p.fill(ui::kit::sized(size()), colour_); }

void LiveTextView::paint(ui::kit::Painter& p) {
    const FontSpec font = font_ ? font_() : style_.font;
    p.text(ui::kit::sized(size()), font, text(), style_.text, align_);
}

}  // namespace norvi
