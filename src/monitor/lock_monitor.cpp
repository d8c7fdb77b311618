#include "monitor/lock_monitor.h"

#include "app/program.h"

namespace norvi {

namespace {
int keyState(Program& p, int vk) { return p.platform.keyboard().isToggled(vk) ? 1 : 0; }
bool capsOn(Program& p) { return keyState(p, kVkCapital) == 1; }
bool numOn(Program& p) { return keyState(p, kVkNumLock) == 1; }
}  // namespace

void LockMonitor::Timer1Timer() {
    LockState& s = p_.lock;
    // Only these two readings carry from the start of the poll to its end; every other
    // step reads the record afresh, since a nested handler may have changed it.
    int capsNow = s.capsNow, numNow = s.numNow;
    try {
        p_.platform.loop().processMessages();
        capsNow = keyState(p_, kVkCapital);
        numNow = keyState(p_, kVkNumLock);
        s.lockChanged = false;
        s.capsNow = capsNow;
        s.numNow = numNow;
        if (s.capsPrev != s.capsNow || s.numPrev != s.numNow) s.lockChanged = true;
        if (s.lockChanged) panelCheck();
        if (p_.mainform->menu.zvok.checked()) soundCues();
        trayCues();
        if (p_.mainform->menu.DOD.checked()) textCues();
        if (p_.mainform->menu.Dop.checked()) iconCues();
        markCued();
    } catch (...) {
        // A failed cue is given again by the next poll: the cued values were not brought in line.
    }
    if (p_.floatTXT && p_.floatTXT->visible())
        s.LastForegroundWnd = p_.platform.desktop().foregroundWindow();
    s.capsPrev = capsNow;
    s.numPrev = numNow;
    s.capsPrimed = 1;
    s.numPrimed = 1;
}

void LockMonitor::panelCheck() {
    LockState& s = p_.lock;
    Tmainform& m = *p_.mainform;
    Tfcolors& d = *p_.fcolors;
    const FloatingColours& c = p_.colours;
    const auto paintCaps = [&](const ui::Edit& text, Colour back, Colour font, int shown) {
        m.Ctabla.setCaption(text.text());
        m.Ctabla.setColour(back);
        m.Split.setColour(back);
        m.Ctabla.setFontColour(font);
        s.capsShown = shown;
        p_.tray.barvajIkone();
    };
    if (capsOn(p_) && s.capsShown == 0) {
        paintCaps(d.Edit8, c.capsOnColor, c.capsOnFontColor, 1);
    } else if (!capsOn(p_) && s.capsShown == 1) {
        paintCaps(d.Edit6, c.capsOffColor, c.capsOffFontColor, 0);
    }
    const auto paintNum = [&](const ui::Edit& text, Colour back, Colour font, int shown) {
        m.NTABLA.setCaption(text.text());
        m.NTABLA.setColour(back);
        m.NTABLA.setFontColour(font);
        s.numShown = shown;
        p_.tray.barvajIkone();
    };
    if (numOn(p_) && s.numShown == 0) {
        paintNum(d.Edit9, c.numOnColor, c.numOnFontColor, 1);
    } else if (!numOn(p_) && s.numShown == 1) {
        paintNum(d.Edit7, c.numOffColor, c.numOffFontColor, 0);
    }
}

void LockMonitor::soundCues() {
    LockState& s = p_.lock;
    if (s.capsCued != s.capsShown && s.capsPrimed == 1) p_.sounds.playLockSound(Lock::Caps, capsOn(p_));
    if (s.numCued != s.numShown && s.numPrimed == 1) p_.sounds.playLockSound(Lock::Num, numOn(p_));
}

void LockMonitor::trayCues() {
    LockState& s = p_.lock;
    if (s.capsCued != s.capsShown) p_.tray.showCapsState(capsOn(p_));
    if (s.numCued != s.numShown) p_.tray.showNumState(numOn(p_));
}

void LockMonitor::textCues() {
    LockState& s = p_.lock;
    Tfcolors& d = *p_.fcolors;
    if (d.CbShowCaps.checked() && s.capsCued != s.capsShown && s.capsPrimed == 1) {
        const LockCue cue = p_.dispatcher.cueFor(Lock::Caps, capsOn(p_));
        p_.dispatcher.zagonNapisa(cue.textCode, cue.text);
    }
    if (d.cbShowNum.checked() && s.numCued != s.numShown && s.numPrimed == 1) {
        const LockCue cue = p_.dispatcher.cueFor(Lock::Num, numOn(p_));
        p_.dispatcher.zagonNapisa(cue.textCode, cue.text);
    }
    markCued();
}

void LockMonitor::iconCues() {
    LockState& s = p_.lock;
    Tfcolors& d = *p_.fcolors;
    if (d.CbShowCaps.checked() && s.capsCued != s.capsShown && s.capsPrimed == 1)
        p_.dispatcher.zagonNapisa(p_.dispatcher.cueFor(Lock::Caps, capsOn(p_)).iconCode, "");
    if (d.cbShowNum.checked() && s.numCued != s.numShown && s.numPrimed == 1)
        p_.dispatcher.zagonNapisa(p_.dispatcher.cueFor(Lock::Num, numOn(p_)).iconCode, "");
}

void LockMonitor::markCued() {
    LockState& s = p_.lock;
    s.capsCued = s.capsShown;
    s.numCued = s.numShown;
    s.capsPrimed = 1;
    s.numPrimed = 1;
}

void LockMonitor::resetOnActivate() {
    LockState& s = p_.lock;
    s.capsShown = s.capsCued = keyState(p_, kVkCapital);
    s.numShown = s.numCued = keyState(p_, kVkNumLock);
}

}  // namespace norvi
