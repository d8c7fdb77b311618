// What every kind of button shares: a left press holds it down and the release over it
// clicks; with the keyboard focus, Space holds it down and the key's release clicks, and
// Enter clicks a push button at once, as Windows buttons do. A held press ends without a
// click when the capture or the focus goes elsewhere.
#pragma once

#include "ui/kit/view.h"

namespace norvi::ui::kit {

// Whether Enter clicks the focused control (a push button) or is left to the dialog (a
// check box, as in Windows, where Enter goes to the default button).
enum class EnterKey { Clicks, Ignored };

class PressableView : public View {
public:
    explicit PressableView(EnterKey enter) : enter_(enter) {}

    // Held down by the mouse or by Space.
    bool isPressed() const { return held_ != Held::No; }

    bool takesMouseAt(Point) const override { return true; }
    bool focusable() const override { return true; }
    void mouseDown(MouseButton button, Point p) override;
    void mouseUp(MouseButton button, Point p) override;
    void captureLost() override { letGo(); }
    bool keyDown(int virtualKey, KeyModifiers modifiers) override;
    bool keyUp(int virtualKey) override;
    void focusChanged() override;

protected:
    // To draw the pressed look: held by Space, or by the mouse with the pointer on it.
    bool looksPressed() const;
    // Windows' focus mark: a dotted rectangle, drawn only while showsFocusMark().
    void paintFocusMark(Painter& p, const Rect& r, Colour c) const;
    // The click itself.
    virtual void clicked() = 0;

private:
    enum class Held { No, ByMouse, ByKey };
    void letGo();

    EnterKey enter_;
    Held held_ = Held::No;
};

}  // namespace norvi::ui::kit
