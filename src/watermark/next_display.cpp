// Sending the watermark window from display to display.
#include <vector>

#include "app/program.h"
#include "watermark/tfloattxt.h"

namespace norvi {

void TfloatTXT::xiNextMonitorClick() {
    if (!visible()) return;
    const std::vector<Rect> displays = p_.platform.screen().displays();
    if (displays.size() < 2) return;
    int& index = p_.watermark.monitorIndex;
    const int last = static_cast<int>(displays.size()) - 1;
    // Past the end, or beyond it after a display went away: round to the first.
    index = (index < 0 || index >= last) ? 0 : index + 1;
    const Rect target = displays[static_cast<std::size_t>(index)];
    p_.platform.loop().processMessages();
    try {
        if (!visible()) return;
        // The picture is not recomposed: its primary-sized canvas is centred on this display.
        followsWorkArea_ = false;
        display_ = target;
        placeComposed();
    } catch (...) {
    }
}

}  // namespace norvi
