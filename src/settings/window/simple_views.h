// Small views the settings pages need beyond the kit: a filled rectangle (separators,
// bars, the monitor's stand) and a line of text read from its source at every paint, so
// that value labels follow models that announce no change of their own.
#pragma once

#include <functional>
#include <string>

#include "ui/kit/button_view.h"
#include "ui/kit/painter.h"
#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi {

class FillView : public ui::kit::View {
public:
    explicit FillView(Colour colour) : colour_(colour) {}
    void paint(ui::kit::Painter& p) override;

private:
    Colour colour_;
};

class LiveTextView : public ui::kit::View {
public:
    using Source = std::function<std::string()>;
    using FontSource = std::function<FontSpec()>;
    LiveTextView(Source text, const ui::kit::LabelStyle& style, ui::kit::TextAlign align = ui::kit::TextAlign::Left)
        : text_(std::move(text)), style_(style), align_(align) {}
    // The font from a source too (the "Abc" sample follows the chosen face).
    void setFontSource(FontSource font) { font_ = std::move(font); }
    std::string text() const { return text_ ? text_() : std::string(); }

    void paint(ui::kit::Painter& p) override;

private:
    Source text_;
    FontSource font_;
    ui::kit::LabelStyle style_;
    ui::kit::TextAlign align_;
};

// A captioned button placed on a page, running onClick.
ui::kit::ButtonView& addButton(ui::kit::View& page, std::string caption, const ui::kit::ButtonStyle& style,
                               const Rect& bounds, std::function<void()> onClick);

}  // namespace norvi
