#include "watermark/tfloattxt.h"

#include "app/program.h"
#include "watermark/placement.h"
#include "watermark/surface_placement.h"

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
        // A blank of a few pixels until the first cue: the window never covers the screen.
        const Rect work = pf.screen().workArea();
        args.bounds = Rect::fromSize(work.left, work.top, Image1.width(), Image1.height());
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
    if (window) window->show();
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

Rect TfloatTXT::frame() {
    // Following the work area also after the taskbar or the resolution changed.
    return followsWorkArea_ ? p_.platform.screen().workArea() : display_;
}

void TfloatTXT::showOnSurface(Bitmap picture, Point canvasAt, Size canvas) {
    composed_ = Composed{std::move(picture), canvasAt, canvas};
    placeComposed();
}

void TfloatTXT::placeComposed() {
    if (!window) return;
    if (!composed_) return showBlank();
    const Bitmap& picture = composed_->picture;
    const SurfacePlacement place =
        placeOnFrame(frame(), composed_->canvas, composed_->canvasAt, {picture.width(), picture.height()});
    if (place.screen.width() <= 0) return showBlank();
    const bool whole = place.screen.width() == picture.width() && place.screen.height() == picture.height();
    const Rect seen = Rect::fromSize(place.source.x, place.source.y, place.screen.width(), place.screen.height());
    window->showPictureAt(whole ? picture : picture.part(seen), kKeyColour, place.screen);
}

void TfloatTXT::dropPicture() {
    composed_.reset();
    // The window's own background is the key colour, so a blank anywhere in it hides all.
    if (window) window->setPicture(Image1, kKeyColour);
}

void TfloatTXT::showBlank() {
    composed_.reset();
    if (!window) return;
    const Rect f = frame();
    window->showPictureAt(Image1, kKeyColour, Rect::fromSize(f.left, f.top, Image1.width(), Image1.height()));
}

}  // namespace norvi
