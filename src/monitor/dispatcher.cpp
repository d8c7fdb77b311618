#include "monitor/dispatcher.h"

#include "app/program.h"

namespace norvi {

LockCue Dispatcher::cueFor(Lock lock, bool on) const {
    Tfcolors& d = *p_.fcolors;
    struct Row {
        const ui::CheckBox& transparent;
        int textCode;
        const ui::Edit& text;
        int iconCode;
    };
    const Row rows[2][2] = {
        {{d.sdclOff, code::kCapsOff, d.edcloff, code::kIconCapsOff},
         {d.sdclon, code::kCapsOn, d.edclon, code::kIconCapsOn}},
        {{d.sdnlOff, code::kNumOff, d.ednloff, code::kIconNumOff},
         {d.sdnlOn, code::kNumOn, d.ednlon, code::kIconNumOn}},
    };
    const Row& r = rows[lock == Lock::Num ? 1 : 0][on ? 1 : 0];
    return {r.transparent.checked() ? code::kHollow : r.textCode, r.text.text(), r.iconCode};
}

void Dispatcher::zagonNapisa(int code, const std::string& text) {
    Tmainform& m = *p_.mainform;
    // Both indicators are never on together through the menu, but a stored file can say so;
    // the textual request then goes first and the icon's (empty for a text code) draws last.
    if (m.menu.DOD.checked() && p_.startupDone) {
        p_.platform.loop().processMessages();
        p_.floatTXT->PaintText(code, text);
        p_.floatTXT->restartTimeout();
        p_.floatTXT->showWatermark();
    }
    if (m.menu.Dop.checked() && p_.startupDone) {
        p_.platform.loop().processMessages();
        p_.floatTXT->PaintIcon(code);
        p_.floatTXT->restartTimeout();
        p_.floatTXT->showWatermark();
    }
}

void Dispatcher::StartNiZagon() {
    p_.platform.loop().processMessages();
    p_.lock.capsPrev = kForcePanelCheck;
    Lock lock;
    if (p_.fcolors->CbShowCaps.checked()) {
        lock = Lock::Caps;
    } else if (p_.fcolors->cbShowNum.checked()) {
        lock = Lock::Num;
    } else {
        return;
    }
    const bool on = p_.platform.keyboard().isToggled(lock == Lock::Caps ? kVkCapital : kVkNumLock);
    const LockCue cue = cueFor(lock, on);
    if (!p_.startupDone) return;
    if (p_.mainform->menu.DOD.checked()) zagonNapisa(cue.textCode, cue.text);
    if (p_.mainform->menu.Dop.checked()) zagonNapisa(cue.iconCode, "");
}

}  // namespace norvi
