// Recolouring of one two-colour tray picture.
#pragma once

#include "platform/bitmap.h"

namespace norvi {

constexpr int kTrayPictureSize = 32;

// The picture drawn onto a fresh 32x32 canvas, then, for x and within it y: a pixel of the
// old background (sampled at (1, 1)) takes the new background; the same pixel, read again,
// takes the new glyph colour when it now equals the old glyph colour (sampled at
// glyphSample). Both samples are taken before anything changes, so a new background equal
// to the old glyph colour turns the whole picture into the new glyph colour. Pixels of any
// third colour stay. The platform shows pixels of 0x00000066 as transparent.
Bitmap RecolorIcon(const Bitmap& picture, Colour newBackground, Colour newGlyph, Point glyphSample);

}  // namespace norvi
