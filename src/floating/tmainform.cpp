#include "floating/tmainform.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "app/program.h"
#include "floating/floating_layout.h"
#include "floating/strip_painter.h"
#include "tray/popup_menu_display.h"

namespace norvi {

Tmainform::Tmainform(Program& program) : p_(program) {
    Platform& pf = p_.platform;
    WindowCreateArgs args;
    args.className = "Tmainform";
    args.title = "Norvi" + std::string(37, ' ');
    args.bounds = Rect::fromSize(0, 0, kFloatingWidth, kFloatingHeight);
    args.topmost = true;
    args.layered = true;
    args.dropShadow = true;
    window = pf.createWindow(args);
    // Without its main window Norvi cannot run at all (no display, no desktop session).
    if (!window) throw std::runtime_error("the floating indicator window cannot be created");
    scale_ = ui::DpiScale::of(window->dpi());
    if (!scale_.identity()) window->setBounds(Rect::fromSize(0, 0, pixelSize().width, pixelSize().height));
    window->onClose = [this] { FormClose(); };
    window->onActivate = [this] { FormActivate(); };
    wireMouse();

    Timer1 = pf.loop().createTimer(125);
    Timer1->onTick = [this] { p_.monitor.Timer1Timer(); };
    Timer2 = pf.loop().createTimer(250);
    Timer2->onTick = [this] { Timer2Timer(); };

    Ctabla.onResize = [this] { CtablaResize(); };
    Ctabla.setWidth(75);
    for (ui::Panel* panel : {&Ctabla, &Split, &NTABLA}) panel->onChanged = [this] { repaint(); };
    menu.Exit1.onClick = [this] { close(); };
    showPopupMenu = [this](Point at, WindowHandle owner) { showSharedPopupMenu(p_, at, owner); };
    p_.tray.create();
    setOpacity(255);
}

Tmainform::~Tmainform() = default;

void Tmainform::FormCreate() {
    p_.startupDone = false;
    p_.lock.capsPrimed = 0;
    p_.lock.numPrimed = 0;
    try {
        p_.dataFolder = locateDataFolder(p_.platform);
        p_.config.LoadSettings();
        Roundx();
    } catch (...) {
    }
    p_.platform.desktop().hideApplicationWindow();
}

void Tmainform::FormClose() {
    if (closing_) return;
    closing_ = true;
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    p_.config.SaveSettings();
    p_.platform.loop().quit(0);
}

void Tmainform::FormActivate() {
    p_.monitor.resetOnActivate();
    window->bringToFront();
    // Keep the strip reachable on the primary screen; never push it right or down.
    const Size screen = p_.platform.screen().primarySize();
    const Rect b = window->bounds();
    int l = b.left, t = b.top;
    if (l > screen.width - 10) l = screen.width - 10;
    if (t + b.height() > screen.height) t = screen.height - b.height();
    if (l != b.left || t != b.top) moveTo(l, t);
}

void Tmainform::Timer2Timer() {
    // Raising while the settings dialog is up would cover it; raising while the user is
    // still in the window that was in front when a menu opened would steal nothing new.
    if (!window->isVisible()) return;
    if (p_.fcolors && p_.fcolors->visible()) return;
    if (p_.platform.desktop().foregroundWindow() == p_.lock.LastForegroundWnd) return;
    window->bringToFront();
}

void Tmainform::PoSpremembiBarve() {
    Keyboard& kb = p_.platform.keyboard();
    const Tfcolors& d = *p_.fcolors;
    const FloatingColours& c = p_.colours;
    const bool caps = kb.isToggled(kVkCapital);
    Ctabla.setCaption((caps ? d.Edit8 : d.Edit6).text());
    Ctabla.setColour(caps ? c.capsOnColor : c.capsOffColor);
    Split.setColour(Ctabla.colour());
    Ctabla.setFontColour(caps ? c.capsOnFontColor : c.capsOffFontColor);
    p_.lock.capsShown = caps ? 1 : 0;
    const bool num = kb.isToggled(kVkNumLock);
    NTABLA.setCaption((num ? d.Edit9 : d.Edit7).text());
    NTABLA.setColour(num ? c.numOnColor : c.numOffColor);
    NTABLA.setFontColour(num ? c.numOnFontColor : c.numOffFontColor);
    p_.lock.numShown = num ? 1 : 0;
}

void Tmainform::Roundx() {
    const Size s = pixelSize();
    window->setRoundRegion(s.width, s.height, scale_.px(kRoundCorner), scale_.px(kRoundCorner));
}

void Tmainform::CtablaResize() { Ctabla.setAlignment(capsCellAlignment(Ctabla.caption(), Ctabla.width())); }

void Tmainform::Setcolors1Click() {
    if (openSettings) openSettings();
}

void Tmainform::popupMenuAt(Point screen, WindowHandle owner) {
    if (showPopupMenu) showPopupMenu(screen, owner);
}

int Tmainform::left() { return window->bounds().left; }
int Tmainform::top() { return window->bounds().top; }

void Tmainform::moveTo(int l, int t) { window->setBounds(Rect::fromSize(l, t, pixelSize().width, pixelSize().height)); }

void Tmainform::dpiChanged(int dpi, const Rect& suggested) {
    const ui::DpiScale now = ui::DpiScale::of(dpi);
    if (now == scale_) return;
    scale_ = now;
    // A drag in progress was measured at the old scale.
    if (splitter_.active()) {
        splitter_.end(0);
        window->setCapture(false);
    }
    moveTo(suggested.left, suggested.top);
    Roundx();
    repaint();
}

void Tmainform::setOpacity(int value) {
    alphaBlendValue_ = std::clamp(value, 0, 255);
    LayeredAttributes a;
    a.key = kFloatingKeyColour;
    a.useKey = true;
    a.useAlpha = true;
    a.alpha = alphaBlendValue_;
    window->setLayered(a);
}

bool Tmainform::visible() { return window->isVisible(); }

void Tmainform::show() {
    window->show();
    repaint();
}

void Tmainform::hide() { window->hide(); }

void Tmainform::close() { window->close(); }

void Tmainform::repaint() {
    window->setPicture(paintStrip(p_.platform.graphics(), Ctabla, Split, NTABLA, kFloatingWidth, kFloatingHeight,
                                  scale_, splitter_.lineX()),
                       kFloatingKeyColour);
}

}  // namespace norvi
