#include "ui/widgets.h"

namespace norvi::ui {

void CheckBox::setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (onChanged) onChanged();
    if (onClick) onClick();
}

void Slider::setPosition(int position) {
    position_ = clampToRange(position);
    if (onChanged) onChanged();
    if (onChange) onChange();
}

void MenuItem::choose() {
    if (kind_ == Kind::Separator) return;
    if (kind_ == Kind::Check) checked_ = !checked_;
    if (onClick) onClick();
}

void Edit::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    if (onChanged) onChanged();
    if (onChange) onChange();
}

void Edit::setBackground(Colour c) {
    if (c == background_) return;
    background_ = c;
    if (onChanged) onChanged();
}

void Panel::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed();
}

void Panel::setColour(Colour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    changed();
}

void Panel::setFontColour(Colour colour) {
    if (colour == fontColour_) return;
    fontColour_ = colour;
    changed();
}

void Panel::setWidth(int width) {
    if (width == width_) return;
    width_ = width;
    changed();
    if (onResize) onResize();
}

void Panel::setAlignment(Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    changed();
}

}  // namespace norvi::ui
