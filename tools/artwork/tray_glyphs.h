// The four 32x32 tray pictures: a white glyph on one background colour each.
#pragma once

#include "platform/bitmap.h"

namespace norvi::artwork {

Bitmap capsOnPicture();   // capital A on red
Bitmap capsOffPicture();  // small a on grey
Bitmap numOnPicture();    // 7 on blue
Bitmap numOffPicture();   // 7 on grey

}  // namespace norvi::artwork
