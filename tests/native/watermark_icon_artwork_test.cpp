// The four generated watermark icons: format, colours, the shared frame and each glyph's
// place, as Norvi's recolouring and the icon anchors rely on them.
#include <cmath>
#include <optional>
#include <set>

#include "fixture.h"
#include "resources/built_in_pictures.h"

namespace norvi::test {
namespace {

constexpr Colour kGrey = 0x00969696;
// Inside the frame's stroke: columns 22 to 234, rows 20 to 234.
constexpr Rect kInside{22, 20, 235, 235};
// Clear of the frame's inner rounded corners as well.
constexpr Rect kGlyphArea{30, 28, 227, 227};

Bitmap icon(const char* name) {
    fake::FakeResources res;
    loadGeneratedResources(res);
    return loadBuiltInPicture(res, name);
}

const std::vector<std::uint8_t>& iconFile(const char* name) {
    for (const BuiltInResource& r : kBuiltInResources)
        if (std::string(r.name) == name) return generatedFile(r.file);
    throw std::runtime_error(name);
}

// The ink of the picture within the rectangle only.
Bitmap cut(const Bitmap& b, Rect r) {
    Bitmap part(b.width(), b.height(), 24, kKeyColour);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) part.setPixel(x, y, b.pixel(x, y));
    return part;
}

struct IconCase {
    const char* name;
    std::optional<Rect> glyph;  // the ink inside the frame
};
constexpr IconCase kIcons[] = {
    {resource::kCapsOnIcon, Rect{40, 40, 214, 213}},
    {resource::kCapsOffIcon, Rect{70, 60, 187, 192}},
    {resource::kNumOnIcon, Rect{70, 40, 183, 211}},
    {resource::kNumOffIcon, std::nullopt},  // the strike runs from one side of the frame to the other
};

TEST(WatermarkIconArtwork, TwoColourOneBit256SquaresInTheSharedFrame) {
    for (const IconCase& c : kIcons) {
        SCOPED_TRACE(c.name);
        const auto& file = iconFile(c.name);
        ASSERT_GT(file.size(), 54u);
        EXPECT_EQ(file[28], 1) << "stored with one bit per pixel";
        EXPECT_EQ(file.size(), 14u + 40 + 2 * 4 + 256 * 256 / 8) << "and a palette of its two colours";
        const Bitmap b = icon(c.name);
        ASSERT_EQ(b.width(), 256);
        ASSERT_EQ(b.height(), 256);
        std::set<Colour> colours;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) colours.insert(b.pixel(x, y));
        EXPECT_EQ(colours, (std::set<Colour>{kKeyColour, kGrey})) << "hard edges: no third colour";
        EXPECT_EQ(b.pixel(1, 1), kKeyColour) << "the background sample";

        EXPECT_EQ(boxOf(b, kGrey), (Rect{12, 10, 245, 245})) << "outer edges of the frame";
        // A 10-pixel stroke on each side, at the middle of every edge.
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(b.pixel(12 + i, 128), kGrey);
            EXPECT_EQ(b.pixel(244 - i, 128), kGrey);
            EXPECT_EQ(b.pixel(128, 10 + i), kGrey);
            EXPECT_EQ(b.pixel(128, 244 - i), kGrey);
        }
        EXPECT_EQ(b.pixel(22, 128), kKeyColour);
        EXPECT_EQ(b.pixel(234, 128), kKeyColour);
        EXPECT_EQ(b.pixel(128, 20), kKeyColour);
        EXPECT_EQ(b.pixel(128, 234), kKeyColour);
        // Rounded corners of radius about 22: along the diagonal the ink starts some 6 pixels in.
        for (int k = 0; k < 5; ++k) EXPECT_EQ(b.pixel(12 + k, 10 + k), kKeyColour) << "outer corner " << k;
        EXPECT_EQ(b.pixel(12 + 8, 10 + 8), kGrey);
        EXPECT_EQ(b.pixel(244 - 8, 244 - 8), kGrey);
        EXPECT_EQ(b.pixel(244 - 3, 244 - 3), kKeyColour);

        if (c.glyph) {
            EXPECT_EQ(boxOf(cut(b, kGlyphArea), kGrey), *c.glyph) << "glyph box";
        }
    }
}

struct Sample {
    Point at;
    Colour colour;
    const char* what;
};

TEST(WatermarkIconArtwork, GlyphsHaveTheirCountersAndStrokes) {
    struct GlyphCase {
        const char* name;
        std::vector<Sample> samples;
    };
    const GlyphCase cases[] = {
        {resource::kCapsOnIcon,
         {{{127, 45}, kGrey, "flat apex"},
          {{127, 130}, kKeyColour, "counter above the crossbar"},
          {{127, 160}, kGrey, "crossbar"},
          {{127, 205}, kKeyColour, "open between the feet"},
          {{45, 210}, kGrey, "left foot"},
          {{210, 210}, kGrey, "right foot"}}},
        {resource::kCapsOffIcon,
         {{{120, 64}, kGrey, "top of the arch"},
          {{126, 110}, kKeyColour, "under the arch"},
          {{116, 160}, kKeyColour, "counter of the bowl"},
          {{75, 160}, kGrey, "left of the bowl"},
          {{170, 185}, kGrey, "foot of the stem"},
          {{145, 188}, kKeyColour, "notch between bowl and stem"}}},
        {resource::kNumOnIcon,
         {{{72, 42}, kGrey, "bar, left end"},
          {{181, 70}, kGrey, "bar, right end"},
          {{80, 120}, kKeyColour, "open below the bar"},
          {{110, 205}, kGrey, "foot of the stem"}}},
    };
    for (const GlyphCase& c : cases) {
        const Bitmap b = icon(c.name);
        for (const Sample& s : c.samples) EXPECT_EQ(b.pixel(s.at.x, s.at.y), s.colour) << c.name << ": " << s.what;
    }
}

// Row of the strike's centre line at a column: from the left inner edge at row 175 up to
// the right inner edge at row 87.
double strikeRow(double column) { return 175.0 + (87.0 - 175.0) * (column - 22.0) / (235.0 - 22.0); }

TEST(WatermarkIconArtwork, NumOffIsTheSevenStruckThroughWithoutAGap) {
    const Bitmap seven = icon(resource::kNumOnIcon);
    const Bitmap struck = icon(resource::kNumOffIcon);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            if (seven.pixel(x, y) == kGrey) {
                EXPECT_EQ(struck.pixel(x, y), kGrey) << x << "," << y << ": the whole 7";
            } else if (struck.pixel(x, y) == kGrey) {
                EXPECT_LT(std::abs(y + 0.5 - strikeRow(x + 0.5)), 8.0) << x << "," << y << ": only the strike is added";
            }
        }
    // Every column between the frame's inner edges has a run of ink across the centre line,
    // about 12 pixels thick where it crosses open background.
    for (int x = kInside.left; x < kInside.right; ++x) {
        const int centre = static_cast<int>(std::lround(strikeRow(x + 0.5) - 0.5));
        ASSERT_EQ(struck.pixel(x, centre), kGrey) << "gap at column " << x;
        bool nearTheSeven = false;
        for (int y = centre - 10; y <= centre + 10; ++y) nearTheSeven |= seven.pixel(x, y) == kGrey;
        if (nearTheSeven) continue;
        int top = centre, bottom = centre;
        while (struck.pixel(x, top - 1) == kGrey) --top;
        while (struck.pixel(x, bottom + 1) == kGrey) ++bottom;
        const int rows = bottom - top + 1;
        EXPECT_GE(rows, 12) << "column " << x;
        EXPECT_LE(rows, 14) << "column " << x;
    }
}

}  // namespace
}  // namespace norvi::test
