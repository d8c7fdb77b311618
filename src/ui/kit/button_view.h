// A flat push button: face, border and caption, a lighter face under the pointer and a
// pressed face while held. Like a Windows button it acts on release, and only when the
// pointer is still on it.
#pragma once

#include <functional>
#include <string>

#include "ui/kit/styles.h"
#include "ui/kit/view.h"

namespace norvi::ui::kit {

// Drawn symbols for buttons without a caption: the title strip's close button, the
// scroll-to-top button, and the small picture buttons of a sound slot.
enum class ButtonGlyph { None, Close, ArrowUp, Play, Folder, Magnifier };

class ButtonView : public View {
public:
    ButtonView(std::string caption, const ButtonStyle& style) : caption_(std::move(caption)), style_(style) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // A drawn symbol instead of a caption (the title strip's close button).
    void setGlyph(ButtonGlyph glyph);
    bool isPressed() const { return pressed_; }

    std::function<void()> onClick;

    void paint(Painter& p) override;
    bool takesMouseAt(Point) const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    void mouseUp(MouseButton button, Point p) override;
    void captureLost() override;

private:
    std::string caption_;
    ButtonStyle style_;
    ButtonGlyph glyph_ = ButtonGlyph::None;
    bool pressed_ = false;
};

}  // namespace norvi::ui::kit
