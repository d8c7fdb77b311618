// PaintIcon: the icon for a code, on a work-area-sized canvas, at the chosen position.
#include "fixture.h"

namespace norvi::test {
namespace {

constexpr Colour kRed = 0x000000FF;

class WatermarkIconPaint : public ProgramTest {
protected:
    Program& startIconic(const std::string& more = "") {
        writeConfig("[Config]\r\nDOD=0\r\nDOP=1\r\nIconColor=255\r\n" + more);
        start();
        stopPoll();
        return *program;
    }
    void paint(int code, int position) {
        program->watermark.TXTpolozaj = position;
        program->dispatcher.zagonNapisa(code, "");
    }
    // The screen pixel (x, y) as the watermark window shows it.
    Colour onScreen(int x, int y) { return watermarkWindow().screenPixel(x, y).value_or(kKeyColour); }
    // How many screen pixels of the work area differ from the working image placed with
    // its top-left corner at, and how many non-key pixels lie outside it.
    struct Placement {
        int wrongInside = 0;
        int inkOutside = 0;
    };
    Placement placementOf(const Bitmap& image, Point at) {
        Placement result;
        const Rect b = pf.display.work;
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = b.left; x < b.right; ++x) {
                const bool inside = x >= at.x && x < at.x + image.width() && y >= at.y && y < at.y + image.height();
                const Colour shown = onScreen(x, y);
                if (inside)
                    result.wrongInside += shown != image.pixel(x - at.x, y - at.y);
                else
                    result.inkOutside += shown != kKeyColour;
            }
        return result;
    }
};

// The 1920x1080 display with a 40-pixel taskbar below: work area 1920x1040.
TEST_F(WatermarkIconPaint, EachCodeShowsItsImageAtThePosition) {
    Program& p = startIconic();
    struct Case {
        int code;
        int position;
        Point screen;
    };
    const Case cases[] = {
        {code::kIconCapsOn, 3, {1639, 25}},  {code::kIconCapsOff, 7, {20, 759}},
        {code::kIconNumOn, 9, {1639, 759}},  {code::kIconNumOff, 1, {25, 25}},
        {code::kIconCapsOn, 5, {832, 412}},  {code::kIconNumOn, 0, {832, 412}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " at position " << c.position);
        paint(c.code, c.position);
        EXPECT_EQ(watermarkWindow().bounds(), Rect::fromSize(c.screen.x, c.screen.y, 256, 256)) << "the icon's size";
        const Bitmap& image = p.watermark.iconImages[c.code - code::kIconCapsOn];
        const Placement placed = placementOf(image, c.screen);
        EXPECT_EQ(placed.wrongInside, 0);
        EXPECT_EQ(placed.inkOutside, 0);
        // The frame's outer corner column and row, in the icon colour.
        EXPECT_EQ(onScreen(c.screen.x + 12, c.screen.y + 128), kRed);
        EXPECT_EQ(onScreen(c.screen.x + 128, c.screen.y + 10), kRed);
    }
}

TEST_F(WatermarkIconPaint, CodesOtherThanTheIconsGiveAnEmptyPicture) {
    startIconic();
    for (int code : {0, 8, code::kHollow, code::kCapsOn, code::kNumOff, code::kRedrawLastColour,
                     code::kRedrawLastCode, 49, 54, -50, 1000}) {
        SCOPED_TRACE(code);
        paint(code::kIconCapsOn, 5);
        ASSERT_GT(pixelsOtherThan(watermarkWindow().picture, kKeyColour), 0);
        paint(code, 5);
        const Bitmap& shown = watermarkWindow().picture;
        EXPECT_LE(shown.width() * shown.height(), 16 * 16) << "a blank of a few pixels";
        EXPECT_EQ(pixelsOtherThan(shown, kKeyColour), 0);
    }
}

TEST_F(WatermarkIconPaint, CanvasFollowsTheWorkAreaAndTheBottomRowStaysAboveTheTaskbar) {
    pf.display.setPrimary(1280, 1024, 64);
    Program& p = startIconic();
    paint(code::kIconCapsOn, 9);
    EXPECT_EQ(placementOf(p.watermark.iconImages[0], {1280 - 25 - 256, 960 - 25 - 256}).wrongInside, 0);
    // The middle row is placed against the full display height.
    paint(code::kIconCapsOn, 6);
    const Placement middle = placementOf(p.watermark.iconImages[0], {1280 - 25 - 256, 1024 / 2 - 128});
    EXPECT_EQ(middle.wrongInside, 0);
    EXPECT_EQ(middle.inkOutside, 0);
}

TEST_F(WatermarkIconPaint, IconColourChangedWhileShownAppliesToTheNextCue) {
    Program& p = startIconic();
    paint(code::kIconNumOff, 5);
    EXPECT_EQ(onScreen(832 + 12, 412 + 128), kRed);
    // The position grid's own preview repaints with the icon; the colour comes from the page.
    pf.prompts.colourAnswers.push_back(fake::FakeDialogs::ColourAnswer{0x0000FF00, std::nullopt});
    p.fcolors->iconColourClick();
    paint(code::kIconNumOff, 5);
    EXPECT_EQ(onScreen(832 + 12, 412 + 128), 0x0000FF00u);
    EXPECT_EQ(stored("Config", "IconColor"), "65280") << "saved at once";
}

TEST_F(WatermarkIconPaint, ALockChangeShowsItsIconAtTheConfiguredPlace) {
    writeConfig("[Config]\r\nDOD=0\r\nDOP=1\r\nIconColor=255\r\n[ConfigSD]\r\nTXTpolozaj=9\r\n");
    Program& p = start();
    run(1000);
    press(kVkCapital);
    run(125);
    EXPECT_TRUE(watermarkWindow().isVisible());
    const Placement placed = placementOf(p.watermark.iconImages[0], {1639, 759});
    EXPECT_EQ(placed.wrongInside, 0);
    EXPECT_EQ(placed.inkOutside, 0);
    run(2200);
    EXPECT_EQ(pixelsOtherThan(watermarkWindow().picture, kKeyColour), 0) << "wiped after the timeout";
}

}  // namespace
}  // namespace norvi::test
