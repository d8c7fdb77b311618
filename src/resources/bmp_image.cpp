#include "resources/bmp_image.h"

#include <algorithm>
#include <map>

#include "resources/little_endian.h"

namespace norvi {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Pictures this large are not Norvi's; refusing them keeps a damaged header from
// asking for gigabytes.
constexpr std::int64_t kMaxSide = 4096;

std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}

constexpr auto put16 = putLittle16;
constexpr auto put32 = putLittle32;

std::int64_t rowBytes(std::int64_t width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

}  // namespace

std::optional<Bitmap> decodeBmp(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const std::uint32_t pixelOffset = u32(file, 10);
    const std::uint32_t headerSize = u32(file, 14);
    const auto width = static_cast<std::int32_t>(u32(file, 18));
    const auto rawHeight = static_cast<std::int32_t>(u32(file, 22));
    const std::uint32_t planes = u16(file, 26);
    const int bits = static_cast<int>(u16(file, 28));
    const std::uint32_t compression = u32(file, 30);
    std::uint32_t coloursUsed = u32(file, 46);

    if (headerSize < kInfoHeaderSize || headerSize > file.size() - kFileHeaderSize) return std::nullopt;
    if (planes != 1 || compression != 0) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide) return std::nullopt;

    std::vector<Colour> palette;
    if (bits <= 8) {
        const std::uint32_t maxColours = 1u << bits;
        if (coloursUsed == 0) coloursUsed = maxColours;
        if (coloursUsed > maxColours) return std::nullopt;
        const std::size_t paletteAt = kFileHeaderSize + headerSize;
        if (paletteAt + std::size_t{coloursUsed} * 4 > file.size()) return std::nullopt;
        for (std::uint32_t i = 0; i < coloursUsed; ++i) {
            const std::size_t at = paletteAt + std::size_t{i} * 4;
            palette.push_back(rgb(file[at + 2], file[at + 1], file[at]));
        }
    }

    const std::int64_t stride = rowBytes(width, bits);
    if (pixelOffset > file.size() || stride * height > static_cast<std::int64_t>(file.size() - pixelOffset))
        return std::nullopt;

    Bitmap picture(width, static_cast<int>(height), 24);
    for (int y = 0; y < height; ++y) {
        const std::int64_t fileRow = topDown ? y : height - 1 - y;
        const std::uint8_t* row = file.data() + pixelOffset + fileRow * stride;
        for (int x = 0; x < width; ++x) {
            Colour c = 0;
            if (bits >= 24) {
                const std::uint8_t* p = row + static_cast<std::ptrdiff_t>(x) * (bits / 8);
                c = rgb(p[2], p[1], p[0]);
            } else {
                const int bitIndex = x * bits;
                const int shift = 8 - bits - (bitIndex % 8);
                const std::uint32_t index = (row[bitIndex / 8] >> shift) & ((1u << bits) - 1);
                if (index >= palette.size()) return std::nullopt;
                c = palette[index];
            }
            picture.setPixel(x, y, c);
        }
    }
    return picture;
}

std::optional<std::vector<std::uint8_t>> encodeBmp(const Bitmap& picture, int bits) {
    if (picture.empty() || (bits != 1 && bits != 4 && bits != 8 && bits != 24)) return std::nullopt;
    std::vector<Colour> palette;
    std::map<Colour, std::uint32_t> indexOf;
    if (bits < 24) {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const Colour c = picture.pixel(x, y);
                if (indexOf.emplace(c, static_cast<std::uint32_t>(palette.size())).second) palette.push_back(c);
            }
        if (palette.size() > (1u << bits)) return std::nullopt;
    }
    const auto stride = static_cast<std::uint32_t>(rowBytes(picture.width(), bits));
    const auto pixelOffset = static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + palette.size() * 4);
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(picture.height());

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + imageSize);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(picture.width()));
    put32(out, static_cast<std::uint32_t>(picture.height()));  // positive: bottom-up
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0);  // BI_RGB
    put32(out, imageSize);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(palette.size()));
    put32(out, static_cast<std::uint32_t>(palette.size()));
    for (Colour c : palette) put32(out, static_cast<std::uint32_t>(blueOf(c) | (greenOf(c) << 8) | (redOf(c) << 16)));
    for (int y = picture.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.pixel(x, y);
            if (bits == 24) {
                row[x * 3] = static_cast<std::uint8_t>(blueOf(c));
                row[x * 3 + 1] = static_cast<std::uint8_t>(greenOf(c));
                row[x * 3 + 2] = static_cast<std::uint8_t>(redOf(c));
            } else {
                const int bitIndex = x * bits;
                row[bitIndex / 8] |= static_cast<std::uint8_t>(indexOf[c] << (8 - bits - bitIndex % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace norvi
