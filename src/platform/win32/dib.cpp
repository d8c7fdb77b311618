#include "platform/win32/dib.h"

#include <cstring>

namespace norvi::win32 {

BITMAPINFO dibInfo(int width, int height, int bitsPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top to bottom, as in a Bitmap
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

UniqueBitmap createDibSection(int width, int height, int bitsPerPixel, void** bits) {
    const BITMAPINFO info = dibInfo(width, height, bitsPerPixel);
    return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

UniqueBitmap dibSectionOf(const Bitmap& picture) {
    void* bits = nullptr;
    UniqueBitmap dib = createDibSection(picture.width(), picture.height(), picture.bitsPerPixel(), &bits);
    if (dib && bits) {
        GdiFlush();
        std::memcpy(bits, picture.data(), picture.byteSize());
    }
    return dib;
}

}  // namespace norvi::win32
