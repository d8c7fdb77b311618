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

TEST_F(AboutBox, IsATopmostCentredTitledBoxWithNameVersionPictureNoticeAndCloseBar) {
    pf.ver.versions[pf.disk.program] = {1, 0, 0, 1};
    start();
    chooseAbout();
    fake::FakeWindow& w = native();
    EXPECT_EQ(w.args.title, "About");
    EXPECT_TRUE(w.args.topmost);
    EXPECT_TRUE(w.args.titleBar);
    // 515 wide inside the fake's 3-pixel borders, 328 high outside, centred as a whole.
    EXPECT_EQ(w.bounds(), Rect::fromSize((1920 - 521) / 2, (1080 - 328) / 2, 521, 328));
    const int h = 328 - 26 - 3;
    EXPECT_EQ(w.clientSize(), (Size{515, h}));
    pf.clock.advance(5);  // the repaint after the version line changed
    const Bitmap& picture = w.picture;
    ASSERT_EQ(picture.width(), 515);
    ASSERT_EQ(picture.height(), h);
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
    EXPECT_EQ(a.closeButton->size(), (Size{75, 25}));
}

// The frame differs between systems and display scales: whatever client height it leaves,
// the bar keeps its 51 pixels at the bottom with "Close" in it, and the lines stay whole
// and centred in the panel above.
TEST(AboutLayout, FollowsTheClientHeightTheFrameLeaves) {
    const fake::FrameInsets frames[] = {{3, 26, 3, 3}, {8, 31, 8, 8}, {1, 19, 1, 1}, {0, 0, 0, 0}};
    for (const fake::FrameInsets& frame : frames) {
        SCOPED_TRACE(testing::Message() << "caption and border " << frame.top << "/" << frame.bottom);
        fake::FakePlatform pf;
        loadGeneratedResources(pf.res);
        pf.titleBarFrame = frame;
        const std::unique_ptr<AboutWindow> about = AboutWindow::create(pf);
        ASSERT_NE(about, nullptr);
        fake::FakeWindow& w = *pf.window("Tfabout");
        const int h = 328 - frame.top - frame.bottom;
        EXPECT_EQ(w.bounds().height(), 328);
        EXPECT_EQ(w.clientSize(), (Size{515, h}));
        const Bitmap& picture = w.picture;
        ASSERT_EQ(picture.height(), h);
        // The bottom bar: exactly its last 51 rows.
        const int barTop = h - 51;
        EXPECT_EQ(picture.pixel(5, h - 1), kAboutBottomBar);
        EXPECT_EQ(picture.pixel(5, barTop), kAboutBottomBar);
        EXPECT_NE(picture.pixel(5, barTop - 1), kAboutBottomBar);
        const Rect close = about->closeButton->bounds();
        EXPECT_EQ(close.right, 515 - 12);
        EXPECT_EQ(close.top - barTop, h - close.bottom) << "centred in the bar";
        EXPECT_NE(picture.pixel(close.left + 3, close.top + 3), kAboutBottomBar) << "the button is drawn";
        // The lines, top to bottom, inside the panel with equal room above and below.
        const Rect name = about->name->bounds(), notice = about->notice->bounds();
        EXPECT_LT(about->name->bounds().bottom, about->version->bounds().top);
        EXPECT_LT(about->version->bounds().bottom, about->picture->bounds().top);
        EXPECT_LT(about->picture->bounds().bottom, notice.top);
        EXPECT_NEAR(name.top, barTop - notice.bottom, 1);
        const Rect noticeInk = boxOf(picture, kAboutGreyText);
        EXPECT_GT(noticeInk.bottom, notice.top) << "the notice is drawn";
        EXPECT_LE(noticeInk.bottom, barTop);
    }
}

TEST_F(AboutBox, TheTitleBarsCloseBoxCloseAndEscapeHideItAndABarePressMovesIt) {
    start();
    const WindowHandle handle = native().handle();
    const std::function<void()> closers[] = {
        [&] { native().close(); },  // the title bar's close box, as WM_CLOSE
        [&] { click(*about().window()->closeButton); },
        [&] { native().onKeyDown(0x1B, {}); },
    };
    int shows = 0;
    for (const auto& close : closers) {
        chooseAbout();
        ASSERT_TRUE(native().isVisible());
        close();
        EXPECT_FALSE(native().isVisible());
        EXPECT_FALSE(about().visible());
        // Hidden, not gone: the next "About..." shows the same window again.
        ASSERT_NE(pf.window("Tfabout"), nullptr);
        EXPECT_EQ(native().handle(), handle);
        EXPECT_EQ(native().showCalls, ++shows);
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
