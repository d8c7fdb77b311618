#include "platform/win32/dib.h"

#include <algorithm>
#include <cstdint>
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

namespace {

// The icon drawn over a plain background of one grey level; false when it cannot be drawn.
bool drawIconOver(HICON icon, int size, std::uint8_t level, Bitmap& out) {
    void* bits = nullptr;
    UniqueBitmap dib = createDibSection(size, size, 32, &bits);
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dib || !bits || !dc) return false;
    const ScopedSelect select(dc.get(), dib.get());
    GdiFlush();
    std::memset(bits, level, static_cast<std::size_t>(size) * size * 4);
    if (!DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL)) return false;
    GdiFlush();
    out = Bitmap(size, size, 32);
    std::memcpy(out.data(), bits, out.byteSize());
    return true;
}

}  // namespace

Bitmap pictureOfIcon(HICON icon, int size) {
    // Drawn once over black and once over white, the icon gives its opacity (how much of
    // the background still shows) and its own colour, whatever format it has.
    Bitmap overBlack, overWhite;
    if (!icon || size <= 0 || !drawIconOver(icon, size, 0, overBlack) || !drawIconOver(icon, size, 255, overWhite))
        return {};
    Bitmap picture(size, size, 32);
    for (int y = 0; y < size; ++y) {
        const std::uint8_t* b = overBlack.row(y);
        const std::uint8_t* w = overWhite.row(y);
        std::uint8_t* out = picture.row(y);
        for (int x = 0; x < size; ++x, b += 4, w += 4, out += 4) {
            int shows = 0;  // the background's part, 0 to 255, taken from all three channels
            for (int i = 0; i < 3; ++i) shows += w[i] - b[i];
            const int alpha = std::clamp(255 - (shows + 1) / 3, 0, 255);
            for (int i = 0; i < 3; ++i)
                out[i] = alpha == 0 ? 0 : static_cast<std::uint8_t>(std::min(255, (b[i] * 255 + alpha / 2) / alpha));
            out[3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return picture;
}

}  // namespace norvi::win32
