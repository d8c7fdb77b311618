// The watermark on the real platform: GDI-rendered text pictures and the window as the
// system sees it.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "watermark/placement.h"
#include "watermark/text_colours.h"
#include "watermark/text_picture.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kCyan = 0x00FFFF00;  // the inverse of red
constexpr Colour kHollowRim = 0x00ABB5BC;

using test::boxWhere;
using test::countOf;

class WatermarkGdi : public ::testing::Test {
protected:
    TextRequest letterA(Colour body) {
        TextRequest r;
        r.text = "A";
        r.face = "Arial";
        r.points = 72;
        r.logicalDpiY = platform.screen().logicalDpiY();
        r.canvas = {400, 300};
        r.position = 5;
        r.textTopOffset = 25;
        r.body = body;
        r.outline = InverseColor(body);
        return r;
    }
    // The composed part placed on its canvas of the key colour.
    static Bitmap onCanvas(const TextPicture& t, Size canvas) {
        Bitmap b(canvas.width, canvas.height, 32, kKeyColour);
        b.blit(t.picture, t.pictureAt.x, t.pictureAt.y);
        return b;
    }
    Win32Platform platform;
};

TEST_F(WatermarkGdi, LetterAtCapsOnHasBodyRimAndKeyColourElsewhere) {
    const TextPicture t = composeText(platform.graphics(), letterA(kRed));
    const Bitmap b = onCanvas(t, {400, 300});
    EXPECT_LT(t.picture.width(), 200) << "only the letter's part of the canvas is composed";
    EXPECT_GT(countOf(b, kRed), 200) << "solid body pixels in the chosen colour";
    EXPECT_GT(countOf(b, kCyan), 50) << "a rim in the inverse colour";
    const test::PixelBox body = boxWhere(b, [](Colour c) { return c == kRed; });
    const test::PixelBox rim = boxWhere(b, [](Colour c) { return c == kCyan; });
    const test::PixelBox ink = boxWhere(b, [](Colour c) { return c != kKeyColour; });
    ASSERT_FALSE(body.empty());
    // The rim sticks out around the body on every side.
    EXPECT_LT(rim.left, body.left);
    EXPECT_GT(rim.right, body.right);
    EXPECT_LT(rim.top, body.top);
    EXPECT_GT(rim.bottom, body.bottom);
    // Nothing outside the text's cell grown by the 2-pixel outline.
    EXPECT_GE(ink.left, t.at.x - 2);
    EXPECT_GE(ink.top, t.at.y - 2);
    EXPECT_LE(ink.right, t.at.x + t.extent.width + 2);
    EXPECT_LE(ink.bottom, t.at.y + t.extent.height + 2);
    EXPECT_EQ(b.pixel(0, 0), kKeyColour);
    EXPECT_EQ(b.pixel(399, 299), kKeyColour);
    EXPECT_TRUE(t.font.bold);
}

TEST_F(WatermarkGdi, HollowCodeLeavesTheBodyInTheKeyColour) {
    const Bitmap solid = onCanvas(composeText(platform.graphics(), letterA(kRed)), {400, 300});
    const Bitmap hollow = onCanvas(composeText(platform.graphics(), letterA(kKeyColour)), {400, 300});
    int bodyPixels = 0, seeThrough = 0;
    for (int y = 0; y < solid.height(); ++y)
        for (int x = 0; x < solid.width(); ++x)
            if (solid.pixel(x, y) == kRed) {
                ++bodyPixels;
                seeThrough += hollow.pixel(x, y) == kKeyColour;
            }
    ASSERT_GT(bodyPixels, 200);
    EXPECT_EQ(seeThrough, bodyPixels) << "every body pixel is the key colour";
    EXPECT_GT(countOf(hollow, kHollowRim), 50) << "only the rim shows";
}

TEST_F(WatermarkGdi, FitShrinksTooWideTextOnTheRealEngine) {
    TextRequest r = letterA(kRed);
    const std::string text(20, 'W');
    r.text = text;
    r.points = 600;
    r.canvas = {800, 600};
    const TextPicture t = composeText(platform.graphics(), r);
    EXPECT_LE(t.extent.width, 800);
    EXPECT_LE(t.extent.height, 600);
    EXPECT_GT(t.extent.width, 600) << "not far below the largest fit";
    FontSpec larger = t.font;
    larger.charHeight += 2;  // about one point more at 96 dpi
    EXPECT_GT(platform.graphics().textExtent(larger, text).width, 800);
}

TEST_F(WatermarkGdi, FontThatDoesNotExistIsSubstitutedAndDrawn) {
    TextRequest r = letterA(kRed);
    r.face = "No Such Font \xE2\x80\x94 Norvi";
    const TextPicture t = composeText(platform.graphics(), r);
    EXPECT_GT(t.extent.width, 0);
    EXPECT_GT(countOf(t.picture, kRed), 100);
}

TEST_F(WatermarkGdi, EmptyTextGivesNoPicture) {
    TextRequest r = letterA(kRed);
    r.text = "";
    EXPECT_TRUE(composeText(platform.graphics(), r).picture.empty());
    r.text = "   ";
    EXPECT_TRUE(composeText(platform.graphics(), r).picture.empty()) << "spaces leave no ink";
}

TEST_F(WatermarkGdi, SampleFirstInkIsBelowTheCellTopForArial) {
    for (int points : {12, 72, 300}) {
        SCOPED_TRACE(points);
        FontSpec regular{"Arial", MulDiv(points, platform.screen().logicalDpiY(), 72), false, 1};
        const Size cell = platform.graphics().textExtent(regular, "AAA");
        const Point ink = NajdiZacetekBesedila(platform, "AAA", points, "Arial");
        EXPECT_GT(ink.y, 0) << "the internal leading and the accent space lie above a capital";
        EXPECT_LT(ink.y, cell.height / 2);
        EXPECT_GE(ink.x, 0);
        EXPECT_LT(ink.x, cell.width / 3) << "inside the first A";
    }
}

// A whole Norvi on the real platform, for the watermark window as the system sees it.
class WatermarkWindowGdi : public ::testing::Test {
protected:
    void SetUp() override {
        program = test::startProgram(platform);
    }
    HWND hwnd() { return reinterpret_cast<HWND>(program->floatTXT->window->handle()); }
    Win32Platform platform;
    std::unique_ptr<Program> program;
};

TEST_F(WatermarkWindowGdi, StylesLayeringBoundsAndNoActivation) {
    ASSERT_NE(program->floatTXT->window, nullptr);
    const HWND w = hwnd();
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_EXSTYLE), static_cast<LONG_PTR>(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST))
        << std::hex << GetWindowLongPtrW(w, GWL_EXSTYLE);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    program->floatTXT->BrisiSliko();
    RECT r{};
    GetWindowRect(w, &r);
    // Between cues a blank of a few pixels in the work area's corner, never the screen's size.
    EXPECT_EQ(r.left, work.left);
    EXPECT_EQ(r.top, work.top);
    EXPECT_LE(r.right - r.left, 16);
    EXPECT_LE(r.bottom - r.top, 16);

    struct Case {
        int opacity;
        DWORD flags;
    };
    for (const Case& c : {Case{51, LWA_COLORKEY | LWA_ALPHA}, Case{255, LWA_COLORKEY}, Case{1, LWA_COLORKEY | LWA_ALPHA}}) {
        SCOPED_TRACE(c.opacity);
        program->floatTXT->applyOpacity(c.opacity);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(w, &key, &alpha, &flags));
        EXPECT_EQ(key, kKeyColour);
        EXPECT_EQ(flags, c.flags);
        if (flags & LWA_ALPHA) {
            EXPECT_EQ(alpha, c.opacity);
        }
    }

    const HWND before = GetForegroundWindow();
    program->dispatcher.zagonNapisa(code::kCapsOn, "A");
    platform.loop().processMessages();
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_NE(GetForegroundWindow(), w) << "a cue never takes the focus";
    EXPECT_EQ(GetForegroundWindow(), before);
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(r.left + 10, r.top + 10)), HTTRANSPARENT);
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
}

TEST_F(WatermarkWindowGdi, TopmostLostIsTakenBackByTheTimeout) {
    program->dispatcher.zagonNapisa(code::kCapsOn, "A");
    const HWND w = hwnd();
    SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_FALSE(program->floatTXT->window->isTopmost());
    ASSERT_NE(GetActiveWindow(), w);
    program->floatTXT->TimerTXTTimer();
    EXPECT_TRUE(program->floatTXT->window->isTopmost());
    EXPECT_NE(GetActiveWindow(), w) << "taking the top back never activates it, like its show";
    EXPECT_NE(GetForegroundWindow(), w);
    EXPECT_TRUE(IsWindowVisible(w)) << "the wipe leaves the window shown";
    EXPECT_FALSE(program->floatTXT->TimerTXT->enabled());
}

}  // namespace
}  // namespace norvi::win32
