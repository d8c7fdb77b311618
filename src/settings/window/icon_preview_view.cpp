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
    // Nearest-neighbour stretch: each target pixel takes the source pixel it falls on.
    for (int y = 0; y < s.height; ++y) {
        const int sy = y * picture->height() / s.height;
        for (int x = 0; x < s.width; ++x) {
            const int sx = x * picture->width() / s.width;
            p.fill(Rect::fromSize(x, y, 1, 1), picture->pixel(sx, sy) & 0x00FFFFFF);
        }
    }
}

}  // namespace norvi
