// A flat push button: face, border and caption, a lighter face under the pointer and a
// pressed face while held. Like a Windows button it acts on release, and only when the
// pointer is still on it; Space and Enter press it from the keyboard.
#pragma once

#include <functional>
#include <string>

#include "ui/kit/pressable_view.h"
#include "ui/kit/styles.h"

namespace norvi::ui::kit {

// Drawn symbols for buttons without a caption: the title strip's close button, the
// scroll-to-top button, and the small picture buttons of a sound slot.
enum class ButtonGlyph { None, Close, ArrowUp, Play, Folder, Magnifier };

class ButtonView : public PressableView {
public:
    ButtonView(std::string caption, const ButtonStyle& style)
        : PressableView(EnterKey::Clicks), caption_(std::move(caption)), style_(style) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // A drawn symbol instead of a caption (the title strip's close button).
    void setGlyph(ButtonGlyph glyph);

    std::function<void()> onClick;

    void paint(Painter& p) override;

protected:
    void clicked() override {
        if (onClick) onClick();
    }

private:
    std::string caption_;
    ButtonStyle style_;
    ButtonGlyph glyph_ = ButtonGlyph::None;
};

}  // namespace norvi::ui::kit
