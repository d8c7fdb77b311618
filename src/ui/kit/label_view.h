// A line of text. Labels do not take the mouse: a press on one is a press on bare area.
#pragma once

#include <string>

#include "ui/kit/painter.h"
#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi::ui::kit {

class LabelView : public View {
public:
    LabelView(std::string text, const LabelStyle& style, TextAlign align = TextAlign::Left)
        : text_(std::move(text)), style_(style), align_(align) {}

    const std::string& text() const { return text_; }
    void setText(std::string text);
    void setColour(Colour c);

    void paint(Painter& p) override;

private:
    std::string text_;
    LabelStyle style_;
    TextAlign align_;
};

}  // namespace norvi::ui::kit
