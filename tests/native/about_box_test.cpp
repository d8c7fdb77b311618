// The about box: its version line from the program file's version record, its look, and
// "About..." showing one box however often it is chosen.
#include "about/about_window.h"
#include "about/version_text.h"
#include "fixture.h"

namespace norvi::test {
namespace {

TEST(AboutVersion, FourNumbersJoinedWithoutPaddingAndNothingWithoutARecord) {
    const struct {
        std::optional<FileVersion> version;
        const char* text;
    } cases[] = {
        {FileVersion{10, 0, 19041, 1}, "10.0.19041.1"},
        {FileVersion{1, 0, 0, 1}, "1.0.0.1"},
        {FileVersion{0, 0, 0, 0}, "0.0.0.0"},
        {FileVersion{65535, 65535, 65535, 65535}, "65535.65535.65535.65535"},
        {std::nullopt, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(versionText(c.version), c.text);
}

class AboutBox : public ProgramTest {
protected:
    Tfabout& about() { return *program->fabout; }
    fake::FakeWindow& native() { return *pf.window("Tfabout"); }
    void chooseAbout() { program->mainform->menu.About1.choose(); }
    void click(const ui::kit::View& v) {
        const Rect b = v.bounds();
        const Point p{b.left + b.width() / 2, b.top + b.height() / 2};
        native().onMouseDown(MouseButton::Left, p);
        native().onMouseUp(MouseButton::Left, p);
    }
};

TEST_F(AboutBox, ShowsTheRunningFilesVersionEachTimeItBecomesActive) {
    pf.ver.versions[pf.disk.program] = {10, 0, 19041, 1};
    start();
    EXPECT_FALSE(native().isVisible()) << "hidden after start-up";
    chooseAbout();
    EXPECT_TRUE(native().isVisible());
    EXPECT_EQ(about().versionLine(), "10.0.19041.1");
    // The file is replaced by a newer one while the box is open.
    pf.ver.versions[pf.disk.program] = {1, 0, 0, 1};
    native().onActivate();
    EXPECT_EQ(about().versionLine(), "1.0.0.1");
    pf.ver.versions.clear();
    native().onActivate();
    EXPECT_EQ(about().versionLine(), "") << "no version record: no version shown";
}

TEST_F(AboutBox, AboutChosenTwiceShowsOneBoxAndBringsItToTheFront) {
    start();
    chooseAbout();
    chooseAbout();
    EXPECT_EQ(std::count_if(pf.windows.begin(), pf.windows.end(),
                            [](fake::FakeWindow* w) { return w->args.className == "Tfabout"; }),
              1);
    EXPECT_EQ(native().showCalls, 1);
    EXPECT_EQ(native().bringToFrontCalls, 1);
    // Closed, it shows again on the next choice.
    click(*about().window()->closeButton);
    EXPECT_FALSE(native().isVisible());
    EXPECT_FALSE(about().visible());
    chooseAbout();
    EXPECT_TRUE(native().isVisible());
    EXPECT_EQ(native().showCalls, 2);
}

TEST_F(AboutBox, CreationAndActivationRecordTheForegroundWindow) {
    pf.desk.foreground = 111;
    start();
    EXPECT_EQ(program->lock.LastForegroundWnd, 111u);
    chooseAbout();
    pf.desk.foreground = native().handle();
    native().onActivate();
    EXPECT_EQ(program->lock.LastForegroundWnd, native().handle());
}

TEST_F(AboutBox, IsATopmostCentredBoxWithNameVersionPictureNoticeAndCloseBar) {
    pf.ver.versions[pf.disk.program] = {1, 0, 0, 1};
    start();
    chooseAbout();
    fake::FakeWindow& w = native();
    EXPECT_EQ(w.args.title, "About");
    EXPECT_TRUE(w.args.topmost);
    EXPECT_EQ(w.bounds(), Rect::fromSize((1920 - 515) / 2, (1080 - 328) / 2, 515, 328));
    pf.clock.advance(5);  // the repaint after the version line changed
    const Bitmap& picture = w.picture;
    ASSERT_EQ(picture.width(), 515);
    ASSERT_EQ(picture.height(), 328);
    AboutWindow& a = *about().window();
    EXPECT_EQ(a.name->text(), "Norvi");
    // Black ink of the name, grey ink of the version and the notice, each centred.
    const Rect nameBox = a.name->bounds();
    int nameInk = 0;
    for (int y = nameBox.top; y < nameBox.bottom; ++y)
        for (int x = nameBox.left; x < nameBox.right; ++x) nameInk += picture.pixel(x, y) == 0x00000000;
    EXPECT_GT(nameInk, 5 * 33) << "five letters of 33 pixels";
    const Rect greyInk = boxOf(picture, kAboutGreyText);
    EXPECT_LE(greyInk.top, a.version->bounds().bottom) << "the version line is drawn";
    EXPECT_GE(greyInk.bottom, a.notice->bounds().top) << "the notice line is drawn";
    EXPECT_NEAR(greyInk.left + greyInk.right, 515, 2) << "centred";
    // The picture in the middle, 48 x 48.
    EXPECT_EQ(a.picture->size(), (Size{48, 48}));
    EXPECT_EQ(a.picture->bounds().left, (515 - 48) / 2);
    const Rect pic = a.picture->bounds();
    int drawn = 0;
    for (int y = pic.top; y < pic.bottom; ++y)
        for (int x = pic.left; x < pic.right; ++x) drawn += picture.pixel(x, y) != kAboutPanel;
    EXPECT_GT(drawn, 48 * 48 / 4) << "the picture is drawn";
    // The bottom bar with "Close" at its right.
    EXPECT_EQ(picture.pixel(5, 328 - 5), kAboutBottomBar);
    EXPECT_EQ(picture.pixel(5, 328 - 51), kAboutBottomBar);
    EXPECT_NE(picture.pixel(5, 328 - 52), kAboutBottomBar);
    EXPECT_EQ(a.closeButton->size(), (Size{75, 25}));
    EXPECT_GT(a.closeButton->bounds().left, 515 / 2);
    EXPECT_GE(a.closeButton->bounds().top, 328 - 51);
}

TEST_F(AboutBox, TheTitleCloseButtonAndEscapeCloseItAndABarePressMovesIt) {
    start();
    const std::function<void()> closers[] = {
        [&] { click(*about().window()->titleClose); },
        [&] { native().onKeyDown(0x1B, {}); },
        [&] { native().close(); },
    };
    for (const auto& close : closers) {
        chooseAbout();
        ASSERT_TRUE(native().isVisible());
        close();
        EXPECT_FALSE(native().isVisible());
    }
    chooseAbout();
    const int moves = native().systemMoves;
    native().onMouseDown(MouseButton::Left, {40, 200});
    EXPECT_EQ(native().systemMoves, moves + 1);
    click(*about().window()->closeButton);
    EXPECT_EQ(native().systemMoves, moves + 1);
}

}  // namespace
}  // namespace norvi::test
