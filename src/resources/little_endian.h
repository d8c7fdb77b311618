// Appending little-endian numbers to a byte buffer: the layout of every Windows file
// format Norvi writes (BMP, ICO, RIFF WAVE).
#pragma once

#include <cstdint>
#include <vector>

namespace norvi {

inline void putLittle16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void putLittle32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    putLittle16(out, v & 0xFFFF);
    putLittle16(out, v >> 16);
}

}  // namespace norvi
