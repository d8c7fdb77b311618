// The mouse on the floating strip: a press on a cell moves the window, the splitter
// changes the split, a double-click on the Num cell opens the settings dialog and a right
// click on a cell shows the popup menu. Handlers run inside window callbacks, so nothing
// may escape them.
#include "app/program.h"
#include "floating/floating_layout.h"
#include "floating/floating_snap.h"
#include "floating/tmainform.h"

namespace norvi {

namespace {
template <typename F>
void guarded(F&& handler) {
    try {
        handler();
    } catch (...) {
    }
}
}  // namespace

void Tmainform::wireMouse() {
    // The handlers work in the strip's 96-dpi units.
    window->onMouseDown = [this](MouseButton b, Point at) { guarded([&] { mouseDown(b, scale_.units(at)); }); };
    window->onMouseMove = [this](Point at) { guarded([&] { mouseMove(scale_.units(at)); }); };
    window->onMouseUp = [this](MouseButton b, Point at) { guarded([&] { mouseUp(b, scale_.units(at)); }); };
    window->onDoubleClick = [this](Point at) { guarded([&] { doubleClick(scale_.units(at)); }); };
    window->onContextMenu = [this](Point at) { guarded([&] { contextMenu(scale_.units(at)); }); };
    window->onPositionChanging = [this](Rect& bounds) { guarded([&] { positionChanging(bounds); }); };
    window->onDpiChanged = [this](int dpi, const Rect& suggested) { guarded([&] { dpiChanged(dpi, suggested); }); };
    window->onCaptureLost = [this] { guarded([&] { captureLost(); }); };
    window->onCursorAt = [this](Point at) { return cursorAt(scale_.units(at)); };
}

CursorKind Tmainform::cursorAt(Point at) const {
    // While dragging the pointer may leave the splitter; the cursor stays with the drag.
    if (splitter_.active() || stripPartAt(at.x, Ctabla.width()) == StripPart::Splitter)
        return CursorKind::SplitHorizontal;
    return CursorKind::Arrow;
}

void Tmainform::captureLost() {
    // Alt+Tab, a system menu or another window took the mouse mid-drag: the drag is over,
    // the width stays and the line goes.
    if (!splitter_.active()) return;
    splitter_.cancel();
    repaint();
}

void Tmainform::mouseDown(MouseButton button, Point at) {
    switch (stripPartAt(at.x, Ctabla.width())) {
        case StripPart::Splitter:
            if (button != MouseButton::Left) return;
            splitter_.begin(at.x, Ctabla.width());
            window->setCapture(true);
            repaint();
            return;
        case StripPart::Caps:
        case StripPart::Num:
            // The system's move runs its own loop and would swallow the right button's
            // release, and with it the context menu; only the other buttons move.
            if (button != MouseButton::Right) window->startSystemMove();
            return;
        case StripPart::Outside:
            return;
    }
}

void Tmainform::mouseMove(Point at) {
    if (!splitter_.active()) return;
    const auto before = splitter_.lineX();
    splitter_.moveTo(at.x);
    if (splitter_.lineX() != before) repaint();
}

void Tmainform::mouseUp(MouseButton button, Point at) {
    if (!splitter_.active() || button != MouseButton::Left) return;
    const int width = splitter_.end(at.x);
    window->setCapture(false);
    Ctabla.setWidth(width);
    repaint();  // the line goes even when the width stays
}

void Tmainform::doubleClick(Point at) {
    if (stripPartAt(at.x, Ctabla.width()) == StripPart::Num) Setcolors1Click();
}

void Tmainform::contextMenu(Point at) {
    const StripPart part = stripPartAt(at.x, Ctabla.width());
    if (part == StripPart::Caps || part == StripPart::Num)
        popupMenuAt(p_.platform.screen().cursorPosition(), window->handle());
}

void Tmainform::positionChanging(Rect& bounds) {
    // The strip never changes size (every resize is refused) and snaps to the work area
    // of the display it is moving onto, from the same physical distance at every scale.
    bounds = Rect::fromSize(bounds.left, bounds.top, pixelSize().width, pixelSize().height);
    bounds = snapToWorkArea(bounds, p_.platform.screen().workAreaAt(bounds), scale_.px(kSnapDistance));
}

}  // namespace norvi
