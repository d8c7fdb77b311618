// The real floating strip: dragged with the mouse it moves, and near a work-area edge it
// snaps flush to it.
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
    e2e::drag({r.left + 20, r.top + 13}, {r.left + 20 - (600 - 6), r.top + 13 - 100});
    RECT after{};
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return GetWindowRect(main, &after) && after.top != r.top; }))
        << "the strip follows the drag";
    e2e::saveScreenshot(e2e::captureScreen(), L"floating-dragged");
    EXPECT_EQ(after.left, 0) << "6 pixels from the edge snaps flush";
    EXPECT_NEAR(after.top, 300, 3);
    ASSERT_TRUE(e2e::closeNorvi(norvi, main).has_value());
}

}  // namespace
