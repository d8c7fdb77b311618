// The iconic watermark: one 256x256 working image placed on a work-area-sized canvas.
#include "app/program.h"
#include "ui/dpi_scale.h"
#include "watermark/icon_images.h"
#include "watermark/placement.h"
#include "watermark/tfloattxt.h"

namespace norvi {

void TfloatTXT::PaintIcon(int code) {
    Screen& screen = p_.platform.screen();
    const Rect work = screen.workArea();
    const Size canvas{work.width(), work.height()};
    const int index = iconIndexFor(code);
    p_.platform.loop().processMessages();
    // Taken after messages ran: a recolouring that ran meanwhile is what gets drawn.
    if (index < 0 || p_.watermark.iconImages[index].empty()) return showBlank();
    const Bitmap& image = p_.watermark.iconImages[index];
    // The art is 256 x 256 at 96 dpi. At the window's scale each of its pixels becomes whole
    // pixels (nearest neighbour), so the picture keeps exactly its two colours.
    const ui::DpiScale scale = ui::DpiScale::of(window ? window->dpi() : screen.dpiAt(work));
    Bitmap shown = scale.identity() ? image : image.scaledTo(scale.px(image.width()), scale.px(image.height()));
    const Point at = iconAnchor(p_.watermark.TXTpolozaj, {shown.width(), shown.height()}, screen.primarySize(), canvas);
    // Opaque: the image's key-colour pixels stay transparent on screen anyway.
    showOnSurface(std::move(shown), at, canvas);
}

}  // namespace norvi
