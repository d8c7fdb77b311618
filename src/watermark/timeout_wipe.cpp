// What happens when the watermark's time is up.
#include "app/program.h"
#include "watermark/tfloattxt.h"

namespace norvi {

namespace {
constexpr int kWipePauseMilliseconds = 100;
}

void TfloatTXT::TimerTXTTimer() {
    if (!window) return;
    // Another topmost window may have pushed the watermark down; take the place back.
    if (!window->isTopmost()) window->makeTopmost();
    if (p_.fcolors->cbTimer.checked()) return;  // "Keep Last Displayed Visible"
    dropPicture();
    const unsigned cuesBefore = cuesShown_;
    EventLoop& loop = p_.platform.loop();
    loop.processMessages();
    // A lock change shown while messages ran is the newest cue, with its own timeout;
    // wiping it now would lose it before the user saw it.
    if (cuesShown_ != cuesBefore) return;
    loop.sleep(kWipePauseMilliseconds);
    TimerTXT->setEnabled(false);
    BrisiSliko();
}

void TfloatTXT::BrisiSliko() {
    // A few pixels of key colour look exactly like a screen-sized blank, and an idle Norvi
    // holds neither a screen-sized picture nor a screen-sized window between cues.
    showBlank();
}

}  // namespace norvi
