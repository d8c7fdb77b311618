// Norvi on scaled displays: every window lays out its 96-dpi layout at its monitor's DPI,
// drawn natively, and stored values keep their meaning. The fake screen scripts each
// display's DPI; a move onto a display of another DPI reports the change as Windows does.
#include <set>

#include "about/about_window.h"
#include "fixture.h"
#include "floating/strip_painter.h"
#include "settings/finder/finder_window.h"
#include "settings/tffind.h"
#include "settings_window_fixture.h"
#include "ui/dpi_scale.h"
#include "ui/kit/button_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/tooltip.h"

namespace norvi::test {
namespace {

using ui::DpiScale;

std::set<Colour> coloursOf(const Bitmap& b) {
    std::set<Colour> colours;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) colours.insert(b.pixel(x, y));
    return colours;
}

// ---- the scale itself -----------------------------------------------------------------

TEST(DpiScale, UnitsAndPixelsAreExactInversesAtEveryScale) {
    for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        SCOPED_TRACE(dpi);
        const DpiScale s{dpi};
        for (int u = -300; u <= 3000; ++u) {
            ASSERT_EQ(s.units(s.px(u)), u);
            // Every pixel of a unit maps back to it, and none of the next one's.
            for (int x = s.px(u); x < s.px(u + 1); ++x) ASSERT_EQ(s.units(x), u) << "pixel " << x;
        }
        // A text's extent in units covers all of its pixels, with less than a unit to spare.
        for (int n = 1; n <= 500; ++n) {
            const int u = s.unitsCovering(n);
            ASSERT_GE(s.px(u), n);
            ASSERT_LT((u - 1) * dpi, n * 96);
        }
    }
}

TEST(DpiScale, LengthsScaleByDpiOver96RoundedAndLinesStayWhole) {
    struct Case {
        int dpi, units, pixels;
    };
    const Case cases[] = {{96, 1075, 1075}, {144, 1075, 1613}, {192, 1075, 2150}, {144, 27, 41},
                          {144, 5, 8},     {120, 1, 1},       {144, 1, 2},        {192, 13, 26}};
    for (const Case& c : cases) EXPECT_EQ(DpiScale{c.dpi}.px(c.units), c.pixels) << c.dpi << " " << c.units;
    EXPECT_EQ(DpiScale{96}.stroke(1), 1);
    EXPECT_EQ(DpiScale{120}.stroke(1), 1);
    EXPECT_EQ(DpiScale{192}.stroke(1), 2);
    EXPECT_EQ(DpiScale::of(0).dpi, 96) << "a failed system call reads as 96";
}

// ---- the floating strip ---------------------------------------------------------------

struct StripCase {
    int dpi;
    Size pixels;
    int splitterLeft, numLeft;  // where the default Caps width 75 puts them
    int corner;
};
constexpr StripCase kStripCases[] = {
    {96, {120, 27}, 75, 78, 5},
    {144, {180, 41}, 113, 117, 8},
    {192, {240, 54}, 150, 156, 10},
};

class HighDpi : public ProgramTest {
protected:
    // One display of 3840 x 2160 at the given DPI.
    void useDpi(int dpi) {
        pf.display.setPrimary(3840, 2160, 80);
        pf.display.displayDpi = {dpi};
    }
    // The primary at 96 dpi and a second display to its right at the given one.
    void addSecondDisplay(int dpi) {
        pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 5760, 2160}};
        pf.display.displayDpi = {96, dpi};
    }
};

TEST_F(HighDpi, TheStripIsTheSameLayoutScaledWithItsFontsAndCorner) {
    for (const StripCase& c : kStripCases) {
        SCOPED_TRACE(c.dpi);
        useDpi(c.dpi);
        pf.keys.setToggled(kVkCapital, true);  // orange Caps cell, grey Num cell
        pf.text.drawnFonts.clear();
        Program& p = start();
        fake::FakeWindow& w = floatingWindow();
        const DpiScale s{c.dpi};
        EXPECT_EQ(w.clientSize(), c.pixels);
        EXPECT_EQ(w.picture.width(), c.pixels.width);
        EXPECT_EQ(w.picture.height(), c.pixels.height);
        EXPECT_EQ(w.region, (Rect{c.pixels.width, c.pixels.height, c.corner, c.corner}));
        // Caps colour up to the Num cell (the splitter takes the Caps colour), Num after.
        const Colour caps = p.mainform->Ctabla.colour(), num = p.mainform->NTABLA.colour();
        ASSERT_NE(caps, num);
        const int y = c.pixels.height / 2;
        EXPECT_EQ(w.picture.pixel(0, 1), caps);
        EXPECT_EQ(w.picture.pixel(c.numLeft - 1, 1), caps);
        EXPECT_EQ(w.picture.pixel(c.numLeft, 1), num);
        EXPECT_EQ(w.picture.pixel(c.pixels.width - 1, y), num);
        // The texts are drawn at the fonts' scaled heights, not stretched.
        const auto drawn = [&](int height, bool bold) {
            return std::any_of(pf.text.drawnFonts.begin(), pf.text.drawnFonts.end(),
                               [&](const FontSpec& f) { return f.charHeight == height && f.bold == bold; });
        };
        EXPECT_TRUE(drawn(s.px(16), true)) << "the Caps cell's bold Arial";
        EXPECT_TRUE(drawn(s.px(19), false)) << "the Num cell's Arial";
        // The pointer is read in units: the splitter is where it shows.
        w.onMouseDown(MouseButton::Left, {c.splitterLeft + 1, y});
        EXPECT_TRUE(w.captured) << "a press on the scaled splitter grabs it";
        w.onMouseUp(MouseButton::Left, {c.splitterLeft + 1, y});
        EXPECT_EQ(p.mainform->Ctabla.width(), 75);
        program.reset();
    }
}

TEST_F(HighDpi, CtablaWStaysIn96DpiUnitsAndLeftTopInDevicePixels) {
    useDpi(192);
    writeConfig("[Config]\nleft=3000\ntop=2000\nCtablaW=60\n");
    Program& p = start();
    fake::FakeWindow& w = floatingWindow();
    EXPECT_EQ(p.mainform->Ctabla.width(), 60);
    EXPECT_EQ(w.picture.pixel(119, 1), p.mainform->Ctabla.colour()) << "60 units are 120 pixels";
    EXPECT_EQ(w.picture.pixel(126, 1), p.mainform->NTABLA.colour()) << "after the 6-pixel splitter";
    // The load rules compare in pixels with the real screen: both positions stand.
    EXPECT_EQ(w.bounds(), Rect::fromSize(3000, 2000, 240, 54));
    // A drag of the splitter by 20 pixels is 10 units.
    w.onMouseDown(MouseButton::Left, {121, 20});
    w.onMouseMove({141, 20});
    w.onMouseUp(MouseButton::Left, {141, 20});
    EXPECT_EQ(p.mainform->Ctabla.width(), 70);
    p.config.SaveSettings();
    EXPECT_EQ(stored("Config", "CtablaW"), "70");
    EXPECT_EQ(stored("Config", "left"), "3000");
    EXPECT_EQ(stored("Config", "top"), "2000");
}

TEST_F(HighDpi, ActivationKeepsTheScaledStripOnThePrimaryScreen) {
    useDpi(192);
    Program& p = start();
    p.mainform->moveTo(1000, 2150);
    floatingWindow().onActivate();
    EXPECT_EQ(floatingWindow().bounds().top, 2160 - 54) << "its real height reaches the bottom";
}

TEST_F(HighDpi, AMoveOntoAScaledDisplayRelaysTheStripOut) {
    addSecondDisplay(192);
    Program& p = start();
    fake::FakeWindow& w = floatingWindow();
    ASSERT_EQ(w.clientSize(), (Size{120, 27}));
    p.mainform->moveTo(3000, 500);
    EXPECT_EQ(w.bounds(), Rect::fromSize(3000, 500, 240, 54));
    EXPECT_EQ(w.region, (Rect{240, 54, 10, 10}));
    EXPECT_EQ(w.picture.width(), 240);
    EXPECT_EQ(p.mainform->Ctabla.width(), 75) << "the split is the same";
    // The snap distance scales with it: 15 pixels from the right edge snaps at 192 dpi.
    w.setBounds(Rect::fromSize(5760 - 240 - 15, 500, 240, 54));
    EXPECT_EQ(w.bounds().left, 5760 - 240);
    p.mainform->moveTo(100, 100);
    EXPECT_EQ(w.clientSize(), (Size{120, 27})) << "and back at 96 dpi";
}

// ---- the dialogs ----------------------------------------------------------------------

class HighDpiSettings : public SettingsWindowTest {};

TEST_F(HighDpiSettings, TheDialogIsLaidOutAtTheScaleAndReadsThePointerInUnits) {
    pf.display.setPrimary(3840, 2160, 80);
    pf.display.displayDpi = {192};
    start();
    whileOpen([&] {
        EXPECT_EQ(win().bounds(), Rect::fromSize((3840 - 2150) / 2, (2160 - 1500) / 2, 2150, 1500))
            << "1075 x 750 scaled and centred on the primary screen";
        EXPECT_EQ(sw().form().picture().width(), 2150);
        EXPECT_EQ(sw().form().picture().height(), 1500);
        // The OK button is where its scaled rectangle shows it.
        const Point ok = centreOf(sw().okButton());
        const Rect okPixels = DpiScale{192}.px(Rect::fromSize(inForm(sw().okButton()).x, inForm(sw().okButton()).y,
                                                              75, 25));
        EXPECT_EQ(sw().form().picture().pixel(okPixels.left, okPixels.top), 0x0095867Bu) << "its border";
        // One wheel notch scrolls the Watermark page 8 units, 16 pixels.
        sw().selectPage(static_cast<int>(SettingsPage::Watermark));
        wheel(-kWheelNotch, {200, 600});
        EXPECT_EQ(sw().watermarkScroll().offset(), 8);
        click(DpiScale{192}.px(ok));
    });
    EXPECT_FALSE(d().visible()) << "a click at the button's pixels pressed OK";
}

TEST_F(HighDpiSettings, ADpiChangeTakesTheSuggestedRectangleAndComposesAtTheNewScale) {
    pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 1920 + 2880, 1620}};
    pf.display.displayDpi = {96, 144};
    start();
    whileOpen([&] {
        ASSERT_EQ(win().clientSize(), (Size{1075, 750}));
        // Dragged onto the 144-dpi display: the system suggests the scaled size there.
        win().setBounds(Rect::fromSize(2500, 100, 1075, 750));
        EXPECT_EQ(win().bounds(), Rect::fromSize(2500, 100, 1613, 1125));
        EXPECT_EQ(sw().form().scale().dpi, 144);
        EXPECT_EQ(sw().form().picture().width(), 1613);
        EXPECT_EQ(sw().form().picture().height(), 1125);
        click(DpiScale{144}.px(centreOf(sw().cancelButton())));
    });
    EXPECT_FALSE(d().visible()) << "the pointer is read at the new scale";
    EXPECT_EQ(d().rememberedLeft, 2500) << "the dialog's place stays a screen position";
}

TEST_F(HighDpi, TheFinderAndTheAboutBoxAreScaledToo) {
    useDpi(144);
    Program& p = start();
    p.fabout->show();
    fake::FakeWindow& about = *pf.window(kAboutClassName);
    EXPECT_EQ(about.clientSize().width, 773) << "515 wide inside";
    EXPECT_EQ(about.bounds().height(), 492) << "328 high in all";
    auto finder = FinderWindow::create(pf, p.fFind->st, kNoWindow);
    ASSERT_NE(finder, nullptr);
    finder->centre(pf.display.primarySize());
    EXPECT_EQ(pf.window(kFinderClassName)->bounds(), Rect::fromSize((3840 - 858) / 2, (2160 - 981) / 2, 858, 981));
}

TEST(HighDpiTooltip, ATooltipTakesTheScaleOfTheDisplayUnderThePointer) {
    fake::FakePlatform pf;
    pf.display.displayDpi = {192};
    ui::kit::Tooltip tip(pf, ui::kit::TooltipStyle{});
    tip.show("Close", {100, 100});
    fake::FakeWindow& w = *pf.window(ui::kit::kTooltipClassName);
    // The fake's 12-pixel Segoe UI at 192 dpi: 24 high, 14-pixel advance per character.
    const Size text = pf.text.textExtent(FontSpec{"Segoe UI", 24}, "Close");
    EXPECT_EQ(w.bounds(), Rect::fromSize(100 + 20, 100 + 40, text.width + 2 * 14, text.height + 2 * 8));
    EXPECT_EQ(pf.text.drawnFonts.back().charHeight, 24);
}

// ---- pictures -------------------------------------------------------------------------

TEST_F(HighDpi, TrayPicturesComeAtTheShellsSizeWithTheirTwoColours) {
    for (Size size : {Size{16, 16}, Size{24, 24}, Size{32, 32}}) {
        SCOPED_TRACE(size.width);
        pf.display.trayIcon = size;
        Program& p = start();
        const Bitmap& shown = pf.trayIcon(1)->picture;
        EXPECT_EQ(shown.width(), size.width);
        EXPECT_EQ(shown.height(), size.height);
        EXPECT_EQ(coloursOf(shown), (std::set<Colour>{p.colours.capsOffColor, p.colours.capsOffFontColor}));
        EXPECT_EQ(p.tray.MaliA.width(), 32) << "the state pictures are recoloured at their own size";
        program.reset();
    }
    pf.display.trayIcon = {32, 32};
    Program& p = start();
    EXPECT_EQ(pf.trayIcon(1)->picture, p.tray.MaliA) << "at the art's own size, the art itself";
}

TEST_F(HighDpi, TheWatermarkIconScalesByWholePixelsAndKeepsTwoColours) {
    for (int dpi : {144, 192}) {
        SCOPED_TRACE(dpi);
        useDpi(dpi);
        Program& p = start();
        stopPoll();
        p.floatTXT->PaintIcon(50);
        const Bitmap& shown = watermarkWindow().picture;
        const Colour icon = p.watermark.iconImages[0].pixel(128, 12);
        ASSERT_NE(icon, kKeyColour);
        EXPECT_EQ(coloursOf(shown), (std::set<Colour>{kKeyColour, icon}));
        // The art's frame, dpi / 96 times as large.
        const Rect art = boxOf(p.watermark.iconImages[0], icon), box = boxOf(shown, icon);
        EXPECT_NEAR(box.width(), art.width() * dpi / 96, 1);
        EXPECT_NEAR(box.height(), art.height() * dpi / 96, 1);
        program.reset();
    }
}

}  // namespace
}  // namespace norvi::test
