// The built-in pictures, read back from the program's resources.
#pragma once

#include "platform/platform.h"

namespace norvi {

// The named picture resource as a 24-bit Bitmap; an empty Bitmap when it is missing or
// damaged, so a broken build shows plain squares instead of failing.
Bitmap loadBuiltInPicture(Resources& resources, const char* name);

}  // namespace norvi
