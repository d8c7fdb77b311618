// The about box on the real platform: a titled dialog frame of the system's, the version
// line from the running file's version record (norvi.exe's own is checked in
// resources_test.cpp), the picture from the module's resources, all drawn on screen; the
// title bar's close box hides the box and keeps it for the next time.
#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <optional>

#include "about/about_window.h"
#include "about/version_text.h"
#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "resources/built_in_pictures.h"
#include "resources/built_in_resources.h"
#include "screen_grab.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

int visibleAboutBoxes() {
    int shown = 0;
    EnumWindows(
        [](HWND w, LPARAM count) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(w, name, 64);
            if (IsWindowVisible(w) && std::wstring(name) == L"Tfabout") ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown;
}

// The client area in screen coordinates.
RECT clientOnScreen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class AboutWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        program.fabout = std::make_unique<Tfabout>(program);
        program.fabout->FormCreate();
        ASSERT_NE(about().window(), nullptr);
        hwnd = reinterpret_cast<HWND>(about().window()->native().handle());
    }
    Tfabout& about() { return *program.fabout; }

    Win32Platform platform;
    Program program{platform};
    HWND hwnd = nullptr;
};

TEST_F(AboutWin32, IsAFixedTitledTopmostDialogCentredOnTheScreen) {
    about().show();
    about().show();  // chosen twice: still one box
    test::pumpUntil([] { return false; }, 300);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(visibleAboutBoxes(), 1);

    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION) << std::hex << style;
    EXPECT_NE(style & WS_SYSMENU, 0) << "a close box";
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_CHILD), 0) << std::hex << style;
    EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0);
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
    wchar_t cls[64] = {}, title[64] = {};
    GetClassNameW(hwnd, cls, 64);
    GetWindowTextW(hwnd, title, 64);
    EXPECT_EQ(narrow(cls), "Tfabout");
    EXPECT_EQ(narrow(title), "About");

    RECT outer{}, client{};
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 515);
    EXPECT_EQ(outer.bottom - outer.top, 328);
    EXPECT_LT(client.bottom, 328 - GetSystemMetrics(SM_CYCAPTION) + 1) << "the caption takes its share";
    // The box is laid out over exactly the client height the system left.
    EXPECT_EQ(about().window()->form().picture().height(), client.bottom);
    EXPECT_NEAR(outer.left + outer.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(outer.top + outer.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
}

TEST_F(AboutWin32, ShowsVersionPictureAndCloseBarOnScreen) {
    about().show();
    test::pumpUntil([] { return false; }, 400);
    // This test program's own record (test_resources.rc) says 1.2.3.4.
    EXPECT_EQ(about().versionLine(), "1.2.3.4");

    const RECT clientRect = clientOnScreen(hwnd);
    const Bitmap client = test::grabScreenRect(clientRect);
    const int h = client.height();
    AboutWindow& a = *about().window();
    // GDI drew the grey version text inside its line.
    const Rect line = a.version->bounds();
    int grey = 0;
    for (int y = line.top; y < line.bottom; ++y)
        for (int x = line.left; x < line.right; ++x) {
            const Colour c = client.pixel(x, y);
            grey += c != kAboutPanel && redOf(c) == greenOf(c) && greenOf(c) == blueOf(c);
        }
    EXPECT_GT(grey, 20) << "the version line shows on screen";

    // The picture from the module's resources, pixel for pixel where it is not the face
    // colour (which shows the panel).
    const Bitmap expected = loadBuiltInPicture(platform.resources(), resource::kAboutPicture);
    ASSERT_EQ(expected.width(), 48) << "the test program carries the about picture";
    const Rect pic = a.picture->bounds();
    int drawn = 0, same = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const Colour want = expected.pixel(x, y);
            if (want == kAboutBottomBar) continue;
            ++drawn;
            same += client.pixel(pic.left + x, pic.top + y) == want;
        }
    EXPECT_GT(drawn, 48 * 48 / 4);
    EXPECT_EQ(same, drawn) << "the picture shows on screen";

    // The bottom bar's 51 rows, and "Close" in it.
    EXPECT_EQ(client.pixel(5, h - 1), kAboutBottomBar);
    EXPECT_EQ(client.pixel(5, h - 51), kAboutBottomBar);
    EXPECT_NE(client.pixel(5, h - 52), kAboutBottomBar);
    const Rect close = a.closeButton->bounds();
    int buttonInk = 0;
    for (int y = close.top; y < close.bottom; ++y)
        for (int x = close.left; x < close.right; ++x) buttonInk += client.pixel(x, y) != kAboutBottomBar;
    EXPECT_GT(buttonInk, 75 * 25 / 2) << "the button is drawn";

    // The whole window as a person sees it, the system's title bar included.
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    const std::string path = test::besideTestProgram("about.bmp");
    test::saveBmp(test::grabScreenRect(outer), path);
    std::cout << "[ about ] picture at " << path << "\n";
}

// A screen point on the window's close box, by the system's own hit test along the caption.
std::optional<POINT> closeBoxOf(HWND hwnd) {
    RECT outer{}, client{};
    GetWindowRect(hwnd, &outer);
    client = clientOnScreen(hwnd);
    const int y = (outer.top + client.top) / 2;
    for (int x = outer.right - 1; x > outer.left; --x)
        if (SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return POINT{x - 3, y};
    return std::nullopt;
}

void clickAt(POINT p) {
    SetCursorPos(p.x, p.y);
    INPUT press[2]{};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, press, sizeof(INPUT));
}

TEST_F(AboutWin32, TheTitleBarsCloseBoxHidesTheBoxAndKeepsIt) {
    about().show();
    test::pumpUntil([] { return false; }, 100);
    ASSERT_TRUE(IsWindowVisible(hwnd));
    // What the close box sends; the system turns it into WM_CLOSE.
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(about().visible());
    EXPECT_TRUE(IsWindow(hwnd)) << "hidden, not destroyed";

    // Shown again, the same window; this time a real click on the close box.
    about().show();
    test::pumpUntil([] { return false; }, 100);
    ASSERT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(reinterpret_cast<HWND>(about().window()->native().handle()), hwnd);
    const std::optional<POINT> closeBox = closeBoxOf(hwnd);
    ASSERT_TRUE(closeBox) << "the caption has a close box";
    clickAt(*closeBox);
    test::pumpUntil([&] { return !IsWindowVisible(hwnd); }, 2000);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(about().visible());
    EXPECT_TRUE(IsWindow(hwnd));
}

}  // namespace
}  // namespace norvi::win32
