// The iconic watermark: one 256x256 working image on a work-area-sized canvas.
#include "app/program.h"
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
    const Size imageSize{image.width(), image.height()};
    const Point at = iconAnchor(p_.watermark.TXTpolozaj, imageSize, screen.primarySize(), {work.width(), work.height()});
    // Opaque: the image's key-colour pixels stay transparent on screen anyway.
    canvas.blit(image, at.x, at.y);
    showOnSurface(canvas);
}

}  // namespace norvi
