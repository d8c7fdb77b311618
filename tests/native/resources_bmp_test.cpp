// The BMP codec: what the generator writes comes back unchanged, and damaged files give
// no picture instead of a crash.
#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "resources/bmp_image.h"
#include "resources/built_in_pictures.h"
#include "resources/built_in_resources.h"

namespace norvi::test {
namespace {

Bitmap sample(int width, int height, int colours) {
    Bitmap b(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.setPixel(x, y, rgb((x * 37 + y) % colours * 9, y * 5, x * 3));
    return b;
}

TEST(ResourcesBmp, EncodedPicturesDecodeToTheSamePixels) {
    struct Case {
        int bits, width, height, colours;
    };
    // Odd widths exercise the row padding of every format.
    for (const Case c : {Case{1, 9, 3, 2}, Case{1, 256, 4, 2}, Case{4, 5, 3, 2}, Case{4, 32, 32, 1}, Case{8, 7, 9, 5},
                         Case{24, 3, 2, 20}, Case{24, 48, 48, 28}}) {
        SCOPED_TRACE(c.bits);
        Bitmap original = sample(c.width, c.height, c.colours);
        if (c.bits <= 4) {  // two colours
            original = Bitmap(c.width, c.height, 24, 0x00808080);
            original.setPixel(1, 1, 0x00FFFFFF);
        }
        const auto file = encodeBmp(original, c.bits);
        ASSERT_TRUE(file);
        const auto decoded = decodeBmp(*file);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(*decoded, original);
    }
}

TEST(ResourcesBmp, TooManyColoursForThePaletteIsRefused) {
    EXPECT_FALSE(encodeBmp(sample(20, 20, 20), 4));
    Bitmap three(4, 1, 24, 0x00808080);
    three.setPixel(1, 0, 0x00FFFFFF);
    three.setPixel(2, 0, 0x00000000);
    EXPECT_FALSE(encodeBmp(three, 1));
}

TEST(ResourcesBmp, TopDownFilesAreReadTopDown) {
    Bitmap original(2, 2, 24, 0);
    original.setPixel(0, 0, 0x00112233);
    auto file = *encodeBmp(original, 24);
    // Flip to top-down: negative height, rows in file order top first.
    const std::int32_t negative = -2;
    std::memcpy(&file[22], &negative, 4);
    std::swap_ranges(file.begin() + 54, file.begin() + 62, file.begin() + 62);
    const auto decoded = decodeBmp(file);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->pixel(0, 0), 0x00112233u);
}

TEST(ResourcesBmp, DamagedFilesGiveNoPicture) {
    Bitmap two(4, 4, 24, 0x00808080);
    two.setPixel(1, 1, 0x00FFFFFF);
    const auto good = *encodeBmp(two, 4);
    struct Damage {
        const char* what;
        std::size_t at;
        std::uint32_t value;  // written as 4 bytes little-endian at `at`
    };
    const Damage damages[] = {
        {"magic", 0, 0x00004D43},       {"compressed", 30, 1},          {"huge width", 18, 0x7FFFFFFF},
        {"zero width", 18, 0},          {"huge height", 22, 0x40000000}, {"16 bits per pixel", 28, 16},
        {"palette too big", 46, 17},    {"pixels past the end", 10, 0x00100000},
        {"header past the end", 14, 0x10000},
    };
    for (const Damage& d : damages) {
        auto file = good;
        for (int i = 0; i < 4; ++i) file[d.at + i] = static_cast<std::uint8_t>(d.value >> (8 * i));
        EXPECT_FALSE(decodeBmp(file)) << d.what;
    }
    // A palette index beyond the colours the file declares.
    auto badIndex = good;
    badIndex[badIndex[10]] = 0xFF;  // the first pixels, index 15 of a two-colour palette
    EXPECT_FALSE(decodeBmp(badIndex)) << "palette index out of range";
    for (std::size_t size : {0u, 1u, 2u, 20u, 53u, 60u}) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + std::min(size, good.size()));
        EXPECT_FALSE(decodeBmp(cut)) << "truncated to " << size;
    }
}

TEST(ResourcesBmp, AMissingOrDamagedResourceGivesAnEmptyPicture) {
    fake::FakeResources res;
    EXPECT_TRUE(loadBuiltInPicture(res, "VelikiA").empty());
    res.items["VelikiA"][kPictureResourceType] = {'B', 'M', 1, 2, 3};
    EXPECT_TRUE(loadBuiltInPicture(res, "VelikiA").empty());
}

}  // namespace
}  // namespace norvi::test
