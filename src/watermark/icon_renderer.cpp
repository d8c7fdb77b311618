// The iconic watermark.
#include "app/program.h"
#include "watermark/tfloattxt.h"

namespace norvi {

void TfloatTXT::PaintIcon(int) {
    // Norvi has no icon images yet, so every code gives the empty work-area-sized picture
    // that a code without an image gives.
    const Rect work = p_.platform.screen().workArea();
    showOnSurface(Bitmap(work.width(), work.height(), 32, kKeyColour));
}

}  // namespace norvi
