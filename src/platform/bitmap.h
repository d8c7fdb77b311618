// A portable picture: 24- or 32-bit pixels, rows top to bottom, bytes B,G,R[,A].
// Every composed watermark, icon working image and tray picture lives in one.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace norvi {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, int bitsPerPixel, Colour fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    int bytesPerPixel() const { return bitsPerPixel_ / 8; }
    int stride() const { return stride_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    std::uint8_t* row(int y) { return data_.data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* row(int y) const { return data_.data() + static_cast<std::size_t>(y) * stride_; }
    std::uint8_t* data() { return data_.data(); }
    const std::uint8_t* data() const { return data_.data(); }
    std::size_t byteSize() const { return data_.size(); }

    // Colour of one pixel as 0x00BBGGRR; out-of-range reads give 0.
    Colour pixel(int x, int y) const;
    // Sets the first three bytes of one pixel; the fourth byte of a 32-bit pixel stays.
    void setPixel(int x, int y, Colour c);
    void fill(Colour c);
    // Copies src with its top-left corner at (x, y), every byte, clipped to this bitmap.
    void blit(const Bitmap& src, int x, int y);
    // The same picture at another size, nearest neighbour: each target pixel takes every
    // byte of the source pixel it falls on (x * width / newWidth), so no colour is made up
    // and a whole-number enlargement repeats each pixel exactly.
    Bitmap scaledTo(int newWidth, int newHeight) const;
    // A copy of the part of this bitmap within r, clipped to it (empty when nothing is left).
    Bitmap part(const Rect& r) const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 32;
    int stride_ = 0;
    std::vector<std::uint8_t> data_;
};

}  // namespace norvi
