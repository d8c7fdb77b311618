// Where the watermark goes: anchors of the nine positions, the text top offset, the display
// under the settings dialog and the next-display command.
#include "fixture.h"

#include "watermark/placement.h"

namespace norvi::test {
namespace {

struct AnchorCase {
    int position;
    Point expected;
};

// A 600x400 text on a 1920x1080 canvas with textTopOffset 25 (T = 45).
TEST(TextAnchor, NinePositionsAndTheFallback) {
    const AnchorCase cases[] = {
        {1, {20, 50}},   {2, {660, 50}},   {3, {1300, 50}},   //
        {4, {20, 345}},  {5, {660, 345}},  {6, {1300, 345}},  //
        {7, {20, 640}},  {8, {660, 640}},  {9, {1300, 640}},  //
        {0, {660, 345}}, {10, {660, 345}}, {-7, {660, 345}},
    };
    for (const AnchorCase& c : cases)
        EXPECT_EQ(textAnchor(c.position, {1920, 1080}, {600, 400}, 25), c.expected) << c.position;
}

TEST(TextAnchor, OddSizesRoundTowardZeroAndWideTextOverflowsToTheRight) {
    // (W - tw) div 2 and H div 2 - th div 2, each rounding toward zero.
    EXPECT_EQ(textAnchor(5, {801, 601}, {100, 51}, 25), (Point{350, 300 - 25 + 5}));
    // Wider than the canvas: left places still start at 20, the centre goes negative.
    EXPECT_EQ(textAnchor(4, {800, 600}, {2000, 100}, 25).x, 20);
    EXPECT_EQ(textAnchor(5, {800, 600}, {2001, 100}, 25).x, -600);
    EXPECT_EQ(textAnchor(6, {800, 600}, {2000, 100}, 25).x, 800 - 20 - 2000);
    // The offset moves the top and bottom rows only.
    EXPECT_EQ(textAnchor(2, {800, 600}, {100, 100}, -75).y, -75 + 20 + 5);
    EXPECT_EQ(textAnchor(8, {800, 600}, {100, 100}, -75).y, 600 - (-75 + 20) - 100 + 5);
    EXPECT_EQ(textAnchor(5, {800, 600}, {100, 100}, -75).y, 300 - 50 + 5);
}

// A 256x256 icon on a 1920x1080 display whose work area is 1920x1040 (taskbar below).
TEST(IconAnchor, NinePositionsAndTheFallback) {
    const AnchorCase cases[] = {
        {1, {25, 25}},    {2, {832, 25}},    {3, {1639, 25}},   //
        {4, {25, 412}},   {5, {832, 412}},   {6, {1639, 412}},  //
        {7, {20, 759}},   {8, {832, 759}},   {9, {1639, 759}},  //
        {0, {832, 412}},  {10, {832, 412}},
    };
    for (const AnchorCase& c : cases)
        EXPECT_EQ(iconAnchor(c.position, {256, 256}, {1920, 1080}, {1920, 1040}), c.expected) << c.position;
}

TEST(IconAnchor, BottomRowUsesTheWorkAreaWidthToo) {
    // A taskbar on the right: work area 1860 wide.
    EXPECT_EQ(iconAnchor(9, {256, 256}, {1920, 1080}, {1860, 1080}), (Point{1860 - 25 - 256, 1080 - 25 - 256}));
    EXPECT_EQ(iconAnchor(8, {256, 256}, {1920, 1080}, {1860, 1080}).x, (1860 - 256) / 2);
    EXPECT_EQ(iconAnchor(3, {256, 256}, {1920, 1080}, {1860, 1080}).x, 1920 - 25 - 256);
    // An empty image: the fallback is the display's centre.
    EXPECT_EQ(iconAnchor(42, {0, 0}, {1921, 1081}, {1921, 1041}), (Point{960, 540}));
}

TEST(GetPolozajTest, DisplayUnderTheCentre) {
    const std::vector<Rect> sideBySide = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}, {-1280, 0, 0, 1024}};
    struct Case {
        std::vector<Rect> displays;
        int centreX;
        int expected;
    };
    const Case cases[] = {
        {sideBySide, 959, 0},
        {sideBySide, 2000, 1},
        {sideBySide, -5, 2},
        {sideBySide, 1920, 0},  // on the border: strictly inside neither
        {sideBySide, 9000, 0},
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}, 959, 1},  // mirrored: the last match wins
        {{}, 959, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(GetPolozaj(c.displays, c.centreX), c.expected) << c.centreX;
}

class WatermarkPlacement : public ProgramTest {};

// The fake's ink starts one fifth of the em below the cell top: at 300 points (em 400)
// that is row 80, so the offset is 5 - 80.
TEST_F(WatermarkPlacement, TextTopOffsetIsMeasuredOnTheSampleInRegularWeight) {
    Program& p = start();
    EXPECT_EQ(p.watermark.textTopOffset, 5 - 80);
    p.fcolors->sdFontSize.setPosition(60);  // em 80, ink from row 16
    pf.text.drawnFonts.clear();  // the slider's own preview draws too
    p.watermark.SelectedFont = "Tahoma";
    recomputeTextTopOffset(p);
    EXPECT_EQ(p.watermark.textTopOffset, 5 - 16);
    ASSERT_EQ(pf.text.drawnFonts.size(), 1u);
    EXPECT_EQ(pf.text.drawnFonts[0], (FontSpec{"Tahoma", 80, false, 1}));
}

TEST_F(WatermarkPlacement, TextTopOffsetAtStartUpUsesTheLoadedFontSize) {
    writeConfig("[ConfigSD]\nsdFontSize=30\n");
    Program& p = start();
    EXPECT_EQ(p.watermark.textTopOffset, 5 - 8);  // em 40
}

TEST_F(WatermarkPlacement, SampleWithoutInkGivesTheCellHeight) {
    Program& p = start();
    const Point none = NajdiZacetekBesedila(p.platform, "   ", 300, "Arial");
    EXPECT_EQ(none, (Point{0, 480}));
    EXPECT_EQ(NajdiZacetekBesedila(p.platform, "", 300, "Arial"), (Point{0, 480}));
}

TEST_F(WatermarkPlacement, StartUpPicksTheDisplayUnderTheSettingsDialog) {
    // The primary display listed second: the dialog, centred on it, is on display 1.
    pf.display.displayList = {{1920, 0, 3840, 1080}, {0, 0, 1920, 1080}};
    Program& p = start();
    EXPECT_EQ(p.watermark.monitorIndex, 1);
}

// 1920x1080 with a 40-pixel taskbar below. At 72 dpi and 334 points the fake's bold "AAA"
// is 3 x 200 by 334 + 66 = 600x400, so its cell goes to (660, 345) on the canvas, which the
// 1040-pixel-high window shows 20 pixels higher: (660, 325) on the screen.
TEST_F(WatermarkPlacement, TextOnTheScreenOfTheTaskbarExample) {
    pf.display.dpi = 72;
    Program& p = start();
    stopPoll();
    p.fcolors->Panel7.setColour(0x000000FF);
    p.fcolors->sdFontSize.setPosition(334);
    p.dispatcher.zagonNapisa(code::kCapsOn, "AAA");
    const Bitmap screen = seenOnScreen({0, 0, 1920, 1080});
    // The first glyph's ink starts advance / 8 right of and leading below the cell corner.
    const Point ink{660 + 25, 325 + 66};
    EXPECT_EQ(screen.pixel(ink.x, ink.y), 0x000000FFu);
    EXPECT_EQ(screen.pixel(ink.x - 1, ink.y), 0x00FFFF00u) << "rim";
    EXPECT_EQ(screen.pixel(ink.x, ink.y - 1), 0x00FFFF00u) << "rim";
    EXPECT_EQ(screen.pixel(ink.x - 3, ink.y), kKeyColour);
    EXPECT_EQ(screen.pixel(ink.x - 1, ink.y - 1), kKeyColour) << "no rim on the diagonal";
}

TEST_F(WatermarkPlacement, IconCanvasCoincidesWithTheWorkArea) {
    writeConfig("[Config]\nDOD=0\nDOP=1\n");
    Program& p = start();
    stopPoll();
    p.dispatcher.zagonNapisa(code::kIconCapsOn, "");
    EXPECT_EQ(p.floatTXT->frame(), (Rect{0, 0, 1920, 1040}));
    // The Caps-on icon's frame (columns 12-244, rows 10-244) at the middle anchor (832, 412).
    EXPECT_EQ(boxOf(seenOnScreen(pf.display.work), 0x00C0C0C0), (Rect{832 + 12, 412 + 10, 832 + 245, 412 + 245}));
}

class NextDisplay : public ProgramTest {
protected:
    const std::vector<Rect> three = {{0, 0, 1920, 1080}, {1920, 0, 4480, 1440}, {-1280, -200, 0, 824}};
};

TEST_F(NextDisplay, CyclesThroughThreeDisplaysAndWrapsToTheFullPrimary) {
    pf.display.displayList = three;
    Program& p = start();
    stopPoll();
    ASSERT_TRUE(p.floatTXT->visible()) << "the start-up watermark shows the window";
    const std::size_t drawn = pf.text.drawnFonts.size();
    const Rect expected[] = {three[1], three[2], three[0], three[1]};
    const int indices[] = {1, 2, 0, 1};
    for (int i = 0; i < 4; ++i) {
        p.floatTXT->xiNextMonitorClick();
        EXPECT_EQ(p.watermark.monitorIndex, indices[i]);
        EXPECT_EQ(p.floatTXT->frame(), expected[i]) << "full bounds, not the work area";
    }
    EXPECT_EQ(pf.text.drawnFonts.size(), drawn) << "the move does not recompose";
    EXPECT_TRUE(watermarkWindow().isTopmost());
}

TEST_F(NextDisplay, MovedWindowKeepsItsDisplayAtTheNextCue) {
    pf.display.displayList = three;
    Program& p = start();
    stopPoll();
    p.floatTXT->xiNextMonitorClick();
    p.dispatcher.zagonNapisa(code::kCapsOn, "A");
    EXPECT_EQ(p.floatTXT->frame(), three[1]);
    // The primary-sized canvas is centred on the larger display.
    EXPECT_EQ(watermarkWindow().screenPixel(1920 + (2560 - 1920) / 2 + 960, (1440 - 1080) / 2 + 560), 0x00C0C0C0u);
}

TEST_F(NextDisplay, DoesNothingWithOneDisplayOrWhileTheWatermarkIsHidden) {
    Program& p = start();
    stopPoll();
    const Rect work = pf.display.work;
    p.floatTXT->xiNextMonitorClick();
    EXPECT_EQ(p.watermark.monitorIndex, 0);
    EXPECT_EQ(p.floatTXT->frame(), work);

    pf.display.displayList = three;
    p.floatTXT->hideWatermark();
    p.floatTXT->xiNextMonitorClick();
    EXPECT_EQ(p.watermark.monitorIndex, 0);
    EXPECT_EQ(p.floatTXT->frame(), work);
}

TEST_F(NextDisplay, NeverShownWatermarkIsNotMoved) {
    pf.display.displayList = three;
    writeConfig("[Config]\nDOD=0\n");
    Program& p = start();
    ASSERT_FALSE(p.floatTXT->visible());
    p.floatTXT->xiNextMonitorClick();
    EXPECT_EQ(p.watermark.monitorIndex, 0);
}

TEST_F(NextDisplay, WindowHiddenWhileMessagesRunStaysPut) {
    pf.display.displayList = three;
    Program& p = start();
    stopPoll();
    pf.clock.pendingEvents.push_back([&] { p.floatTXT->hideWatermark(); });
    p.floatTXT->xiNextMonitorClick();
    EXPECT_EQ(p.watermark.monitorIndex, 1) << "the index moved before messages ran";
    EXPECT_EQ(p.floatTXT->frame(), pf.display.work);
}

TEST_F(NextDisplay, DisplayListShrinkingWhileRunningWrapsToTheFirst) {
    pf.display.displayList = three;
    Program& p = start();
    stopPoll();
    p.floatTXT->xiNextMonitorClick();
    p.floatTXT->xiNextMonitorClick();
    ASSERT_EQ(p.watermark.monitorIndex, 2);
    pf.display.displayList = {three[0], three[1]};
    p.floatTXT->xiNextMonitorClick();
    EXPECT_EQ(p.watermark.monitorIndex, 0);
    EXPECT_EQ(p.floatTXT->frame(), three[0]);
    p.floatTXT->xiNextMonitorClick();
    EXPECT_EQ(p.watermark.monitorIndex, 1);
}

}  // namespace
}  // namespace norvi::test
