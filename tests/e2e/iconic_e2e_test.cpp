// The real iconic watermark: with the iconic indicator on, Caps Lock shows the icon in the
// configured colour at the configured position, and the other state shows its own icon.
#include <gtest/gtest.h>

#include "driver.h"

namespace {

constexpr COLORREF kIconColour = RGB(255, 0, 0);  // IconColor=255
constexpr int kIconSize = 256;
constexpr int kMargin = 25;  // of the bottom-right place, from the work area's edges

class IconicE2E : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::setLock(VK_CAPITAL, false);
        // Iconic indicator only, red icons at the bottom right, one second of display, fully
        // opaque so the screen shows the icon's own colour.
        ASSERT_TRUE(e2e::writeConfig("[Config]\r\nDOD=0\r\nDOP=1\r\nIconColor=255\r\nSOD=0\r\nload=0\r\n"
                                     "[ConfigSD]\r\nTXTpolozaj=9\r\nsdTimeOut=1000\r\nfloatOpa=255\r\n"));
        // The icon canvas is the primary work area, so the place comes from it.
        RECT work{};
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
        icon = {work.right - kMargin - kIconSize, work.bottom - kMargin - kIconSize, work.right - kMargin,
                work.bottom - kMargin};
        around = {icon.left - 40, icon.top - 40, icon.right + 20, icon.bottom + 20};
        main = e2e::startNorvi(norvi);
        ASSERT_NE(main, nullptr);
        watermark = e2e::waitForWindow(L"TfloatTXT", norvi.id(), 10000);
        ASSERT_NE(watermark, nullptr);
        // The start-up cue (Caps Lock off, the small a) is wiped after its second.
        ASSERT_TRUE(e2e::waitUntil(5000, [&] { return iconPixels() == 0; }));
    }
    void TearDown() override {
        if (main) e2e::closeNorvi(norvi, main);
        e2e::setLock(VK_CAPITAL, false);
    }
    int iconPixels() { return e2e::countColour(e2e::captureRect(around), kIconColour); }
    // Whether the icon's own pixel (x, y) shows the icon colour in a shot of `around`.
    bool inked(const e2e::Screenshot& shot, int x, int y) {
        return shot.at(icon.left - around.left + x, icon.top - around.top + y) == kIconColour;
    }
    // Every icon-coloured pixel of the shot lies on the icon's own square.
    int inkOutsideTheIcon(const e2e::Screenshot& shot) {
        int n = 0;
        for (int y = 0; y < shot.height; ++y)
            for (int x = 0; x < shot.width; ++x) {
                const int sx = around.left + x, sy = around.top + y;
                const bool onIcon = sx >= icon.left && sx < icon.right && sy >= icon.top && sy < icon.bottom;
                n += !onIcon && shot.at(x, y) == kIconColour;
            }
        return n;
    }

    e2e::NorviProcess norvi;
    HWND main = nullptr;
    HWND watermark = nullptr;
    RECT icon{}, around{};
};

TEST_F(IconicE2E, CapsLockShowsTheRecolouredIconAtTheConfiguredPlace) {
    e2e::pressKey(VK_CAPITAL);
    ASSERT_TRUE(e2e::waitUntil(1000, [&] { return iconPixels() > 5000; })) << "the red icon shows";
    const e2e::Screenshot shot = e2e::captureRect(around);
    e2e::saveScreenshot(e2e::captureScreen(), L"iconic-caps-on");
    EXPECT_EQ(inkOutsideTheIcon(shot), 0);
    // The frame's outer edges: columns 12 and 244, rows 10 and 244 of the icon.
    EXPECT_TRUE(inked(shot, 12, 128));
    EXPECT_FALSE(inked(shot, 11, 128));
    EXPECT_TRUE(inked(shot, 244, 128));
    EXPECT_FALSE(inked(shot, 245, 128));
    EXPECT_TRUE(inked(shot, 128, 10));
    EXPECT_FALSE(inked(shot, 128, 9));
    EXPECT_TRUE(inked(shot, 128, 244));
    // The capital A: crossbar and feet inked, counter and the space between the feet not.
    EXPECT_TRUE(inked(shot, 127, 160));
    EXPECT_TRUE(inked(shot, 45, 210));
    EXPECT_TRUE(inked(shot, 210, 210));
    EXPECT_FALSE(inked(shot, 127, 130));
    EXPECT_FALSE(inked(shot, 127, 205));
    EXPECT_TRUE(IsWindowVisible(watermark));
    EXPECT_NE(GetForegroundWindow(), watermark) << "the icon never takes the focus";

    ASSERT_TRUE(e2e::waitUntil(2500, [&] { return iconPixels() == 0; })) << "wiped after the timeout";

    e2e::pressKey(VK_CAPITAL);
    ASSERT_TRUE(e2e::waitUntil(1000, [&] { return iconPixels() > 5000; })) << "the Caps-off icon shows";
    const e2e::Screenshot off = e2e::captureRect(around);
    e2e::saveScreenshot(e2e::captureScreen(), L"iconic-caps-off");
    EXPECT_EQ(inkOutsideTheIcon(off), 0);
    EXPECT_TRUE(inked(off, 12, 128)) << "the same frame";
    EXPECT_FALSE(inked(off, 45, 210)) << "no capital A";
    EXPECT_TRUE(inked(off, 75, 160)) << "bowl of the small a";
    EXPECT_FALSE(inked(off, 116, 160)) << "its counter";
}

}  // namespace
