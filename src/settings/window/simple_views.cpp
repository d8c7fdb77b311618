#include "settings/window/simple_views.h"

#include "ui/kit/geometry.h"

namespace norvi {

void FillView::paint(ui::kit::Painter& p) { p.fill(ui::kit::sized(size()), colour_); }

void LiveTextView::paint(ui::kit::Painter& p) {
    const FontSpec font = font_ ? font_() : style_.font;
    p.text(ui::kit::sized(size()), font, text(), style_.text, align_);
}

ui::kit::ButtonView& addButton(ui::kit::View& page, std::string caption, const ui::kit::ButtonStyle& style,
                               const Rect& bounds, std::function<void()> onClick) {
    auto& button = page.add<ui::kit::ButtonView>(std::move(caption), style);
    button.setBounds(bounds);
    button.onClick = std::move(onClick);
    return button;
}

}  // namespace norvi
