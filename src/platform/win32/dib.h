// Norvi's Bitmap as a Windows device-independent bitmap: the same rows, top-down.
#pragma once

#include <windows.h>

#include "platform/bitmap.h"
#include "platform/win32/handles.h"

namespace norvi::win32 {

// The header of a top-down DIB with the bitmap's size and pixel format.
BITMAPINFO dibInfo(int width, int height, int bitsPerPixel);
inline BITMAPINFO dibInfo(const Bitmap& b) { return dibInfo(b.width(), b.height(), b.bitsPerPixel()); }

// A DIB section of that format; bits receives its pixels (same stride as a Bitmap's).
UniqueBitmap createDibSection(int width, int height, int bitsPerPixel, void** bits);
// A DIB section holding a copy of the bitmap.
UniqueBitmap dibSectionOf(const Bitmap& picture);

// The icon as the system draws it at size x size, as a 32-bit picture whose fourth byte is
// its opacity (not premultiplied): what an alpha icon, a masked one or a scaled one shows.
// Empty when it cannot be drawn.
Bitmap pictureOfIcon(HICON icon, int size);

}  // namespace norvi::win32
