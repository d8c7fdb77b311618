// Norvi's own picture: a dark keycap with a white A and a green lock light, drawn from
// shapes so that every size comes from the same design.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace norvi::artwork {

// Straight (not premultiplied) colour and coverage per pixel, rows top to bottom.
struct RgbaImage {
    int size = 0;
    std::vector<std::uint8_t> bgra;  // B, G, R, A per pixel
};

// samplesPerAxis 1 gives hard edges (few colours); 4 gives smooth edges.
RgbaImage drawKeycap(int size, int samplesPerAxis);

// The image on an opaque background: coverage blends towards it.
Bitmap flatten(const RgbaImage& image, Colour background);

}  // namespace norvi::artwork
