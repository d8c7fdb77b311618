// The about box on the real platform: the version line comes from the running file's
// version record (norvi.exe's own is checked in resources_test.cpp), and the box is drawn
// on screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <iostream>

#include "about/about_window.h"
#include "about/version_text.h"
#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "screen_grab.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

TEST(AboutWin32, TheBoxShowsTheRunningFilesVersionOnScreen) {
    Win32Platform platform;
    Program program(platform);
    program.fabout = std::make_unique<Tfabout>(program);
    program.fabout->FormCreate();
    Tfabout& about = *program.fabout;
    ASSERT_NE(about.window(), nullptr);
    about.show();
    about.show();  // chosen twice: still one box
    const HWND hwnd = reinterpret_cast<HWND>(about.window()->native().handle());
    test::pumpUntil([] { return false; }, 400);
    // This test program's own record (test_resources.rc) says 1.2.3.4.
    EXPECT_EQ(about.versionLine(), "1.2.3.4");
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    wchar_t cls[64] = {}, title[64] = {};
    GetClassNameW(hwnd, cls, 64);
    GetWindowTextW(hwnd, title, 64);
    EXPECT_EQ(narrow(cls), "Tfabout");
    EXPECT_EQ(narrow(title), "About");
    int shown = 0;
    EnumWindows(
        [](HWND w, LPARAM count) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(w, name, 64);
            if (IsWindowVisible(w) && std::wstring(name) == L"Tfabout") ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown, 1);

    RECT r{};
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.right - r.left, 515);
    EXPECT_EQ(r.bottom - r.top, 328);
    const Bitmap shot = test::grabScreenRect(r);
    // GDI drew the grey version text inside its line.
    const Rect line = about.window()->version->bounds();
    int grey = 0;
    for (int y = line.top; y < line.bottom; ++y)
        for (int x = line.left; x < line.right; ++x) {
            const Colour c = shot.pixel(x, y);
            grey += c != kAboutPanel && redOf(c) == greenOf(c) && greenOf(c) == blueOf(c);
        }
    EXPECT_GT(grey, 20) << "the version line shows on screen";
    EXPECT_EQ(shot.pixel(5, 328 - 5), kAboutBottomBar);
    test::saveBmp(shot, test::besideTestProgram("about.bmp"));
    std::cout << "[ about ] picture at " << test::besideTestProgram("about.bmp") << "\n";
    about.XiButton5Click();
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

}  // namespace
}  // namespace norvi::win32
