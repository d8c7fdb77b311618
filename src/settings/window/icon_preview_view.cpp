#include "settings/window/icon_preview_view.h"

#include "ui/kit/geometry.h"

namespace norvi {

void IconPreviewView::paint(ui::kit::Painter& p) {
    const Size s = size();
    const Bitmap* picture = picture_ ? picture_() : nullptr;
    if (!picture || picture->empty()) {
        p.frame(ui::kit::sized(s), frame_);
        p.fill(ui::kit::inset(ui::kit::sized(s), 20), iconColour_.colour());
        return;
    }
    // Nearest-neighbour stretch at the window's own pixels: each takes the source pixel it
    // falls on.
    p.stretchedPicture(ui::kit::sized(s), *picture);
}

}  // namespace norvi
