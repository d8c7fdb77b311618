// Windows BMP files in and out of norvi::Bitmap. The built-in pictures are stored as BMP
// files; the decoder is strict because resource bytes are the only input it ever sees, and
// a damaged picture must give "no picture", never a read past the end.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/bitmap.h"

namespace norvi {

// Uncompressed 1-, 4-, 8-, 24- and 32-bit files, bottom-up or top-down, into a 24-bit
// Bitmap. Anything else (compression, absurd sizes, truncation) gives nothing.
std::optional<Bitmap> decodeBmp(std::span<const std::uint8_t> file);

// A complete BMP file. With 1, 4 or 8 bits per pixel the palette holds the picture's own
// colours in order of first appearance; nothing is returned when they do not fit.
std::optional<std::vector<std::uint8_t>> encodeBmp(const Bitmap& picture, int bitsPerPixel);

}  // namespace norvi
