// The floating strip as a window: snapping, resize refusal, placement at start-up,
// activation, keep-on-top, the splitter, the Caps alignment rule and the mouse hooks.
#include "fixture.h"
#include "floating/floating_layout.h"
#include "floating/floating_snap.h"

namespace norvi::test {
namespace {

// ---- snapping (pure) ------------------------------------------------------------------

struct SnapCase {
    const char* what;
    Rect work;
    Point from;
    Point expected;
};

constexpr Rect kWork{0, 0, 1920, 1040};
constexpr SnapCase kSnapCases[] = {
    {"9 from the left snaps", kWork, {9, 500}, {0, 500}},
    {"10 from the left stays", kWork, {10, 500}, {10, 500}},
    {"9 left of the left edge snaps", kWork, {-9, 500}, {0, 500}},
    {"9 from the top snaps", kWork, {500, 9}, {500, 0}},
    {"10 from the top stays", kWork, {500, 10}, {500, 10}},
    {"9 from the right snaps", kWork, {1920 - 120 - 9, 500}, {1800, 500}},
    {"10 from the right stays", kWork, {1920 - 120 - 10, 500}, {1790, 500}},
    {"9 past the right snaps", kWork, {1920 - 120 + 9, 500}, {1800, 500}},
    {"9 from the bottom snaps", kWork, {500, 1040 - 27 - 9}, {500, 1013}},
    {"10 from the bottom stays", kWork, {500, 1040 - 27 - 10}, {500, 1003}},
    {"a corner snaps both ways", kWork, {1795, 1015}, {1800, 1013}},
    {"work area not at the origin", {1920, 100, 3840, 1180}, {1925, 95}, {1920, 100}},
    // A work area only 5 pixels wider and taller than the strip: left snaps first, then
    // right moves it again; top first, then bottom. The other order would end at 0.
    {"right works on what left left", {0, 0, 125, 32}, {3, 3}, {5, 5}},
};

TEST(FloatingSnap, EachEdgeSnapsCloserThan10InItsOrder) {
    for (const SnapCase& c : kSnapCases) {
        const Rect snapped = snapToWorkArea(Rect::fromSize(c.from.x, c.from.y, 120, 27), c.work);
        EXPECT_EQ((Point{snapped.left, snapped.top}), c.expected) << c.what;
        EXPECT_EQ(snapped.width(), 120) << c.what;
        EXPECT_EQ(snapped.height(), 27) << c.what;
    }
}

// ---- the window -----------------------------------------------------------------------

class FloatingWindow : public ProgramTest {
protected:
    Point position() { return {floatingWindow().bounds().left, floatingWindow().bounds().top}; }
    // The screen's work area is 0,0 - 1920,1040 (a 40-pixel taskbar).
    void setBounds(int x, int y, int w = 120, int h = 27) { floatingWindow().setBounds(Rect::fromSize(x, y, w, h)); }
};

TEST_F(FloatingWindow, AMoveSnapsToTheWorkAreaOfTheDisplayItIsOn) {
    pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1200}};
    start();
    setBounds(1920 - 120 - 9, 300);
    EXPECT_EQ(position(), (Point{1800, 300})) << "primary: flush with its right edge";
    setBounds(1925, 1200 - 27 - 5);
    EXPECT_EQ(position(), (Point{1920, 1173})) << "second display: its own edges, no taskbar";
    setBounds(700, 1040 - 27 + 4);
    EXPECT_EQ(position(), (Point{700, 1013})) << "the taskbar's edge counts, not the screen's";
}

TEST_F(FloatingWindow, EveryResizeIsRefused) {
    start();
    setBounds(400, 400, 300, 80);
    EXPECT_EQ(floatingWindow().bounds(), Rect::fromSize(400, 400, 120, 27));
}

struct PlacementCase {
    const char* config;  // the [Config] lines
    Point expected;
    int opacity;
};

// The primary screen is 1920 x 1080.
const PlacementCase kPlacements[] = {
    {"", {1720, 30}, 255},
    {"left=5\ntop=200\n", {300, 200}, 255},
    {"left=9\ntop=200\n", {300, 200}, 255},
    {"left=10\ntop=200\n", {10, 200}, 255},
    {"left=1880\ntop=200\n", {300, 200}, 255},       // screen width - 40
    {"left=1870\ntop=200\n", {1870, 200}, 255},      // screen width - 50 stays
    {"left=1921\ntop=200\n", {300, 200}, 255},       // beyond the screen
    {"left=500\ntop=-1\n", {500, 100}, 255},
    {"left=500\ntop=1081\n", {500, 300}, 255},        // one beyond the screen height
    {"left=500\ntop=1080\n", {500, 1080}, 255},       // the screen height stays until activation
    {"left=500\ntop=5\n", {500, 0}, 255},             // placed, then snapped like any move
    {"opacity=124\n", {1720, 30}, 150},
    {"opacity=125\n", {1720, 30}, 125},
    {"opacity=-3\n", {1720, 30}, 150},
    {"left=abc\ntop=\nopacity=x\n", {1720, 30}, 255},  // unreadable values take the defaults
};

TEST_F(FloatingWindow, StartUpPlacementFollowsTheStoredValuesAndTheirCorrections) {
    for (const PlacementCase& c : kPlacements) {
        SCOPED_TRACE(c.config);
        fake::FakePlatform fresh;
        loadGeneratedResources(fresh.res);
        fresh.disk.directories[fresh.disk.localAppData + "\\norvi"] = false;
        fresh.disk.files[fresh.disk.localAppData + "\\norvi\\norvi.cfg"] = std::string("[Config]\n") + c.config;
        Program p(fresh);
        p.start();
        const Rect b = fresh.window("Tmainform")->bounds();
        EXPECT_EQ((Point{b.left, b.top}), c.expected);
        EXPECT_EQ(p.mainform->opacity(), c.opacity);
        EXPECT_EQ(fresh.window("Tmainform")->layered.alpha, c.opacity);
        EXPECT_EQ(fresh.window("Tmainform")->region, (Rect{120, 27, 5, 5})) << "rounded region applied";
    }
}

TEST_F(FloatingWindow, DefaultLeftComesFromTheFirstDisplayInTheList) {
    pf.display.displayList = {{-1280, 0, 0, 1024}, {0, 0, 1920, 1080}};
    start();
    EXPECT_EQ(position().x, 1280 - 200);
}

TEST_F(FloatingWindow, ActivationPullsTheStripBackOntoThePrimaryScreen) {
    pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
    writeConfig("[Config]\nleft=500\ntop=1080\n");
    start();
    floatingWindow().onActivate();
    EXPECT_EQ(position(), (Point{500, 1080 - 27})) << "bottom edge meets the screen's bottom";

    setBounds(2500, 400);  // dragged onto the display on the right
    const int raises = floatingWindow().bringToFrontCalls;
    floatingWindow().onActivate();
    EXPECT_EQ(position(), (Point{1920 - 10, 400}));
    EXPECT_EQ(floatingWindow().bringToFrontCalls, raises + 1);

    setBounds(-50, 400);  // never pushed right
    floatingWindow().onActivate();
    EXPECT_EQ(position(), (Point{-50, 400}));
}

TEST_F(FloatingWindow, KeepOnTopRaisesOnlyAVisibleStripWhenTheForegroundChanged) {
    Program& p = start();
    fake::FakeWindow& w = floatingWindow();
    const auto raisesAfterTicks = [&](int ms) {
        const int before = w.bringToFrontCalls;
        run(ms);
        return w.bringToFrontCalls - before;
    };
    EXPECT_EQ(raisesAfterTicks(1000), 0) << "Timer2 is stopped until the settings dialog first closes";

    // The poll records the foreground window while the watermark shows; keep it out.
    stopPoll();
    p.mainform->Timer2->setEnabled(true);
    pf.desk.foreground = 777;
    p.lock.LastForegroundWnd = 555;
    EXPECT_EQ(raisesAfterTicks(250), 1);
    EXPECT_EQ(raisesAfterTicks(750), 3);

    p.lock.LastForegroundWnd = 777;  // the window that was in front when a menu opened
    EXPECT_EQ(raisesAfterTicks(1000), 0);

    p.lock.LastForegroundWnd = 555;
    p.mainform->hide();
    EXPECT_EQ(raisesAfterTicks(1000), 0) << "a hidden strip is never raised";
}

// ---- splitter -------------------------------------------------------------------------

struct SplitterCase {
    const char* what;
    int pressX;
    int releaseX;
    int expectedWidth;
};
// The splitter starts at x = 75 (Caps width 75) and covers 75...77.
constexpr SplitterCase kSplitterCases[] = {
    {"to the far left", 76, -40, 30},
    {"to the far right", 76, 400, 87},
    {"just inside the left limit", 75, 30, 30},
    {"just inside the right limit", 75, 87, 87},
    {"one beyond the right limit", 75, 88, 87},
    {"to the middle, grabbed at its right pixel", 77, 52, 50},
    {"not moved", 76, 76, 75},
};

TEST_F(FloatingWindow, TheSplitterDragsWithTheLeftButtonAndClampsOnRelease) {
    Program& p = start();
    fake::FakeWindow& w = floatingWindow();
    for (const SplitterCase& c : kSplitterCases) {
        SCOPED_TRACE(c.what);
        p.mainform->Ctabla.setWidth(75);
        w.onMouseDown(MouseButton::Left, {c.pressX, 10});
        EXPECT_TRUE(w.captured);
        w.onMouseMove({c.releaseX, 12});
        w.onMouseUp(MouseButton::Left, {c.releaseX, 12});
        EXPECT_FALSE(w.captured);
        EXPECT_EQ(p.mainform->Ctabla.width(), c.expectedWidth);
        EXPECT_EQ(w.systemMoves, 0) << "the splitter does not move the window";
    }
    // The Num cell takes the rest: with 87 it starts at 90.
    p.mainform->Ctabla.setWidth(87);
    EXPECT_EQ(stripPartAt(89, 87), StripPart::Splitter);
    EXPECT_EQ(w.picture.pixel(90, 1), p.mainform->NTABLA.colour());
    EXPECT_EQ(w.picture.pixel(89, 1), p.mainform->Split.colour());
}

TEST_F(FloatingWindow, OnlyTheLeftButtonDragsTheSplitter) {
    Program& p = start();
    fake::FakeWindow& w = floatingWindow();
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle}) {
        w.onMouseDown(b, {76, 10});
        w.onMouseMove({40, 10});
        w.onMouseUp(b, {40, 10});
        w.onMouseUp(MouseButton::Left, {40, 10});
        EXPECT_FALSE(w.captured);
        EXPECT_EQ(p.mainform->Ctabla.width(), 75);
    }
}

TEST_F(FloatingWindow, AThinLineFollowsThePointerWhileDragging) {
    Program& p = start();
    fake::FakeWindow& w = floatingWindow();
    const Bitmap before = w.picture;
    w.onMouseDown(MouseButton::Left, {76, 10});  // grabbed one pixel into the splitter
    w.onMouseMove({51, 10});
    // The line sits in the middle of where the splitter would go (Caps width 50).
    const Colour capsBackground = p.mainform->Ctabla.colour();
    for (int y = 0; y < 27; ++y) EXPECT_NE(w.picture.pixel(51, y), capsBackground) << "row " << y;
    EXPECT_EQ(w.picture.pixel(50, 1), capsBackground) << "one pixel wide";
    EXPECT_EQ(w.picture.pixel(52, 1), capsBackground);
    w.onMouseMove({10, 10});
    EXPECT_EQ(w.picture.pixel(51, 1), capsBackground) << "the old line is gone";
    EXPECT_NE(w.picture.pixel(31, 1), capsBackground) << "and stops at the limit";
    EXPECT_EQ(p.mainform->Ctabla.width(), 75) << "the cells change only on release";
    w.onMouseUp(MouseButton::Left, {76, 10});
    EXPECT_EQ(w.picture, before) << "no line after the release";
}

TEST_F(FloatingWindow, LosingTheCaptureMidDragCancelsIt) {
    Program& p = start();
    fake::FakeWindow& w = floatingWindow();
    const Bitmap before = w.picture;
    w.onMouseDown(MouseButton::Left, {76, 10});
    w.onMouseMove({51, 10});
    ASSERT_NE(w.picture, before) << "the line shows";
    w.takeCaptureAway();  // Alt+Tab mid-drag
    EXPECT_EQ(w.picture, before) << "the line is gone";
    EXPECT_EQ(p.mainform->Ctabla.width(), 75) << "the width stays";
    w.onMouseMove({40, 10});
    EXPECT_EQ(w.picture, before) << "nothing follows the pointer any more";
    w.onMouseUp(MouseButton::Left, {40, 10});
    EXPECT_EQ(p.mainform->Ctabla.width(), 75) << "a later release applies nothing";
    EXPECT_EQ(w.cursorAt({40, 10}), CursorKind::Arrow);
}

TEST_F(FloatingWindow, TheSplitterShowsTheHorizontalSplitCursorAlsoWhileDragged) {
    Program& p = start();
    fake::FakeWindow& w = floatingWindow();
    struct Case {
        int x;
        CursorKind cursor;
    };
    // The splitter covers 75 ... 77 with the Caps width 75.
    for (const Case& c : {Case{74, CursorKind::Arrow}, Case{75, CursorKind::SplitHorizontal},
                          Case{77, CursorKind::SplitHorizontal}, Case{78, CursorKind::Arrow}})
        EXPECT_EQ(w.cursorAt({c.x, 10}), c.cursor) << c.x;
    w.onMouseDown(MouseButton::Left, {76, 10});
    EXPECT_EQ(w.cursorAt({20, 10}), CursorKind::SplitHorizontal) << "the drag keeps its cursor off the splitter";
    w.onMouseUp(MouseButton::Left, {50, 10});
    EXPECT_EQ(w.cursorAt({20, 10}), CursorKind::Arrow);
    EXPECT_EQ(w.cursorAt({50, 10}), CursorKind::SplitHorizontal) << "the splitter moved with the width";
    EXPECT_EQ(p.mainform->Ctabla.width(), 49);
}

// ---- Caps alignment -------------------------------------------------------------------

TEST(FloatingAlignment, CharactersPlus10MustBeLessThanTheWidth) {
    EXPECT_EQ(capsCellAlignment("ABC", 12), ui::Alignment::Left);
    EXPECT_EQ(capsCellAlignment("ABC", 13), ui::Alignment::Left) << "3 + 10 is not less than 13";
    EXPECT_EQ(capsCellAlignment("ABC", 14), ui::Alignment::Center);
    EXPECT_EQ(capsCellAlignment("\xC4\x8D\xC5\xA1\xC5\xBE", 14), ui::Alignment::Center) << "characters, not bytes";
    EXPECT_EQ(capsCellAlignment("", 10), ui::Alignment::Left);
}

TEST_F(FloatingWindow, TheCapsCellIsRealignedOnlyWhenItsSizeChanges) {
    Program& p = start();
    ui::Panel& caps = p.mainform->Ctabla;
    caps.setWidth(12);
    EXPECT_EQ(caps.alignment(), ui::Alignment::Left);
    caps.setWidth(14);
    EXPECT_EQ(caps.alignment(), ui::Alignment::Center);
    caps.setCaption("a long caption");  // typed later: not realigned
    EXPECT_EQ(caps.alignment(), ui::Alignment::Center);
    caps.setWidth(15);
    EXPECT_EQ(caps.alignment(), ui::Alignment::Left);
}

TEST_F(FloatingWindow, StoredCapsWidthsOutOfRangeAreShownWithoutHarm) {
    for (const char* width : {"200", "-5", "2147483647", "-2147483648"}) {
        SCOPED_TRACE(width);
        fake::FakePlatform fresh;
        loadGeneratedResources(fresh.res);
        fresh.disk.directories[fresh.disk.localAppData + "\\norvi"] = false;
        fresh.disk.files[fresh.disk.localAppData + "\\norvi\\norvi.cfg"] = std::string("[Config]\nCtablaW=") + width + "\n";
        Program p(fresh);
        p.start();
        EXPECT_EQ(std::to_string(p.mainform->Ctabla.width()), width) << "applied unchanged";
        const Bitmap& strip = fresh.window("Tmainform")->picture;
        ASSERT_EQ(strip.width(), 120);
        const bool wide = p.mainform->Ctabla.width() > 0;
        EXPECT_EQ(strip.pixel(119, 1), wide ? p.mainform->Ctabla.colour() : p.mainform->NTABLA.colour())
            << "a wide Caps cell covers the strip; a negative one leaves it to the Num cell";
        fresh.clock.advance(300);
        fresh.window("Tmainform")->onMouseDown(MouseButton::Left, {60, 10});
        fresh.window("Tmainform")->onDoubleClick({110, 10});
    }
}

// ---- press, double-click, right click ------------------------------------------------

TEST_F(FloatingWindow, APressOnACellMovesTheWindow) {
    start();
    fake::FakeWindow& w = floatingWindow();
    w.onMouseDown(MouseButton::Left, {10, 10});
    w.onMouseDown(MouseButton::Left, {110, 10});
    w.onMouseDown(MouseButton::Middle, {110, 10});
    EXPECT_EQ(w.systemMoves, 3);
    w.onMouseDown(MouseButton::Right, {10, 10});
    EXPECT_EQ(w.systemMoves, 3) << "a right press is left to the context menu";
}

TEST_F(FloatingWindow, DoubleClickOnTheNumCellOpensTheSettings) {
    Program& p = start();
    int opened = 0;
    p.mainform->openSettings = [&] { ++opened; };
    fake::FakeWindow& w = floatingWindow();
    w.onDoubleClick({10, 10});
    w.onDoubleClick({76, 10});
    EXPECT_EQ(opened, 0) << "the Caps cell and the splitter have no double-click action";
    w.onDoubleClick({100, 10});
    EXPECT_EQ(opened, 1);
    p.mainform->openSettings = nullptr;
    w.onDoubleClick({100, 10});  // no dialog yet: nothing happens
}

TEST_F(FloatingWindow, RightClickOnEitherCellShowsThePopupMenuAtThePointer) {
    Program& p = start();
    std::vector<Point> shownAt;
    p.mainform->showPopupMenu = [&](Point at, WindowHandle) { shownAt.push_back(at); };
    pf.display.cursor = {1750, 45};
    fake::FakeWindow& w = floatingWindow();
    w.onContextMenu({10, 10});
    w.onContextMenu({76, 10});
    w.onContextMenu({100, 10});
    EXPECT_EQ(shownAt, (std::vector<Point>{{1750, 45}, {1750, 45}})) << "not on the splitter";
}

}  // namespace
}  // namespace norvi::test
