// The two pixel loops of the icon recolouring, on 24- and 32-bit bitmaps and on formats
// they refuse.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "watermark/pixel_routines.h"
#include "watermark/watermark_state.h"

namespace norvi::test {
namespace {

constexpr Colour kGrey = 0x00969696;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kNearKey = 0x00544A42;  // one byte off the key colour
constexpr Colour kOther = 0x00112233;

// Three pixels a row, so a 24-bit row carries three bytes of padding, and two rows, so a
// loop that steps rows by anything but the stride goes wrong.
constexpr int kWidth = 3, kHeight = 2;

Bitmap picture(int bits, const std::vector<Colour>& pixels) {
    Bitmap b(kWidth, kHeight, bits);
    // Distinct fourth bytes and padding bytes, which no routine may change.
    for (std::size_t i = 0; i < b.byteSize(); ++i) b.data()[i] = static_cast<std::uint8_t>(0xA0 + i);
    for (int i = 0; i < kWidth * kHeight; ++i) b.setPixel(i % kWidth, i / kWidth, pixels[i]);
    return b;
}

std::vector<Colour> coloursOf(const Bitmap& b) {
    std::vector<Colour> colours;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) colours.push_back(b.pixel(x, y));
    return colours;
}

struct RoutineCase {
    const char* what;
    std::function<void(Bitmap&)> routine;
    std::vector<Colour> before;
    std::vector<Colour> after;
};

TEST(PixelRoutines, ChangeOnlyTheMatchingColourBytes) {
    const RoutineCase cases[] = {
        {"PaintNonKeyPixels paints everything but the key colour",
         [](Bitmap& b) { PaintNonKeyPixels(b, kRed); },
         {kKeyColour, kGrey, kNearKey, kOther, kKeyColour, 0},
         {kKeyColour, kRed, kRed, kRed, kKeyColour, kRed}},
        {"PaintNonKeyPixels on the key colour alone changes nothing",
         [](Bitmap& b) { PaintNonKeyPixels(b, kRed); },
         std::vector<Colour>(6, kKeyColour), std::vector<Colour>(6, kKeyColour)},
        {"PaintNonKeyPixels with the pixels' own colour changes nothing",
         [](Bitmap& b) { PaintNonKeyPixels(b, kGrey); },
         {kKeyColour, kGrey, kGrey, kKeyColour, kGrey, kGrey}, {kKeyColour, kGrey, kGrey, kKeyColour, kGrey, kGrey}},
        {"ReplaceColor replaces exact matches only",
         [](Bitmap& b) { ReplaceColor(b, kGrey, kRed); },
         {kGrey, 0x00969697, kKeyColour, kGrey, 0x00979696, kGrey},
         {kRed, 0x00969697, kKeyColour, kRed, 0x00979696, kRed}},
        {"ReplaceColor from a colour to itself changes nothing",
         [](Bitmap& b) { ReplaceColor(b, kGrey, kGrey); },
         {kGrey, kKeyColour, kOther, kGrey, kRed, 0}, {kGrey, kKeyColour, kOther, kGrey, kRed, 0}},
        {"ReplaceColor can make the background the key colour",
         [](Bitmap& b) { ReplaceColor(b, kOther, kKeyColour); },
         {kOther, kGrey, kOther, kGrey, kOther, kOther}, {kKeyColour, kGrey, kKeyColour, kGrey, kKeyColour, kKeyColour}},
    };
    for (const RoutineCase& c : cases)
        for (int bits : {24, 32}) {
            SCOPED_TRACE(std::string(c.what) + ", " + std::to_string(bits) + "-bit");
            Bitmap b = picture(bits, c.before);
            const Bitmap original = b;
            c.routine(b);
            EXPECT_EQ(coloursOf(b), c.after);
            // Every byte that is not one of a pixel's B, G, R: the fourth byte of a 32-bit
            // pixel and the row padding of a 24-bit one.
            for (int y = 0; y < kHeight; ++y)
                for (int offset = 0; offset < b.stride(); ++offset)
                    if (offset >= kWidth * b.bytesPerPixel() || offset % b.bytesPerPixel() == 3)
                        EXPECT_EQ(b.row(y)[offset], original.row(y)[offset]) << "row " << y << " byte " << offset;
        }
}

TEST(PixelRoutines, OtherFormatsAreRefusedBeforeAnyPixelIsTouched) {
    const std::function<void(Bitmap&)> routines[] = {
        [](Bitmap& b) { PaintNonKeyPixels(b, kRed); },
        [](Bitmap& b) { ReplaceColor(b, 0, kRed); },
    };
    for (int bits : {1, 8, 16, 0, 48}) {
        for (const auto& routine : routines) {
            SCOPED_TRACE(bits);
            Bitmap b(4, 4, bits);
            for (std::size_t i = 0; i < b.byteSize(); ++i) b.data()[i] = static_cast<std::uint8_t>(i);
            const Bitmap original = b;
            try {
                routine(b);
                ADD_FAILURE() << "no error";
            } catch (const std::exception& e) {
                EXPECT_STREQ(e.what(), "Bitmap must be 24-bit or 32-bit format!");
            }
            EXPECT_EQ(b, original);
        }
    }
}

TEST(PixelRoutines, EmptyBitmapsAreFine) {
    Bitmap none(0, 0, 24);
    EXPECT_NO_THROW(PaintNonKeyPixels(none, kRed));
    EXPECT_NO_THROW(ReplaceColor(none, kKeyColour, kRed));
}

}  // namespace
}  // namespace norvi::test
