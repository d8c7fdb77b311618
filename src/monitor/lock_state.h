// The monitor's lock state record: per lock what the key is now, what it was at the
// previous poll, what the floating cell shows and what the cues last announced.
#pragma once

#include "platform/types.h"

namespace norvi {

// Marker values other parts write to force work at the next poll.
constexpr int kForcePanelCheck = 5;  // into capsPrev: run the panel check
constexpr int kForceRecue = 1301;    // into capsCued: announce Caps Lock again

struct LockState {
    int capsNow = 0, numNow = 0;
    int capsPrev = 0, numPrev = 0;
    bool lockChanged = false;
    int capsShown = 0, numShown = 0;
    int capsCued = 0, numCued = 0;
    int capsPrimed = 0, numPrimed = 0;
    WindowHandle LastForegroundWnd = kNoWindow;
};

}  // namespace norvi
