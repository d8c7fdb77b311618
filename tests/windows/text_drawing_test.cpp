// GDI text on Norvi's bitmaps: extents, colour, transparency and clipping.
#include <gtest/gtest.h>

#include "platform/win32/graphics.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

constexpr Colour kKey = 0x00544A43;
constexpr Colour kRed = 0x000000FF;

const FontSpec kArial40{"Arial", 40, false, 1};

TEST(Win32Graphics, TextExtentIsPlausible) {
    Win32Graphics graphics;
    const Size aaa = graphics.textExtent(kArial40, "AAA");
    const Size a = graphics.textExtent(kArial40, "A");
    EXPECT_GT(aaa.width, 0);
    EXPECT_GE(aaa.height, 40);  // the cell holds the character height and its leading
    EXPECT_LT(aaa.height, 80);
    EXPECT_NEAR(aaa.width, 3 * a.width, 3);
    FontSpec bold = kArial40;
    bold.bold = true;
    EXPECT_GE(graphics.textExtent(bold, "AAA").width, aaa.width);
    FontSpec bigger = kArial40;
    bigger.charHeight = 80;
    EXPECT_GT(graphics.textExtent(bigger, "AAA").height, aaa.height);
}

// Drawing "A" at (50, 30) on a picture filled with the key colour: red ink inside the text
// cell only, the key colour everywhere else.
class TextDrawing : public ::testing::TestWithParam<int> {};

TEST_P(TextDrawing, InkInsideTheCellAndNothingOutside) {
    Win32Graphics graphics;
    Bitmap picture(200, 120, GetParam(), kKey);
    const Size cell = graphics.textExtent(kArial40, "A");
    const TextDraw draw{50, 30, kRed};
    graphics.drawText(picture, kArial40, "A", {&draw, 1});

    EXPECT_GT(test::countOf(picture, kRed), 50) << "no solid red glyph";
    const test::PixelBox ink = test::boxWhere(picture, [](Colour c) { return c != kKey; });
    EXPECT_GE(ink.left, 50);
    EXPECT_GE(ink.top, 30);
    EXPECT_LE(ink.right, 50 + cell.width);
    EXPECT_LE(ink.bottom, 30 + cell.height);
}

INSTANTIATE_TEST_SUITE_P(Depths, TextDrawing, ::testing::Values(24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "bit"; });

TEST(Win32Graphics, SeveralDrawsInOrderAndClippedAtTheEdges) {
    Win32Graphics graphics;
    Bitmap picture(120, 80, 32, kKey);
    // The fourth byte of a 32-bit picture belongs to the picture, not to the text.
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.row(y)[x * 4 + 3] = 0x7F;
    const Colour blue = 0x00FF0000;
    const TextDraw draws[] = {{-10, -10, kRed}, {90, 50, kRed}, {91, 51, blue}};
    graphics.drawText(picture, kArial40, "W", draws);

    EXPECT_GT(test::countOf(picture, kRed), 0);  // the draw partly outside the picture still shows
    EXPECT_GT(test::countOf(picture, blue), 0);  // the later draw lies over the earlier one
    bool alphaKept = true;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) alphaKept &= picture.row(y)[x * 4 + 3] == 0x7F;
    EXPECT_TRUE(alphaKept);
}

// The system lists a family once per character set and style: the list has each face once.
TEST(Win32Graphics, FontFacesAreSortedAndUnique) {
    Win32Graphics graphics;
    const auto faces = graphics.fontFaces();
    ASSERT_FALSE(faces.empty());
    for (std::size_t i = 1; i < faces.size(); ++i) {
        EXPECT_LT(_stricmp(faces[i - 1].c_str(), faces[i].c_str()), 0) << faces[i - 1] << " / " << faces[i];
    }
}

}  // namespace
}  // namespace norvi::win32
