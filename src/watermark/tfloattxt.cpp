#include "watermark/tfloattxt.h"

#include "app/program.h"

namespace norvi {

TfloatTXT::TfloatTXT(Program& program) : p_(program) {}
TfloatTXT::~TfloatTXT() = default;

void TfloatTXT::FormCreate() {
    Platform& pf = p_.platform;
    WindowCreateArgs args;
    args.className = "TfloatTXT";
    args.title = "";
    args.bounds = pf.screen().workArea();
    args.topmost = true;
    args.layered = true;
    args.clickThrough = true;
    args.noActivate = true;
    window = pf.createWindow(args);
    TimerTXT = pf.loop().createTimer(3000);
    try {
        applyTimeout(p_.fcolors->sdTimeOut.position());
        applyOpacity(p_.fcolors->floatOpa.position());
        if (p_.mainform->menu.DOD.checked()) p_.dispatcher.StartNiZagon();
        if (p_.mainform->menu.Dop.checked()) p_.dispatcher.StartNiZagon();
    } catch (...) {
    }
}

void TfloatTXT::PaintText(int, const std::string&) {}
void TfloatTXT::PaintIcon(int) {}

void TfloatTXT::restartTimeout() {
    TimerTXT->setEnabled(false);
    TimerTXT->setEnabled(true);
}

void TfloatTXT::showWatermark() {
    if (window) window->show();
}

void TfloatTXT::hideWatermark() {
    TimerTXT->setEnabled(false);
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

void TfloatTXT::applyTimeout(int milliseconds) { TimerTXT->setInterval(milliseconds); }

}  // namespace norvi
