#include "tray/recolor_icon.h"

namespace norvi {

Bitmap RecolorIcon(const Bitmap& picture, Colour newBackground, Colour newGlyph, Point glyphSample) {
    Bitmap canvas(kTrayPictureSize, kTrayPictureSize, 24);
    canvas.blit(picture, 0, 0);
    const Colour oldBackground = canvas.pixel(1, 1);
    const Colour oldGlyph = canvas.pixel(glyphSample.x, glyphSample.y);
    for (int x = 0; x < kTrayPictureSize; ++x)
        for (int y = 0; y < kTrayPictureSize; ++y) {
            if (canvas.pixel(x, y) == oldBackground) canvas.setPixel(x, y, newBackground);
            if (canvas.pixel(x, y) == oldGlyph) canvas.setPixel(x, y, newGlyph);
        }
    return canvas;
}

}  // namespace norvi
