// The tray: recolouring of the state pictures, which picture each icon shows, the click
// timer, the default item after a double-click, the right button and shell restarts.
#include "fixture.h"
#include "resources/built_in_pictures.h"
#include "tray/recolor_icon.h"

namespace norvi::test {
namespace {

constexpr Colour kGrey = 0x00808080;
constexpr Colour kWhite = 0x00FFFFFF;

Bitmap builtIn(const char* name) {
    fake::FakeResources res;
    loadGeneratedResources(res);
    return loadBuiltInPicture(res, name);
}

int count(const Bitmap& b, Colour c) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) == c;
    return n;
}

// ---- RecolorIcon ----------------------------------------------------------------------

TEST(TrayRecolor, BackgroundAndGlyphTakeTheirNewColours) {
    const Bitmap a = builtIn("VelikiA");
    const Bitmap r = RecolorIcon(a, 0x000080FF, 0x00102030, {15, 19});
    EXPECT_EQ(count(r, 0x000080FF), count(a, 0x000000FF));
    EXPECT_EQ(count(r, 0x00102030), count(a, kWhite));
    EXPECT_EQ(r.pixel(1, 1), 0x000080FFu);
    EXPECT_EQ(r.pixel(15, 19), 0x00102030u);
}

TEST(TrayRecolor, TheDefaultNumOffPictureBecomesAPlainGreySquareAndStaysOne) {
    const Bitmap grey = RecolorIcon(builtIn("Mali7"), kGrey, kGrey, {15, 19});
    EXPECT_EQ(count(grey, kGrey), 32 * 32);
    // A later glyph colour cannot find the glyph again: the whole square changes.
    const Bitmap again = RecolorIcon(grey, kGrey, 0x00000000, {15, 19});
    EXPECT_EQ(count(again, 0x00000000), 32 * 32);
}

TEST(TrayRecolor, ANewBackgroundEqualToTheOldGlyphColourFloodsThePicture) {
    // Background pixels first become white, then match the old glyph colour on the second test.
    const Bitmap r = RecolorIcon(builtIn("MaliA"), kWhite, 0x000000FF, {12, 16});
    EXPECT_EQ(count(r, 0x000000FF), 32 * 32);
}

TEST(TrayRecolor, SamplesAreTakenBeforeAnythingChangesAndThirdColoursStay) {
    Bitmap b(32, 32, 24, 0x00111111);
    b.setPixel(15, 19, 0x00222222);
    b.setPixel(0, 0, 0x00333333);
    // Swapping the two colours must not run one replacement into the other.
    const Bitmap r = RecolorIcon(b, 0x00222222, 0x00444444, {15, 19});
    EXPECT_EQ(r.pixel(15, 19), 0x00444444u);
    EXPECT_EQ(r.pixel(0, 0), 0x00333333u) << "a third colour stays";
    EXPECT_EQ(count(r, 0x00444444), 32 * 32 - 1) << "the new background equals the old glyph: flooded";
}

TEST(TrayRecolor, TheTransparentKeyColourIsKeptForThePlatform) {
    const Bitmap r = RecolorIcon(builtIn("VelikiA"), 0x00000066, kWhite, {15, 19});
    EXPECT_EQ(count(r, 0x00000066), count(builtIn("VelikiA"), 0x000000FF));
    // Recolouring again still finds the background, now 0x66.
    const Bitmap again = RecolorIcon(r, 0x00FF0000, kWhite, {15, 19});
    EXPECT_EQ(again.pixel(1, 1), 0x00FF0000u);
}

TEST(TrayRecolor, AlwaysGivesA32x32PictureWhateverItGets) {
    for (const Bitmap& in : {Bitmap(), Bitmap(5, 5, 24, kGrey), Bitmap(64, 40, 32, kGrey)}) {
        const Bitmap r = RecolorIcon(in, 0x00ABCDEF, kWhite, {15, 19});
        ASSERT_EQ(r.width(), 32);
        ASSERT_EQ(r.height(), 32);
        EXPECT_EQ(r.pixel(1, 1), 0x00ABCDEFu);
    }
}

TEST(TrayRecolor, ColoursWithTheTopByteSetPaintTheirLowThreeBytes) {
    const Bitmap r = RecolorIcon(builtIn("MaliA"), 0xFF0080FF, 0x80FFFFFF, {12, 16});
    EXPECT_EQ(r.pixel(1, 1), 0x000080FFu);
    EXPECT_EQ(r.pixel(12, 16), 0x00FFFFFFu);
}

// ---- the icons in a running Norvi -----------------------------------------------------

class Tray : public ProgramTest {
protected:
    fake::FakeTrayIcon& capsTray() { return *pf.trayIcon(1); }
    fake::FakeTrayIcon& numTray() { return *pf.trayIcon(2); }
};

TEST_F(Tray, StartUpShowsTheRecolouredStatePictures) {
    pf.keys.setToggled(kVkNumLock, true);
    Program& p = start();
    EXPECT_TRUE(capsTray().present);
    EXPECT_TRUE(numTray().present);
    EXPECT_EQ(capsTray().hint, "Norvi");
    EXPECT_EQ(numTray().hint, "Norvi");
    EXPECT_EQ(capsTray().picture, p.tray.MaliA);
    EXPECT_EQ(capsTray().picture.pixel(1, 1), p.colours.capsOffColor);
    EXPECT_EQ(capsTray().picture.pixel(12, 16), p.colours.capsOffFontColor);
    EXPECT_EQ(numTray().picture, p.tray.Veliki7);
    EXPECT_EQ(numTray().picture.pixel(1, 1), p.colours.numOnColor);
    EXPECT_EQ(numTray().picture.pixel(15, 19), p.colours.numOnFontColor);
    EXPECT_EQ(count(p.tray.Mali7, kGrey), 32 * 32) << "default Num-off colours: grey on grey";
    EXPECT_EQ(p.tray.VelikiA.pixel(1, 1), p.colours.capsOnColor) << "pictures not shown are recoloured too";
}

TEST_F(Tray, BarvajIkonePointsTheIconsAtTheCurrentStatesAndRepaintsTheCells) {
    Program& p = start();
    p.colours.capsOnColor = 0x00123456;
    p.colours.capsOnFontColor = 0x00654321;
    pf.keys.setToggled(kVkCapital, true);
    p.tray.barvajIkone();
    EXPECT_EQ(capsTray().picture.pixel(1, 1), 0x00123456u);
    EXPECT_EQ(capsTray().picture.pixel(15, 19), 0x00654321u);
    EXPECT_EQ(p.mainform->Ctabla.colour(), 0x00123456u);
    EXPECT_EQ(p.lock.capsShown, 1);
}

TEST_F(Tray, AHiddenNumIconKeepsItsPictureAndShowsTheCurrentOneWhenShownAgain) {
    Program& p = start();
    p.tray.CTI2.setVisible(false);
    EXPECT_FALSE(numTray().present);
    pf.keys.setToggled(kVkNumLock, true);
    p.tray.barvajIkone();
    p.tray.CTI2.setVisible(true);
    EXPECT_TRUE(numTray().present);
    EXPECT_EQ(numTray().picture, p.tray.Veliki7);
}

TEST_F(Tray, AShellRestartBringsBackTheIconsMeantToBeVisible) {
    writeConfig("[Config]\nSNL=0\n");
    Program& p = start();
    EXPECT_FALSE(numTray().present);
    capsTray().present = false;  // the shell forgot everything
    pf.desk.restartShell();
    EXPECT_TRUE(capsTray().present);
    EXPECT_EQ(capsTray().picture, p.tray.MaliA);
    EXPECT_FALSE(numTray().present) << "a hidden Num icon stays hidden";
}

TEST_F(Tray, AFailedAddIsRetriedAtTheNextShellRestart) {
    Program& p = start();
    p.tray.CTI2.setVisible(false);
    numTray().failAdd = true;
    p.tray.CTI2.setVisible(true);
    EXPECT_FALSE(numTray().present);
    EXPECT_TRUE(p.tray.CTI2.visible()) << "the flag keeps what was asked";
    numTray().failAdd = false;
    pf.desk.restartShell();
    EXPECT_TRUE(numTray().present);
}

TEST_F(Tray, WithoutBuiltInPicturesTheIconsArePlainSquaresOfTheCellColours) {
    pf.res.items.clear();
    Program& p = start();
    EXPECT_EQ(capsTray().picture.width(), 32);
    EXPECT_EQ(count(capsTray().picture, p.colours.capsOffColor), 32 * 32);
}

// ---- mouse ----------------------------------------------------------------------------

class TrayMouseTest : public Tray {
protected:
    void SetUp() override {
        pf.display.doubleClickTime = 300;
        Program& p = start();
        p.mainform->openSettings = [this] {
            ++opened;
            dopWhenOpened = program->mainform->menu.Dop.checked();
        };
        p.mainform->showPopupMenu = [this](Point at, WindowHandle owner) {
            menuAt.push_back(at);
            menuOwners.push_back(owner);
        };
    }
    void mouse(std::initializer_list<TrayMouse> events) {
        for (TrayMouse e : events) capsTray().onMouse(e);
    }
    int opened = 0;
    bool dopWhenOpened = false;
    std::vector<Point> menuAt;
    std::vector<WindowHandle> menuOwners;
};

TEST_F(TrayMouseTest, AClickOpensTheSettingsOnlyAfterTheDoubleClickTime) {
    mouse({TrayMouse::LeftDown, TrayMouse::LeftUp});
    run(299);
    EXPECT_EQ(opened, 0);
    run(1);
    EXPECT_EQ(opened, 1);
    run(2000);
    EXPECT_EQ(opened, 1) << "one-shot";
}

TEST_F(TrayMouseTest, TheNumIconClicksAlike) {
    numTray().onMouse(TrayMouse::LeftDown);
    numTray().onMouse(TrayMouse::LeftUp);
    run(300);
    EXPECT_EQ(opened, 1);
}

TEST_F(TrayMouseTest, APressHeldPastTheDoubleClickTimeStillClicksOnRelease) {
    mouse({TrayMouse::LeftDown});
    run(1000);
    EXPECT_EQ(opened, 0);
    mouse({TrayMouse::LeftUp});
    EXPECT_EQ(opened, 1);
}

TEST_F(TrayMouseTest, ADoubleClickOpensTheSettingsOnceThenRunsTheDefaultItem) {
    bool defaultRan = false;
    program->mainform->menu.Dop.onClick = [&] { defaultRan = true; };
    const bool dopBefore = program->mainform->menu.Dop.checked();
    mouse({TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::LeftDoubleClick, TrayMouse::LeftUp});
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(dopWhenOpened, dopBefore) << "the default item runs after the dialog has closed";
    EXPECT_NE(program->mainform->menu.Dop.checked(), dopBefore) << "Iconic Indicator toggled as if chosen";
    EXPECT_TRUE(defaultRan);
    run(2000);
    EXPECT_EQ(opened, 1) << "the pending click was cancelled";
}

TEST_F(TrayMouseTest, TheSystemDoubleClickTimeIsReadAtEachPress) {
    pf.display.doubleClickTime = 900;
    mouse({TrayMouse::LeftDown, TrayMouse::LeftUp});
    run(899);
    EXPECT_EQ(opened, 0);
    run(1);
    EXPECT_EQ(opened, 1);
}

// The hidden application window comes forward and owns the menu, not the strip: the
// strip's activation would take the cue of a press the poll has not seen yet.
TEST_F(TrayMouseTest, TheRightButtonBringsTheApplicationWindowForwardAndShowsTheMenuAtThePointer) {
    pf.desk.foreground = 4242;
    pf.display.cursor = {1800, 1050};
    run(1000);
    const std::size_t sounds = pf.audio.played.size();
    const int stripRaised = floatingWindow().bringToFrontCalls;
    press(kVkCapital);
    mouse({TrayMouse::RightDown});
    EXPECT_EQ(pf.desk.foreground, fake::FakeDesktop::kApplicationWindow);
    EXPECT_EQ(menuOwners, (std::vector<WindowHandle>{fake::FakeDesktop::kApplicationWindow}));
    EXPECT_EQ(menuAt, (std::vector<Point>{{1800, 1050}}));
    EXPECT_EQ(floatingWindow().bringToFrontCalls, stripRaised) << "the strip's activation handler did not run";
    run(125);
    EXPECT_EQ(pf.audio.played.size(), sounds + 1) << "the press before the menu is still cued";
    EXPECT_TRUE(watermarkWindow().isVisible());
    run(1000);
    EXPECT_EQ(opened, 0);
}

}  // namespace
}  // namespace norvi::test
