// The two pixel loops the icon recolouring is built from. Both compare and write only the
// first three bytes (B, G, R) of a pixel; the fourth byte of a 32-bit pixel stays as it was.
#pragma once

#include <stdexcept>

#include "platform/bitmap.h"

namespace norvi {

// Raised for a bitmap that is neither 24- nor 32-bit, before any pixel is changed.
class BitmapFormatError : public std::runtime_error {
public:
    BitmapFormatError() : std::runtime_error("Bitmap must be 24-bit or 32-bit format!") {}
};

// Every pixel that is not the watermark's key colour takes colour.
void PaintNonKeyPixels(Bitmap& bitmap, Colour colour);

// Every pixel of exactly colour from takes colour to.
void ReplaceColor(Bitmap& bitmap, Colour from, Colour to);

}  // namespace norvi
