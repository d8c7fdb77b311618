#include "platform/bitmap.h"

#include <algorithm>
#include <cstring>

namespace norvi {

Bitmap::Bitmap(int width, int height, int bitsPerPixel, Colour fillColour)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      bitsPerPixel_(bitsPerPixel),
      // Rows are padded to four bytes, as in a Windows DIB, so a row copies straight into one.
      stride_(((std::max(0, width) * (bitsPerPixel / 8)) + 3) & ~3),
      data_(static_cast<std::size_t>(stride_) * height_, 0) {
    if (bitsPerPixel_ == 24 || bitsPerPixel_ == 32) fill(fillColour);
}

Colour Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || bytesPerPixel() < 3) return 0;
    const std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * bytesPerPixel();
    return rgb(p[2], p[1], p[0]);
}

void Bitmap::setPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || bytesPerPixel() < 3) return;
    std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * bytesPerPixel();
    p[0] = static_cast<std::uint8_t>(blueOf(c));
    p[1] = static_cast<std::uint8_t>(greenOf(c));
    p[2] = static_cast<std::uint8_t>(redOf(c));
}

void Bitmap::fill(Colour c) {
    if (empty()) return;
    const int bpp = bytesPerPixel();
    std::uint8_t* first = row(0);
    for (int x = 0; x < width_; ++x) {
        std::uint8_t* p = first + static_cast<std::size_t>(x) * bpp;
        p[0] = static_cast<std::uint8_t>(blueOf(c));
        p[1] = static_cast<std::uint8_t>(greenOf(c));
        p[2] = static_cast<std::uint8_t>(redOf(c));
        if (bpp == 4) p[3] = 0;
    }
    for (int y = 1; y < height_; ++y) std::memcpy(row(y), first, static_cast<std::size_t>(stride_));
}

void Bitmap::blit(const Bitmap& src, int x, int y) {
    if (src.bitsPerPixel() != bitsPerPixel_) {
        // Different formats: copy colour by colour.
        for (int sy = 0; sy < src.height(); ++sy)
            for (int sx = 0; sx < src.width(); ++sx) setPixel(x + sx, y + sy, src.pixel(sx, sy));
        return;
    }
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width_, x + src.width()), y1 = std::min(height_, y + src.height());
    if (x0 >= x1 || y0 >= y1) return;
    const int bpp = bytesPerPixel();
    for (int dy = y0; dy < y1; ++dy) {
        std::memcpy(row(dy) + static_cast<std::size_t>(x0) * bpp,
                    src.row(dy - y) + static_cast<std::size_t>(x0 - x) * bpp,
                    static_cast<std::size_t>(x1 - x0) * bpp);
    }
}

Bitmap Bitmap::scaledTo(int newWidth, int newHeight) const {
    if (newWidth == width_ && newHeight == height_) return *this;
    Bitmap out(std::max(0, newWidth), std::max(0, newHeight), bitsPerPixel_);
    if (empty()) return out;
    const int bpp = bytesPerPixel();
    for (int y = 0; y < out.height(); ++y) {
        const std::uint8_t* from = row(static_cast<int>(static_cast<long long>(y) * height_ / out.height()));
        std::uint8_t* to = out.row(y);
        for (int x = 0; x < out.width(); ++x)
            std::memcpy(to + static_cast<std::size_t>(x) * bpp,
                        from + static_cast<std::size_t>(static_cast<long long>(x) * width_ / out.width()) * bpp,
                        static_cast<std::size_t>(bpp));
    }
    return out;
}

Bitmap Bitmap::part(const Rect& r) const {
    const int x0 = std::max(0, r.left), y0 = std::max(0, r.top);
    const int x1 = std::min(width_, r.right), y1 = std::min(height_, r.bottom);
    if (x0 >= x1 || y0 >= y1) return Bitmap(0, 0, bitsPerPixel_);
    Bitmap out(x1 - x0, y1 - y0, bitsPerPixel_);
    const int bpp = bytesPerPixel();
    for (int y = y0; y < y1; ++y)
        std::memcpy(out.row(y - y0), row(y) + static_cast<std::size_t>(x0) * bpp, static_cast<std::size_t>(x1 - x0) * bpp);
    return out;
}

}  // namespace norvi
