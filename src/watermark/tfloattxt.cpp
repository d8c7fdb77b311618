#include "watermark/tfloattxt.h"

#include "app/program.h"
#include "watermark/placement.h"

namespace norvi {

namespace {
constexpr int kFormTimeout = 3000;  // the form's own interval, replaced at creation
}

TfloatTXT::TfloatTXT(Program& program) : p_(program) {}
TfloatTXT::~TfloatTXT() {
    // The settings dialog outlives this window; its recolouring hook must not reach it.
    if (p_.fcolors) p_.fcolors->recolourWatermarkIcons = nullptr;
}

void TfloatTXT::FormCreate() {
    Platform& pf = p_.platform;
    try {
        WindowCreateArgs args;
        args.className = "TfloatTXT";
        args.title = "";
        args.bounds = pf.screen().workArea();
        args.topmost = true;
        args.layered = true;
        args.clickThrough = true;
        // Shown without activation, so keys typed right after Caps Lock stay where they were going.
        args.noActivate = true;
        window = pf.createWindow(args);
        if (window) window->onActivate = [this] { FormActivate(); };
        TimerTXT = pf.loop().createTimer(kFormTimeout);
        TimerTXT->onTick = [this] {
            try {
                TimerTXTTimer();
            } catch (...) {
            }
        };
        applyTimeout(p_.fcolors->sdTimeOut.position());
        applyOpacity(p_.fcolors->floatOpa.position());
        p_.fcolors->recolourWatermarkIcons = [this](Colour c) {
            try {
                recolourIcons(c);
            } catch (...) {
            }
        };
        try {
            naloziImage();
        } catch (...) {
        }
        // Until the dialog first recolours it, the preview shows the icon as stored.
        p_.fcolors->ImagebARVA = slikaCON;
        if (p_.mainform->menu.DOD.checked()) p_.dispatcher.StartNiZagon();
        if (p_.mainform->menu.Dop.checked()) p_.dispatcher.StartNiZagon();
    } catch (...) {
    }
    try {
        recomputeTextTopOffset(p_);
    } catch (...) {
    }
}

void TfloatTXT::FormActivate() { p_.platform.desktop().hideApplicationWindow(); }

void TfloatTXT::restartTimeout() {
    ++cuesShown_;
    if (!TimerTXT) return;
    TimerTXT->setEnabled(false);
    TimerTXT->setEnabled(true);
}

void TfloatTXT::showWatermark() {
    if (!window) return;
    if (followsWorkArea_) {
        // Until it is sent elsewhere the window fills the primary work area, also after the
        // taskbar or the resolution changed.
        const Rect work = p_.platform.screen().workArea();
        if (window->bounds() != work) window->setBounds(work);
    }
    window->show();
}

void TfloatTXT::hideWatermark() {
    if (TimerTXT) TimerTXT->setEnabled(false);
    if (window) window->hide();
}

bool TfloatTXT::visible() { return window && window->isVisible(); }

void TfloatTXT::applyOpacity(int value) {
    if (!window) return;
    LayeredAttributes a;
    a.key = kKeyColour;
    a.useKey = true;
    a.useAlpha = value < 255;
    a.alpha = value & 0xFF;
    window->setLayered(a);
}

void TfloatTXT::applyTimeout(int milliseconds) {
    if (TimerTXT) TimerTXT->setInterval(milliseconds);
}

void TfloatTXT::showOnSurface(const Bitmap& picture) {
    if (window) window->setPicture(picture, kKeyColour);
}

}  // namespace norvi
