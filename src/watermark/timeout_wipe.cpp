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
    showOnSurface(Image1);
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
    // The surface shows the key colour wherever a picture does not reach, so the small blank
    // looks exactly like a screen-sized one, and an idle Norvi does not hold a full-screen
    // picture (8 MB at 1920x1080, 33 MB at 3840x2160) between cues.
    showOnSurface(Image1);
}

}  // namespace norvi
