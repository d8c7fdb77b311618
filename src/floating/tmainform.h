// The floating indicator window: the main window. It owns the lock poll timer, the
// keep-on-top timer, the popup menu's items and the two cells.
#pragma once

#include <functional>
#include <memory>

#include "floating/floating_splitter.h"
#include "platform/platform.h"
#include "tray/popup_menu.h"
#include "ui/dpi_scale.h"
#include "ui/widgets.h"

namespace norvi {

class Program;

// The strip's sizes in 96-dpi units; the window is these scaled to its monitor's DPI.
constexpr int kFloatingWidth = 120;
constexpr int kFloatingHeight = 27;
constexpr int kSplitWidth = 3;
constexpr int kRoundCorner = 5;  // the rounded region's corner ellipse
constexpr Colour kFloatingKeyColour = 0x00EF96AA;
constexpr Colour kCellStartColour = 0x00CBCBD1;

class Tmainform {
public:
    explicit Tmainform(Program& program);
    ~Tmainform();
    void FormCreate();
    void FormClose();
    void FormActivate();

    // Appearance update for the current lock states (also sets the shown values).
    void PoSpremembiBarve();
    void Roundx();
    // The Caps cell's alignment rule, run only when its size changes.
    void CtablaResize();
    // The keep-on-top tick.
    void Timer2Timer();

    // Opens the settings dialog (modal: returns once it has closed) and shows the shared
    // popup menu at a screen point, owned by one of Norvi's windows (the strip for its own
    // menu, the hidden application window for the tray's). The settings dialog fills
    // openSettings (until then it does nothing); showPopupMenu starts as the shared menu's
    // display.
    void Setcolors1Click();
    void popupMenuAt(Point screen, WindowHandle owner);
    std::function<void()> openSettings;
    std::function<void(Point, WindowHandle owner)> showPopupMenu;

    // Window state. Bounds are the native window's, in device pixels; opacity is what was
    // last applied.
    int left();
    int top();
    void moveTo(int left, int top);
    int opacity() const { return alphaBlendValue_; }
    // Clamped to 0 ... 255.
    void setOpacity(int value);
    bool visible();
    // The scale of the window's monitor, and the strip's size in its pixels.
    ui::DpiScale scale() const { return scale_; }
    Size pixelSize() const { return scale_.px(Size{kFloatingWidth, kFloatingHeight}); }
    void show();
    void hide();
    // Ends the program the way "Exit" does: closes this window, which saves.
    void close();

    ui::Panel Ctabla{"Abc", kCellStartColour};
    ui::Panel Split{"", kCellStartColour};
    ui::Panel NTABLA{"7", kCellStartColour};
    PopupMenu menu;

    std::unique_ptr<Timer> Timer1;  // the lock poll, 125 ms
    std::unique_ptr<Timer> Timer2;  // keep on top, 250 ms
    std::unique_ptr<NativeWindow> window;

    Tmainform(const Tmainform&) = delete;
    Tmainform& operator=(const Tmainform&) = delete;

private:
    // Mouse on the strip (floating_mouse.cpp).
    void wireMouse();
    void mouseDown(MouseButton button, Point at);
    void mouseMove(Point at);
    void mouseUp(MouseButton button, Point at);
    void doubleClick(Point at);
    void contextMenu(Point at);
    void positionChanging(Rect& bounds);
    // The window came onto a display of another DPI: the same strip at the new scale.
    void dpiChanged(int dpi, const Rect& suggested);
    void captureLost();
    CursorKind cursorAt(Point at) const;

    void repaint();
    Program& p_;
    SplitterDrag splitter_;
    ui::DpiScale scale_;
    int alphaBlendValue_ = 255;
    bool closing_ = false;
};

}  // namespace norvi
