#include "ico_file.h"

#include "resources/little_endian.h"

namespace norvi::artwork {

namespace {
constexpr auto put16 = putLittle16;
constexpr auto put32 = putLittle32;

// BITMAPINFOHEADER (height doubled for colour plus mask), BGRA rows bottom-up, then the
// 1-bit AND mask, rows padded to 32 bits: set where the pixel is fully transparent.
std::vector<std::uint8_t> iconImage(const RgbaImage& image) {
    const int n = image.size;
    const std::uint32_t maskStride = ((n + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(n));
    put32(out, static_cast<std::uint32_t>(n * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(n * n * 4) + maskStride * n);
    for (int i = 0; i < 4; ++i) put32(out, 0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x)
            for (int c = 0; c < 4; ++c) out.push_back(image.bgra[(static_cast<std::size_t>(y) * n + x) * 4 + c]);
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < n; ++x)
            if (image.bgra[(static_cast<std::size_t>(y) * n + x) * 4 + 3] == 0)
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
}  // namespace

std::vector<std::uint8_t> encodeIco(const std::vector<RgbaImage>& images) {
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const RgbaImage& image : images) bodies.push_back(iconImage(image));
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].size;
        out.push_back(static_cast<std::uint8_t>(n >= 256 ? 0 : n));
        out.push_back(static_cast<std::uint8_t>(n >= 256 ? 0 : n));
        out.push_back(0);  // no palette
        out.push_back(0);
        put16(out, 1);   // planes
        put16(out, 32);  // bits per pixel
        put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace norvi::artwork
