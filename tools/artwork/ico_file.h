// Windows .ico files: one 32-bit image with its AND mask per size.
#pragma once

#include <cstdint>
#include <vector>

#include "keycap_art.h"

namespace norvi::artwork {

std::vector<std::uint8_t> encodeIco(const std::vector<RgbaImage>& images);

}  // namespace norvi::artwork
