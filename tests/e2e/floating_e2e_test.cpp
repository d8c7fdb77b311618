// The real floating strip: dragged with the mouse it moves, and near a work-area edge it
// snaps flush to it; its splitter drags; a double-click on the Num cell, whose presses
// run the system's move loop, opens the settings; another program cannot resize it.
#include <gtest/gtest.h>

#include "driver.h"

namespace {

TEST(FloatingE2E, DraggingMovesTheStripAndItSnapsToTheWorkAreaEdge) {
    ASSERT_TRUE(e2e::writeConfig("[Config]\r\nleft=600\r\ntop=400\r\nload=0\r\n"));
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    RECT r{};
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return GetWindowRect(main, &r) && r.left == 600; }));

    // Press on the Caps cell and drag left to 6 pixels from the screen's left edge.
    e2e::mouseMoveTo(r.left + 20, r.top + 13);
    Sleep(100);
    e2e::mouseButton(true);
    Sleep(100);
    for (int step = 1; step <= 20; ++step) {
        e2e::mouseMoveTo(r.left + 20 - step * (600 - 6) / 20, r.top + 13 - step * 100 / 20);
        Sleep(20);
    }
    Sleep(100);
    e2e::mouseButton(false);
    RECT after{};
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return GetWindowRect(main, &after) && after.top != r.top; }))
        << "the strip follows the drag";
    e2e::saveScreenshot(e2e::captureScreen(), L"floating-dragged");
    EXPECT_EQ(after.left, 0) << "6 pixels from the edge snaps flush";
    EXPECT_NEAR(after.top, 300, 3);
    ASSERT_TRUE(e2e::closeNorvi(norvi, main).has_value());
}

// A strip at 600, 400 with a red Caps cell and a blue Num cell (both locks off).
class StripE2E : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::setLock(VK_CAPITAL, false);
        e2e::setLock(VK_NUMLOCK, false);
        ASSERT_TRUE(e2e::writeConfig("[Config]\r\nleft=600\r\ntop=400\r\nload=0\r\nDOD=0\r\n08=255\r\n09=16711680\r\n"));
        main = e2e::startNorvi(norvi);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(e2e::waitUntil(5000, [&] { return GetWindowRect(main, &at) && at.left == 600; }));
        ASSERT_TRUE(e2e::waitUntil(3000, [&] { return pixel(30) == kRed && pixel(100) == kBlue; }));
    }
    void TearDown() override {
        if (main) e2e::closeNorvi(norvi, main);
    }
    COLORREF pixel(int x) { return e2e::screenPixel(at.left + x, at.top + 13); }

    static constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
    e2e::NorviProcess norvi;
    HWND main = nullptr;
    RECT at{};
};

TEST_F(StripE2E, TheSplitterDragsToANewCapsWidthThatIsKept) {
    e2e::mouseMoveTo(at.left + 76, at.top + 13);  // one pixel into the splitter (75 ... 77)
    Sleep(100);
    e2e::mouseButton(true);
    Sleep(100);
    for (int x = 74; x >= 40; x -= 2) {
        e2e::mouseMoveTo(at.left + x, at.top + 13);
        Sleep(15);
    }
    Sleep(100);
    e2e::mouseButton(false);
    // Caps width 39: the splitter then covers 39 ... 41 and the Num cell starts at 42.
    EXPECT_TRUE(e2e::waitUntil(2000, [&] { return pixel(45) == kBlue; })) << "the Num cell widened";
    EXPECT_EQ(pixel(36), kRed);
    EXPECT_EQ(pixel(40), kRed) << "the splitter in the Caps colour";
    e2e::saveScreenshot(e2e::captureRect({at.left - 10, at.top - 10, at.right + 10, at.bottom + 10}), L"strip-split");
    RECT now{};
    GetWindowRect(main, &now);
    EXPECT_EQ(now.left, at.left) << "the splitter does not move the window";
    ASSERT_TRUE(e2e::closeNorvi(norvi, main).has_value());
    main = nullptr;
    EXPECT_EQ(e2e::configValue(L"Config", L"CtablaW"), L"39");
}

TEST_F(StripE2E, ADoubleClickOnTheNumCellOpensTheSettingsThroughTheMoveLoop) {
    // Each press on a cell starts the system's move loop; the release ends it, and the
    // second press within the double-click time is a double-click all the same.
    e2e::mouseMoveTo(at.left + 100, at.top + 13);
    Sleep(100);
    for (int i = 0; i < 2; ++i) {
        e2e::mouseButton(true);
        Sleep(30);
        e2e::mouseButton(false);
        Sleep(60);
    }
    HWND settings = e2e::waitForWindow(L"Tfcolors", norvi.id(), 3000, true);
    ASSERT_NE(settings, nullptr) << "the settings dialog is open";
    RECT now{};
    GetWindowRect(main, &now);
    EXPECT_EQ(now.left, at.left) << "presses without a drag leave the strip where it was";
    EXPECT_EQ(now.top, at.top);
    e2e::pressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::waitUntil(3000, [&] { return !IsWindowVisible(settings); })) << "Escape is Cancel";
}

TEST_F(StripE2E, AnotherProgramCannotResizeTheStrip) {
    const auto size = [&] {
        RECT r{};
        GetWindowRect(main, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    SetWindowPos(main, nullptr, 0, 0, 400, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(size().cx, 120);
    EXPECT_EQ(size().cy, 27);
    MoveWindow(main, 700, 420, 300, 60, TRUE);
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.left, 700) << "the move is taken";
    EXPECT_EQ(r.top, 420);
    EXPECT_EQ(size().cx, 120) << "the size is not";
    EXPECT_EQ(size().cy, 27);
}

}  // namespace
