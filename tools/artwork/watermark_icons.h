// The four 256x256 watermark icons: grey lettering in a rounded frame on the watermark's
// key colour, two colours with hard edges, so Norvi can recolour them exactly.
#pragma once

#include "platform/bitmap.h"

namespace norvi::artwork {

Bitmap capsOnIcon();   // capital A
Bitmap capsOffIcon();  // small a
Bitmap numOnIcon();    // digit 7
Bitmap numOffIcon();   // digit 7, struck through

}  // namespace norvi::artwork
