#include "watermark/pixel_routines.h"

#include <cstdint>

#include "watermark/watermark_state.h"

namespace norvi {

namespace {

struct PixelBytes {
    std::uint8_t b, g, r;
    explicit PixelBytes(Colour c)
        : b(static_cast<std::uint8_t>(blueOf(c))),
          g(static_cast<std::uint8_t>(greenOf(c))),
          r(static_cast<std::uint8_t>(redOf(c))) {}
    bool matches(const std::uint8_t* p) const { return p[0] == b && p[1] == g && p[2] == r; }
    void writeTo(std::uint8_t* p) const {
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
};

enum class Overwrite { WhenEqual, WhenDifferent };

// The loop both routines share: rows top to bottom, pixels left to right, in place.
void overwritePixels(Bitmap& bitmap, Colour compare, Overwrite when, Colour replacement) {
    if (bitmap.bitsPerPixel() != 24 && bitmap.bitsPerPixel() != 32) throw BitmapFormatError();
    const PixelBytes match(compare), paint(replacement);
    const int step = bitmap.bytesPerPixel();
    for (int y = 0; y < bitmap.height(); ++y) {
        std::uint8_t* p = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x, p += step)
            if (match.matches(p) == (when == Overwrite::WhenEqual)) paint.writeTo(p);
    }
}

}  // namespace

void PaintNonKeyPixels(Bitmap& bitmap, Colour colour) {
    overwritePixels(bitmap, kKeyColour, Overwrite::WhenDifferent, colour);
}

void ReplaceColor(Bitmap& bitmap, Colour from, Colour to) {
    overwritePixels(bitmap, from, Overwrite::WhenEqual, to);
}

}  // namespace norvi
