// The watermark window takes only the size and place of the picture it shows. On the real
// platform the screen must show exactly what the old window over the whole work area showed
// with a display-sized canvas centred on it: compared here with a reference composed that
// way by GDI, on the screen at the test display's size for all nine positions, and as
// composition at 1920x1080 and 3840x2160.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>

#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "screen_grab.h"
#include "watermark/placement.h"
#include "watermark/text_colours.h"
#include "watermark/text_picture.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

constexpr Colour kRed = 0x000000FF;

// The text drawn the old way: on a canvas of the full size, the four rim copies and then
// the body at the anchor, in the font the fit chose.
Bitmap oldTextCanvas(Graphics& graphics, const TextPicture& t, std::string_view text, Size canvas, Colour body) {
    Bitmap old(canvas.width, canvas.height, 32, kKeyColour);
    const Colour rim = InverseColor(body);
    const Point a = t.at;
    const TextDraw draws[] = {{a.x - 2, a.y, rim}, {a.x + 2, a.y, rim}, {a.x, a.y - 2, rim}, {a.x, a.y + 2, rim},
                              {a.x, a.y, body}};
    graphics.drawText(old, t.font, text, draws);
    return old;
}

// Whether the composed picture is the old canvas: its part of the canvas byte for byte, and
// nothing but the key colour elsewhere.
bool sameAsOldCanvas(const Bitmap& old, const TextPicture& t) {
    const Rect part = Rect::fromSize(t.pictureAt.x, t.pictureAt.y, t.picture.width(), t.picture.height());
    if (old.part(part) != t.picture) return false;
    Bitmap rest = old;
    rest.blit(Bitmap(t.picture.width(), t.picture.height(), 32, kKeyColour), t.pictureAt.x, t.pictureAt.y);
    const Bitmap blank(old.width(), 1, 32, kKeyColour);
    for (int y = 0; y < rest.height(); ++y)
        if (std::memcmp(rest.row(y), blank.row(0), static_cast<std::size_t>(rest.stride())) != 0) return false;
    return true;
}

TEST(WatermarkComposition, GdiTextIsTheSameAsOnAFullCanvasAtBothSizes) {
    Win32Platform platform;
    Graphics& graphics = platform.graphics();
    for (Size canvas : {Size{1920, 1080}, Size{3840, 2160}})
        for (const char* text : {"A", "a", "Caps Lock is on, W"})
            for (int position = 1; position <= 9; ++position) {
                SCOPED_TRACE(testing::Message() << canvas.width << "x" << canvas.height << " \"" << text << "\" at "
                                                << position);
                TextRequest r;
                r.text = text;
                r.face = "Arial";
                r.points = 300;
                r.logicalDpiY = platform.screen().logicalDpiY();
                r.canvas = canvas;
                r.position = position;
                r.textTopOffset = -20;
                r.body = kRed;
                r.outline = InverseColor(kRed);
                const TextPicture t = composeText(graphics, r);
                ASSERT_FALSE(t.picture.empty());
                EXPECT_TRUE(sameAsOldCanvas(oldTextCanvas(graphics, t, text, canvas, kRed), t));
                EXPECT_LE(t.picture.height(), t.extent.height + 4 + t.extent.height / 2);
            }
}

// A whole Norvi on the real platform, its watermark drawn fully opaque, grabbed from the screen.
class WatermarkScreenGdi : public ::testing::Test {
protected:
    void SetUp() override {
        program = test::startProgram(platform);
        program->fcolors->Panel7.setColour(kRed);
        program->fcolors->Panel5.setColour(kRed);
        program->fcolors->resetirajBarvoIkone();
        program->floatTXT->applyOpacity(255);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        // What the screen shows where the watermark draws nothing.
        program->floatTXT->BrisiSliko();
        settle();
        background = test::grabScreenRect(work);
    }
    void settle() {
        test::pumpUntil([] { return false; }, 150);
    }
    // Screen pixels of the work area that differ from the old window's picture: the canvas
    // centred on the work area, its key colour showing what lies below.
    int differencesFrom(const Bitmap& canvas) {
        const Bitmap shot = test::grabScreenRect(work);
        const int w = work.right - work.left, h = work.bottom - work.top;
        const int ox = (w - canvas.width()) / 2, oy = (h - canvas.height()) / 2;
        int n = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Colour c = canvas.pixel(x - ox, y - oy);
                const bool inCanvas = x - ox >= 0 && y - oy >= 0 && x - ox < canvas.width() && y - oy < canvas.height();
                const Colour expected = !inCanvas || c == kKeyColour ? background.pixel(x, y) : c;
                n += shot.pixel(x, y) != expected;
            }
        if (n) test::saveBmp(shot, test::besideTestProgram("watermark-screen-difference.bmp"));
        return n;
    }

    Win32Platform platform;
    std::unique_ptr<Program> program;
    RECT work{};
    Bitmap background;
};

TEST_F(WatermarkScreenGdi, TextAndIconAtEveryPositionAreSeenAsBefore) {
    Program& p = *program;
    Screen& screen = platform.screen();
    const Size primary = screen.primarySize();
    const Size workSize{work.right - work.left, work.bottom - work.top};
    for (int position = 1; position <= 9; ++position) {
        SCOPED_TRACE(position);
        p.watermark.TXTpolozaj = position;
        p.dispatcher.zagonNapisa(code::kCapsOn, "A");
        settle();
        // The reference from the same fit and anchor, drawn on a screen-sized canvas.
        TextRequest r;
        r.text = "A";
        r.face = p.watermark.SelectedFont;
        r.points = p.fcolors->sdFontSize.position();
        r.logicalDpiY = screen.logicalDpiY();
        r.canvas = primary;
        r.position = position;
        r.textTopOffset = p.watermark.textTopOffset;
        const TextPicture fitted = composeText(platform.graphics(), r);
        EXPECT_EQ(differencesFrom(oldTextCanvas(platform.graphics(), fitted, "A", primary, kRed)), 0) << "text";
        RECT bounds{};
        GetWindowRect(reinterpret_cast<HWND>(p.floatTXT->window->handle()), &bounds);
        EXPECT_LT(bounds.bottom - bounds.top, primary.height / 2) << "the window is the picture's size";

        p.floatTXT->PaintIcon(code::kIconCapsOn);
        p.floatTXT->showWatermark();
        settle();
        Bitmap iconCanvas(workSize.width, workSize.height, 32, kKeyColour);
        const Point at = iconAnchor(position, {256, 256}, primary, workSize);
        iconCanvas.blit(p.watermark.iconImages[0], at.x, at.y);
        EXPECT_EQ(differencesFrom(iconCanvas), 0) << "icon";
    }
}

}  // namespace
}  // namespace norvi::win32
