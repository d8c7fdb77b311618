// The watermark window takes only the size and place of the picture it shows. What the user
// sees must stay what a window covering the whole frame showed, with a canvas of the
// display's size centred on it: compared here pixel for pixel against a reference
// composed that way, for text and icons at all nine positions and two display sizes.
#include "fixture.h"

#include "watermark/placement.h"
#include "watermark/text_colours.h"
#include "watermark/text_picture.h"

namespace norvi::test {
namespace {

constexpr Colour kRed = 0x000000FF;

// A picture as the old full-frame window showed it: the canvas centred on the frame,
// unscaled, the key colour around it, all of it clipped to the frame.
struct OldWindow {
    Rect frame;
    Bitmap canvas;

    Point canvasOrigin() const {
        return {frame.left + (frame.width() - canvas.width()) / 2, frame.top + (frame.height() - canvas.height()) / 2};
    }
    Colour at(int x, int y) const {
        if (x < frame.left || y < frame.top || x >= frame.right || y >= frame.bottom) return kKeyColour;
        const Point o = canvasOrigin();
        const int cx = x - o.x, cy = y - o.y;
        if (cx < 0 || cy < 0 || cx >= canvas.width() || cy >= canvas.height()) return kKeyColour;
        return canvas.pixel(cx, cy);
    }
    // The screen rectangle holding every visible pixel; empty when there is none.
    Rect inkOnScreen() const {
        const Rect box = boxOfOtherThan(canvas, kKeyColour);
        if (box.width() <= 0) return {};
        const Point o = canvasOrigin();
        const Rect r{std::max(frame.left, box.left + o.x), std::max(frame.top, box.top + o.y),
                     std::min(frame.right, box.right + o.x), std::min(frame.bottom, box.bottom + o.y)};
        return r.left < r.right && r.top < r.bottom ? r : Rect{};
    }
    static Rect boxOfOtherThan(const Bitmap& b, Colour c) {
        Rect box{b.width(), b.height(), 0, 0};
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (b.pixel(x, y) != c) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), y + 1};
                }
        return box.right > box.left ? box : Rect{};
    }
};

class WatermarkScreen : public ProgramTest {
protected:
    // The text canvas composed the old way: the display's full size, the text drawn at its
    // anchor in the font the cue was drawn in, four rim copies, then the body.
    OldWindow oldText(const std::string& text, Colour body) {
        const FontSpec font = pf.text.drawnFonts.back();
        const Size extent = pf.text.textExtent(font, text);
        const Point at = textAnchor(program->watermark.TXTpolozaj, pf.display.primary, extent,
                                    program->watermark.textTopOffset);
        Bitmap canvas(pf.display.primary.width, pf.display.primary.height, 32, kKeyColour);
        const Colour rim = InverseColor(body);
        const TextDraw draws[] = {{at.x - 2, at.y, rim}, {at.x + 2, at.y, rim}, {at.x, at.y - 2, rim},
                                  {at.x, at.y + 2, rim}, {at.x, at.y, body}};
        pf.text.drawText(canvas, font, text, draws);
        return {program->floatTXT->frame(), std::move(canvas)};
    }
    // The icon canvas composed the old way: the work area's size, the image at its anchor.
    OldWindow oldIcon(int index) {
        const Rect work = pf.display.work;
        const Bitmap& image = program->watermark.iconImages[index];
        const Point at = iconAnchor(program->watermark.TXTpolozaj, {image.width(), image.height()},
                                    pf.display.primary, {work.width(), work.height()});
        Bitmap canvas(work.width(), work.height(), 32, kKeyColour);
        canvas.blit(image, at.x, at.y);
        return {program->floatTXT->frame(), std::move(canvas)};
    }
    // Screen pixels where the old and the new window show different things. Outside both the
    // old picture's ink and the new window, both show nothing, so only there is looked at.
    int differencesFrom(const OldWindow& old) {
        fake::FakeWindow& w = watermarkWindow();
        const Rect ink = old.inkOnScreen(), b = w.bounds();
        const Rect area = ink.width() <= 0 ? b
                                           : Rect{std::min(ink.left, b.left), std::min(ink.top, b.top),
                                                  std::max(ink.right, b.right), std::max(ink.bottom, b.bottom)};
        int differences = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                differences += w.screenPixel(x, y).value_or(kKeyColour) != old.at(x, y);
        return differences;
    }
    // The window never reaches beyond what the old one covered.
    bool insideFrame() {
        const Rect b = watermarkWindow().bounds(), f = program->floatTXT->frame();
        return b.left >= f.left && b.top >= f.top && b.right <= f.right && b.bottom <= f.bottom;
    }
};

struct DisplaySize {
    int width, height, taskbar;
};
constexpr DisplaySize kDisplays[] = {{1920, 1080, 40}, {3840, 2160, 80}};

TEST_F(WatermarkScreen, TextAtEveryPositionIsSeenAsOnAFullScreenCanvas) {
    struct Text {
        int code;
        const char* text;
    };
    // A letter, a hollow one, and a line fitted to the display's width that runs past the
    // right edge at the left positions (clipped there).
    const Text texts[] = {{code::kCapsOn, "A"}, {code::kHollow, "a"}, {code::kCapsOn, "Caps Lock is on, x"}};
    for (const DisplaySize& d : kDisplays) {
        pf.display.setPrimary(d.width, d.height, d.taskbar);
        start();
        stopPoll();
        program->fcolors->Panel7.setColour(kRed);
        for (const Text& t : texts)
            for (int position = 1; position <= 9; ++position) {
                SCOPED_TRACE(testing::Message() << d.width << "x" << d.height << " \"" << t.text << "\" at " << position);
                program->watermark.TXTpolozaj = position;
                program->dispatcher.zagonNapisa(t.code, t.text);
                const Colour body = t.code == code::kHollow ? kKeyColour : kRed;
                EXPECT_EQ(differencesFrom(oldText(t.text, body)), 0);
                EXPECT_TRUE(insideFrame());
                EXPECT_LT(watermarkWindow().bounds().height(), d.height / 2) << "the picture's size, not the screen's";
            }
    }
}

TEST_F(WatermarkScreen, IconsAtEveryPositionAreSeenAsOnAWorkAreaCanvas) {
    for (const DisplaySize& d : kDisplays) {
        pf.display.setPrimary(d.width, d.height, d.taskbar);
        writeConfig("[Config]\nDOD=0\nDOP=1\nIconColor=255\n");
        start();
        stopPoll();
        for (int index : {0, 3})
            for (int position = 0; position <= 9; ++position) {  // 0: a stored value off the grid
                SCOPED_TRACE(testing::Message() << d.width << "x" << d.height << " icon " << index << " at " << position);
                program->watermark.TXTpolozaj = position;
                program->dispatcher.zagonNapisa(code::kIconCapsOn + index, "");
                EXPECT_EQ(differencesFrom(oldIcon(index)), 0);
                EXPECT_EQ(watermarkWindow().bounds().width(), 256);
                EXPECT_EQ(watermarkWindow().bounds().height(), 256);
            }
    }
}

// Sent to another display, the primary-sized canvas is centred on that display: a larger
// one shows all of it, a smaller one clips it.
TEST_F(WatermarkScreen, OnOtherDisplaysThePictureIsWhereTheCentredCanvasPutsIt) {
    pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 4480, 1440}, {-1280, -200, 0, 824}};
    start();
    stopPoll();
    program->fcolors->Panel7.setColour(kRed);
    for (int move = 1; move <= 2; ++move) {
        program->floatTXT->xiNextMonitorClick();
        ASSERT_EQ(program->floatTXT->frame(), pf.display.displayList[static_cast<std::size_t>(move)]);
        for (int position : {1, 3, 5, 7, 9}) {
            SCOPED_TRACE(testing::Message() << "display " << move << ", position " << position);
            program->watermark.TXTpolozaj = position;
            program->dispatcher.zagonNapisa(code::kCapsOn, "Wide text here");
            EXPECT_EQ(differencesFrom(oldText("Wide text here", kRed)), 0);
            EXPECT_TRUE(insideFrame());
        }
    }
}

// The move itself does not compose again: the picture on show goes to its new place.
TEST_F(WatermarkScreen, MovingToTheNextDisplayTakesThePictureOnShowAlong) {
    pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 4480, 1440}};
    start();
    stopPoll();
    program->fcolors->Panel7.setColour(kRed);
    program->watermark.TXTpolozaj = 3;
    program->dispatcher.zagonNapisa(code::kCapsOn, "A");
    const OldWindow beforeMove = oldText("A", kRed);
    const std::size_t drawn = pf.text.drawnFonts.size();
    program->floatTXT->xiNextMonitorClick();
    EXPECT_EQ(pf.text.drawnFonts.size(), drawn) << "not composed again";
    const OldWindow moved{pf.display.displayList[1], beforeMove.canvas};
    EXPECT_EQ(differencesFrom(moved), 0);
    EXPECT_GE(watermarkWindow().bounds().left, 1920);
}

TEST_F(WatermarkScreen, TheWipeLeavesAShownBlankOfAFewPixels) {
    start();
    stopPoll();
    program->dispatcher.zagonNapisa(code::kCapsOn, "A");
    run(2200);
    fake::FakeWindow& w = watermarkWindow();
    EXPECT_TRUE(w.isVisible());
    EXPECT_LE(w.bounds().width() * w.bounds().height(), 16 * 16);
    EXPECT_EQ(pixelsOtherThan(w.picture, kKeyColour), 0);
    EXPECT_EQ(w.pictureBackground, kKeyColour);
    EXPECT_TRUE(insideFrame());
}

// The composed picture follows the text: the same at both display sizes, larger for a
// larger text, and no larger than the text's cell with its 2-pixel rim.
TEST(TextPictureSize, FollowsTheTextAndNotTheCanvas) {
    fake::FakeGraphics graphics;
    auto compose = [&](Size canvas, std::string_view text, int points) {
        TextRequest r;
        r.text = text;
        r.points = points;
        r.canvas = canvas;
        r.textTopOffset = -20;
        r.body = kRed;
        r.outline = InverseColor(kRed);
        return composeText(graphics, r);
    };
    const TextPicture small = compose({1920, 1080}, "A", 300);
    const TextPicture large = compose({3840, 2160}, "A", 300);
    EXPECT_EQ(small.picture.width(), large.picture.width());
    EXPECT_EQ(small.picture.height(), large.picture.height());
    EXPECT_LE(small.picture.width(), small.extent.width + 4);
    EXPECT_LE(small.picture.height(), small.extent.height + 4);
    EXPECT_GT(small.picture.width(), small.extent.width / 2);
    // The ink box of the fake's "A": its glyph box grown by the rim.
    const int a = fake::FakeGraphics::advanceOf(small.font), h = small.font.charHeight;
    EXPECT_EQ(small.picture.width(), a - 2 * (a / 8) + 4);
    EXPECT_EQ(small.picture.height(), h - h / 10 + 4);
    EXPECT_EQ(small.pictureAt, (Point{small.at.x + a / 8 - 2, small.at.y + fake::FakeGraphics::leadingOf(small.font) - 2}));

    const TextPicture longer = compose({3840, 2160}, "AAAA", 300);
    EXPECT_GT(longer.picture.width(), 3 * small.picture.width());
    EXPECT_EQ(longer.picture.height(), small.picture.height());
    EXPECT_TRUE(compose({1920, 1080}, "", 300).picture.empty());
    EXPECT_TRUE(compose({1920, 1080}, "   ", 300).picture.empty()) << "no ink, no picture";
}

}  // namespace
}  // namespace norvi::test
