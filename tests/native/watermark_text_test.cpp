// The textual watermark: colours by code, the redraw codes, the rim, fitting and anchoring.
#include "fixture.h"

#include "watermark/point_size.h"
#include "watermark/text_colours.h"

namespace norvi::test {
namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kBlue = 0x00FF0000;

class WatermarkText : public ProgramTest {
protected:
    Program& p() { return *program; }
    void SetUp() override {
        start();
        stopPoll();
    }
    // The text canvas as the screen shows it.
    const Bitmap& picture() {
        seen_ = seenOnTextCanvas();
        return seen_;
    }
    // The colour at the middle of the single glyph "A" drawn at position 5 with defaults.
    Colour bodyPixel() { return picture().pixel(960, 560); }
    // Just left of the glyph's ink: only the copy drawn 2 pixels to the left reaches it.
    Colour rimPixel() { return picture().pixel(869, 560); }

private:
    Bitmap seen_;
};

// Default fake metrics at 96 dpi and 300 points, bold: em 400, leading 80, advance 240.
// "A" at position 5 on 1920x1080 with textTopOffset 5 - 80: cell at (840, 305), ink
// [870, 1050) x [385, 745); the rim reaches 2 pixels further on each side.
TEST_F(WatermarkText, SingleLetterLandsAtTheMiddleWithATwoPixelRim) {
    p().fcolors->Panel7.setColour(kRed);
    p().floatTXT->PaintText(code::kCapsOn, "A");
    // The window holds the rim's box only, 20 pixels higher on the 1040-pixel work area.
    EXPECT_EQ(watermarkWindow().bounds(), (Rect{868, 383 - 20, 1052, 747 - 20}));
    EXPECT_EQ(boxOf(picture(), kRed), (Rect{870, 385, 1050, 745}));
    EXPECT_EQ(boxOf(picture(), 0x00FFFF00), (Rect{868, 383, 1052, 747})) << "rim in the inverse colour";
    EXPECT_EQ(picture().pixel(867, 560), kKeyColour);
    EXPECT_EQ(picture().pixel(0, 0), kKeyColour);
    EXPECT_EQ(picture().pixel(1919, 1079), kKeyColour);
    // Diagonal corners get no rim: only straight offsets are drawn.
    EXPECT_EQ(picture().pixel(868, 383), kKeyColour);
    EXPECT_EQ(watermarkWindow().pictureBackground, kKeyColour);
    EXPECT_FALSE(pf.text.drawnFonts.empty());
    EXPECT_TRUE(pf.text.drawnFonts.back().bold);
    EXPECT_EQ(pf.text.drawnFonts.back().charHeight, 400);
}

TEST_F(WatermarkText, BodyAndRimColourFollowTheCode) {
    Tfcolors& d = *p().fcolors;
    d.Panel7.setColour(kRed);
    d.Panel11.setColour(kGreen);
    d.Panel15.setColour(kBlue);
    d.Panel17.setColour(0x00123456);
    d.Panel19.setColour(0x00654321);
    struct Case {
        int code;
        Colour body;
        Colour rim;
    };
    const Case cases[] = {
        {code::kGreyPreview, 0x00808080, 0x007F7F7F},
        {code::kHollow, kKeyColour, 0x00ABB5BC},
        {code::kCapsOn, kRed, 0x00FFFF00},
        {code::kCapsOff, kGreen, 0x00FF00FF},
        {code::kNumOn, kBlue, 0x0000FFFF},
        {code::kNumOff, 0x00123456, 0x00EDCBA9},
        {code::kLanguage, 0x00654321, 0x009ABCDE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        p().floatTXT->PaintText(c.code, "A");
        EXPECT_EQ(bodyPixel(), c.body);
        EXPECT_EQ(rimPixel(), c.rim);
        EXPECT_EQ(p().watermark.lastColor, c.body);
        EXPECT_EQ(p().watermark.lastCode, c.code);
        EXPECT_EQ(p().watermark.lastText, "A");
    }
}

TEST_F(WatermarkText, HollowTextShowsOnlyTheRimOnScreen) {
    p().floatTXT->PaintText(code::kHollow, "A");
    fake::FakeWindow& w = watermarkWindow();
    // On the 1040-pixel work area the 1080-pixel canvas sits 20 pixels higher.
    EXPECT_EQ(w.screenPixel(960, 540), kKeyColour) << "the body is see-through";
    EXPECT_EQ(w.screenPixel(869, 540), 0x00ABB5BC);
    EXPECT_EQ(boxOf(picture(), 0x00ABB5BC), (Rect{868, 383, 1052, 747}));
}

// Each row draws once and checks what the redraw codes resolve to.
TEST_F(WatermarkText, RedrawCodesResolveAgainstTheLastDrawing) {
    Tfcolors& d = *p().fcolors;
    WatermarkState& w = p().watermark;
    TfloatTXT& t = *p().floatTXT;
    // The start-up watermark drew code 10; begin from a clean slate as before any drawing.
    w.lastCode = 0;
    w.lastColor = 0;

    t.PaintText(code::kRedrawLastColour, "A");
    EXPECT_EQ(bodyPixel(), 0u) << "before any drawing 20 means black";
    EXPECT_EQ(rimPixel(), 0x00FFFFFFu);
    EXPECT_EQ(w.lastCode, code::kRedrawLastColour);

    d.Panel7.setColour(kRed);
    t.PaintText(code::kCapsOn, "A");
    d.Panel7.setColour(kGreen);
    t.PaintText(code::kRedrawLastCode, "A");
    EXPECT_EQ(bodyPixel(), kGreen) << "30 redraws the last code in its current colour";
    EXPECT_EQ(w.lastCode, code::kCapsOn);

    t.PaintText(code::kRedrawLastColour, "A");
    d.Panel7.setColour(kBlue);
    t.PaintText(code::kRedrawLastCode, "A");
    EXPECT_EQ(bodyPixel(), kGreen) << "after a 20, a 30 resolves to 20 and keeps the colour";
    EXPECT_EQ(w.lastCode, code::kRedrawLastColour);

    t.PaintText(code::kGreyPreview, "A");
    t.PaintText(code::kRedrawLastCode, "A");
    EXPECT_EQ(bodyPixel(), 0x00808080u) << "after an 8, a 30 draws grey";
    EXPECT_EQ(w.lastCode, code::kGreyPreview);
}

TEST_F(WatermarkText, CodesWithoutAColourKeepTheLastOne) {
    p().fcolors->Panel11.setColour(kGreen);
    TfloatTXT& t = *p().floatTXT;
    t.PaintText(code::kCapsOff, "A");
    for (int code : {9, 16, 21, 31, code::kIconCapsOn, code::kIconNumOff, -1}) {
        SCOPED_TRACE(code);
        t.PaintText(code, "A");
        EXPECT_EQ(bodyPixel(), kGreen);
        EXPECT_EQ(p().watermark.lastColor, kGreen);
        EXPECT_EQ(p().watermark.lastCode, code);
    }
}

TEST_F(WatermarkText, NothingIsDrawnBeforeStartUpIsDone) {
    p().startupDone = false;
    const WatermarkState before = p().watermark;
    const int pictures = watermarkWindow().pictureCalls;
    const std::size_t draws = pf.text.drawnFonts.size();
    p().floatTXT->PaintText(code::kCapsOn, "Z");
    EXPECT_EQ(watermarkWindow().pictureCalls, pictures);
    EXPECT_EQ(pf.text.drawnFonts.size(), draws);
    EXPECT_EQ(p().watermark.lastText, before.lastText);
    EXPECT_EQ(p().watermark.lastCode, before.lastCode);
    EXPECT_EQ(p().watermark.lastColor, before.lastColor);
}

TEST_F(WatermarkText, EmptyTextGivesANothingPictureAndIsRemembered) {
    p().floatTXT->PaintText(code::kCapsOn, "A");
    p().floatTXT->PaintText(code::kNumOn, "");
    EXPECT_LE(watermarkWindow().bounds().width(), 16) << "a blank of a few pixels";
    EXPECT_EQ(pixelsOtherThan(picture(), kKeyColour), 0);
    EXPECT_EQ(p().watermark.lastText, "");
    p().floatTXT->PaintText(code::kRedrawLastColour, p().watermark.lastText);
    EXPECT_EQ(pixelsOtherThan(picture(), kKeyColour), 0);
}

// 10 "W" at 300 points is 10 x 240 = 2400 pixels wide on a 1920-pixel canvas. At s points
// the em is MulDiv(s, 96, 72) and the bold advance em * 3 / 5: 241 points give em 321,
// advance 192, exactly 1920 wide; 242 points give 1930.
TEST_F(WatermarkText, TooWideTextShrinksOnePointAtATimeToTheLargestFit) {
    pf.text.extentCalls = 0;
    p().floatTXT->PaintText(code::kCapsOn, "WWWWWWWWWW");
    EXPECT_EQ(pf.text.drawnFonts.back().charHeight, 321);
    EXPECT_EQ(pf.text.extentCalls, 300 - 241 + 1) << "one measurement per point";
    const Rect ink = boxOf(picture(), 0x00C0C0C0);
    EXPECT_EQ(ink.left, 24) << "cell at x = 0, first glyph's ink at advance / 8";
    EXPECT_EQ(ink.right, 1920 - 24);
}

// The worst case the settings allow: 20 wide (full-width, three UTF-8 bytes each)
// characters at 600 points on an 800x600 display.
TEST_F(WatermarkText, TwentyWideCharactersAtSixHundredPointsFitASmallDisplay) {
    pf.display.setPrimary(800, 600, 40);
    p().fcolors->sdFontSize.setPosition(600);
    std::string wide;
    for (int i = 0; i < 20; ++i) wide += "\xEF\xBC\xB7";  // U+FF37 FULLWIDTH W
    p().floatTXT->PaintText(code::kCapsOn, wide);
    const FontSpec font = pf.text.drawnFonts.back();
    const Size fitted = pf.text.textExtent(font, wide);
    EXPECT_LE(fitted.width, 800);
    EXPECT_LE(fitted.height, 600);
    FontSpec larger = font;
    larger.charHeight = mulDiv(52, 96, 72);  // the next point size up from the expected 51
    EXPECT_EQ(font.charHeight, mulDiv(51, 96, 72));
    EXPECT_GT(pf.text.textExtent(larger, wide).width, 800);
    const Rect ink = boxOf(picture(), 0x00C0C0C0);
    EXPECT_GT(ink.width(), 0);
    EXPECT_LE(ink.right, 800);
}

TEST_F(WatermarkText, HighDpiAsksForTheEmHeightOfThePointSize) {
    pf.display.dpi = 144;
    p().fcolors->sdFontSize.setPosition(7);
    p().floatTXT->PaintText(code::kCapsOn, "A");
    EXPECT_EQ(pf.text.drawnFonts.back().charHeight, 14);  // 7 * 144 / 72
    pf.display.dpi = 120;
    p().floatTXT->PaintText(code::kCapsOn, "A");
    EXPECT_EQ(pf.text.drawnFonts.back().charHeight, 12);  // 11.67 rounds up
}

TEST_F(WatermarkText, PositionsOutsideTheGridDrawAtTheMiddle) {
    p().fcolors->Panel7.setColour(kRed);
    p().floatTXT->PaintText(code::kCapsOn, "A");
    const Rect middle = boxOf(picture(), kRed);
    for (int position : {0, 10, -3, 1000000}) {
        SCOPED_TRACE(position);
        p().watermark.TXTpolozaj = position;
        p().floatTXT->PaintText(code::kCapsOn, "A");
        EXPECT_EQ(boxOf(picture(), kRed), middle);
    }
}

TEST_F(WatermarkText, TopLeftTextStartsThirtyPixelsDownForTheSampleFont) {
    p().fcolors->Panel7.setColour(kRed);
    p().watermark.TXTpolozaj = 1;
    p().floatTXT->PaintText(code::kCapsOn, "A");
    // Cell at (20, T + 5) with T = textTopOffset + 20 = -55: ink starts 80 lower, at 30.
    EXPECT_EQ(boxOf(picture(), kRed), (Rect{20 + 30, 30, 20 + 210, 30 + 360}));
}

TEST_F(WatermarkText, UnknownFontNameIsPassedOnForThePlatformToSubstitute) {
    p().watermark.SelectedFont = "No Such Font \xE2\x80\x94 none";
    p().floatTXT->PaintText(code::kCapsOn, "A");
    EXPECT_EQ(pf.text.drawnFonts.back().face, p().watermark.SelectedFont);
    EXPECT_NE(boxOf(picture(), 0x00C0C0C0), Rect{});
}

TEST(InverseColour, PlainAndSystemColourValues) {
    struct Case {
        Colour in;
        Colour out;
    };
    const Case cases[] = {
        {0x00000000, 0x00FFFFFF}, {0x00544A43, 0x00ABB5BC}, {0x00808080, 0x007F7F7F},
        {0x80000005, 0x00000000},  // COLOR_WINDOW: white in the default scheme
        {0x8000000F, 0x000F0F0F},  // COLOR_BTNFACE: 240, 240, 240
        {0x800000FF, 0x00FFFFFF},  // no such system colour: black
        {0x02123456, 0x00EDCBA9},  // a palette-relative value: its RGB part
    };
    for (const Case& c : cases) EXPECT_EQ(InverseColor(c.in), c.out) << std::hex << c.in;
}

}  // namespace
}  // namespace norvi::test
