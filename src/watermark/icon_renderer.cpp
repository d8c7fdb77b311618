// The iconic watermark: one 256x256 working image on a work-area-sized canvas.
#include "app/program.h"
#include "ui/dpi_scale.h"
#include "watermark/icon_images.h"
#include "watermark/placement.h"
#include "watermark/tfloattxt.h"

namespace norvi {

void TfloatTXT::PaintIcon(int code) {
    Screen& screen = p_.platform.screen();
    const Rect work = screen.workArea();
    Bitmap canvas(work.width(), work.height(), 32, kKeyColour);
    static const Bitmap kNoImage(0, 0, 24);
    const int index = iconIndexFor(code);
    // By reference: a recolouring that runs while messages are processed is what gets drawn.
    const Bitmap& image = index >= 0 ? p_.watermark.iconImages[index] : kNoImage;
    p_.platform.loop().processMessages();
    // The art is 256 x 256 at 96 dpi. At the window's scale each of its pixels becomes whole
    // pixels (nearest neighbour), so the picture keeps exactly its two colours.
    const ui::DpiScale scale = ui::DpiScale::of(window ? window->dpi() : screen.dpiAt(work));
    Bitmap scaled;
    if (!scale.identity() && !image.empty()) scaled = image.scaledTo(scale.px(image.width()), scale.px(image.height()));
    const Bitmap& shown = scaled.empty() ? image : scaled;
    const Size imageSize{shown.width(), shown.height()};
    const Point at = iconAnchor(p_.watermark.TXTpolozaj, imageSize, screen.primarySize(), {work.width(), work.height()});
    // Opaque: the image's key-colour pixels stay transparent on screen anyway.
    canvas.blit(shown, at.x, at.y);
    showOnSurface(canvas);
}

}  // namespace norvi
