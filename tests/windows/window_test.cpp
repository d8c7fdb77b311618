// Norvi's windows and tray icons as the system sees them.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/tray_icon.h"
#include "platform/win32/win32_platform.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

constexpr Colour kKey = 0x00544A43;

HWND hwndOf(NativeWindow& window) { return reinterpret_cast<HWND>(window.handle()); }

class Win32WindowTest : public ::testing::Test {
protected:
    std::unique_ptr<NativeWindow> create(WindowCreateArgs args) {
        auto window = platform.createWindow(args);
        EXPECT_NE(window, nullptr);
        return window;
    }
    Win32Platform platform;
};

TEST_F(Win32WindowTest, ClickThroughOverlayHasExactlyItsStyles) {
    auto window = create({.className = "NorviTestOverlay", .title = "overlay", .bounds = {0, 0, 400, 300},
                          .topmost = true, .layered = true, .clickThrough = true, .noActivate = true});
    ASSERT_NE(window, nullptr);
    const HWND hwnd = hwndOf(*window);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST), 0)
        << std::hex << exStyle;
    EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST),
              WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_VISIBLE | WS_CLIPSIBLINGS),
              static_cast<LONG_PTR>(WS_POPUP));
    // Owned by the hidden application window: no taskbar button.
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), reinterpret_cast<HWND>(platform.applicationWindow()));
    EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(10, 10)), HTTRANSPARENT);

    struct Case {
        LayeredAttributes set;
        DWORD flags;
    };
    const Case cases[] = {
        {{kKey, true, false, 255}, LWA_COLORKEY},
        {{kKey, true, true, 51}, LWA_COLORKEY | LWA_ALPHA},
    };
    for (const Case& c : cases) {
        window->setLayered(c.set);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
        EXPECT_EQ(key, kKey);
        EXPECT_EQ(flags, c.flags);
        if (c.set.useAlpha) {
            EXPECT_EQ(alpha, c.set.alpha);
        }
    }

    window->show();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isTopmost());
    EXPECT_NE(GetForegroundWindow(), hwnd);  // shown without taking the focus
    window->hide();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Win32WindowTest, DropShadowClassRoundRegionAndBounds) {
    auto window = create({.className = "NorviTestStrip", .title = "strip", .bounds = {1000, 30, 1120, 57},
                          .topmost = true, .dropShadow = true});
    ASSERT_NE(window, nullptr);
    const HWND hwnd = hwndOf(*window);
    EXPECT_NE(GetClassLongPtrW(hwnd, GCL_STYLE) & CS_DROPSHADOW, 0u);
    EXPECT_NE(GetClassLongPtrW(hwnd, GCL_STYLE) & CS_DBLCLKS, 0u);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    EXPECT_EQ(window->bounds(), (Rect{1000, 30, 1120, 57}));

    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(hwnd, region.get()), ERROR);  // none yet
    window->setRoundRegion(120, 27, 3, 3);
    EXPECT_NE(GetWindowRgn(hwnd, region.get()), ERROR);

    // The program may adjust a move, as snapping does.
    window->onPositionChanging = [](Rect& r) {
        r = Rect::fromSize(std::max(r.left, 0), std::max(r.top, 0), r.width(), r.height());
    };
    window->setBounds({-50, -20, 70, 7});
    EXPECT_EQ(window->bounds(), (Rect{0, 0, 120, 27}));
}

TEST_F(Win32WindowTest, MessagesReachTheCallbacks) {
    auto window = create({.className = "NorviTestInput", .title = "input", .bounds = {100, 100, 300, 200}});
    ASSERT_NE(window, nullptr);
    const HWND hwnd = hwndOf(*window);
    std::vector<std::string> seen;
    window->onMouseDown = [&](MouseButton b, Point p) {
        seen.push_back("down" + std::to_string(static_cast<int>(b)) + "@" + std::to_string(p.x) + "," +
                       std::to_string(p.y));
    };
    window->onDoubleClick = [&](Point) { seen.push_back("double"); };
    window->onContextMenu = [&](Point p) { seen.push_back("menu@" + std::to_string(p.x) + "," + std::to_string(p.y)); };
    window->onClose = [&] { seen.push_back("close"); };
    window->onMouseMove = [&](Point) { throw std::runtime_error("must not cross the window procedure"); };

    window->onMouseWheel = [&](int delta, Point p) {
        seen.push_back("wheel" + std::to_string(delta) + "@" + std::to_string(p.x) + "," + std::to_string(p.y));
    };
    window->onKeyDown = [&](int vk, KeyModifiers) { seen.push_back("key" + std::to_string(vk)); };
    window->onChar = [&](char32_t c) { seen.push_back("char" + std::to_string(static_cast<unsigned>(c))); };
    window->onCaptureLost = [&] { seen.push_back("capture lost"); };

    // Client coordinates may be negative (a pointer left of the window while captured).
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7));
    SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 7));
    SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(110, 120));
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    // The wheel comes in screen coordinates, one notch towards the user.
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(150, 130));
    SendMessageW(hwnd, WM_KEYDOWN, VK_LEFT, 0);
    // U+1F514 arrives as two halves and goes on as one character.
    SendMessageW(hwnd, WM_CHAR, 0xD83D, 0);
    SendMessageW(hwnd, WM_CHAR, 0xDD14, 0);
    SendMessageW(hwnd, WM_CHAR, 8, 0);
    window->setCapture(true);
    window->setCapture(false);
    window->close();
    EXPECT_EQ(seen, (std::vector<std::string>{"down0@-5,7", "double", "menu@10,20", "wheel-120@50,30", "key37",
                                              "char128276", "char8", "capture lost", "close"}));
    EXPECT_TRUE(IsWindow(hwnd));  // closing is the program's decision, not the window's
}

TEST_F(Win32WindowTest, PictureIsPaintedCentredOverTheBackground) {
    const Rect bounds{200, 200, 240, 230};
    auto window = create({.className = "NorviTestPicture", .title = "picture", .bounds = bounds,
                          .topmost = true, .noActivate = true});
    ASSERT_NE(window, nullptr);
    const Colour red = 0x000000FF, green = 0x0000FF00;
    window->setPicture(Bitmap(20, 10, 32, red), green);  // at (10, 10) of the 40 x 30 client area
    window->show();
    UpdateWindow(hwndOf(*window));
    const auto screenPixel = [&](int x, int y) {
        const ScreenDc screen;
        return GetPixel(screen.get(), bounds.left + x, bounds.top + y);
    };
    EXPECT_TRUE(test::pumpUntil([&] { return screenPixel(15, 15) == red; }, 1000));
    EXPECT_EQ(screenPixel(10, 10), red);
    EXPECT_EQ(screenPixel(29, 19), red);
    EXPECT_EQ(screenPixel(9, 10), green);
    EXPECT_EQ(screenPixel(30, 19), green);
    EXPECT_EQ(screenPixel(2, 2), green);

    // A picture larger than the window is centred too, its excess clipped.
    Bitmap large(60, 50, 24, green);
    large.setPixel(10, 10, red);  // lands on client (0, 0): offset (40 - 60) / 2, (30 - 50) / 2
    window->setPicture(large, red);
    UpdateWindow(hwndOf(*window));
    EXPECT_TRUE(test::pumpUntil([&] { return screenPixel(0, 0) == red && screenPixel(1, 1) == green; }, 1000));
}

TEST_F(Win32WindowTest, TrayIconAddModifyRemove) {
    auto icon = platform.createTrayIcon(1);
    auto& real = dynamic_cast<Win32TrayIcon&>(*icon);
    Bitmap picture(32, 32, 24, 0x000080FF);
    for (int i = 0; i < 32; ++i) picture.setPixel(i, i, 0x00000066);
    EXPECT_FALSE(real.classicNotifications()) << "nothing to ask for before the icon is there";
    EXPECT_TRUE(icon->add(picture, "Caps Lock"));
    EXPECT_TRUE(real.classicNotifications()) << "the shell takes the version only for an icon it has";
    EXPECT_TRUE(icon->modify(picture, std::string(300, 'h')));  // a hint longer than the shell keeps
    EXPECT_TRUE(icon->remove());
    EXPECT_FALSE(icon->modify(picture, "gone"));
    // A shell restart: the icon is added again, and so is its version.
    EXPECT_TRUE(icon->add(picture, "Caps Lock"));
    EXPECT_TRUE(real.classicNotifications());
    EXPECT_TRUE(icon->remove());
}

// The icon handed to the shell: pixels of exactly 0x00000066 are transparent in its mask
// (and black in its colour part, as an icon's transparent pixels are); all others opaque
// with their own colour, 0x00000065 and 0x00000067 included.
TEST_F(Win32WindowTest, TrayIconMaskMakesExactly0x66Transparent) {
    Bitmap picture(32, 32, 24, 0x000080FF);
    const struct {
        int x, y;
        Colour colour;
        bool transparent;
    } pixels[] = {{3, 4, 0x00000066, true}, {10, 20, 0x00000065, false}, {11, 20, 0x00000067, false},
                  {12, 20, 0x00660000, false}, {31, 31, 0x00000066, true}, {0, 0, 0x000080FF, false}};
    for (const auto& p : pixels) picture.setPixel(p.x, p.y, p.colour);
    const UniqueIcon icon = iconOf(picture);
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    const UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
    ASSERT_TRUE(mask && colour);
    const ScreenDc screen;
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    const auto readBits = [&](HBITMAP bitmap) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = 32;
        bi.bmiHeader.biHeight = -32;  // top-down
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        std::vector<DWORD> bits(32 * 32);
        EXPECT_EQ(GetDIBits(dc.get(), bitmap, 0, 32, bits.data(), &bi, DIB_RGB_COLORS), 32);
        return bits;
    };
    const std::vector<DWORD> maskBits = readBits(mask.get()), colourBits = readBits(colour.get());
    int transparent = 0;
    for (DWORD m : maskBits) transparent += (m & 0x00FFFFFF) != 0;
    EXPECT_EQ(transparent, 2) << "only the two 0x66 pixels";
    for (const auto& p : pixels) {
        const std::size_t i = static_cast<std::size_t>(p.y * 32 + p.x);
        EXPECT_EQ((maskBits[i] & 0x00FFFFFF) != 0, p.transparent) << p.x << "," << p.y;
        // DIB bits are B,G,R: the colour part holds the picture's own colour where opaque.
        const Colour shown = rgb(static_cast<std::uint8_t>(colourBits[i] >> 16), static_cast<std::uint8_t>(colourBits[i] >> 8),
                                 static_cast<std::uint8_t>(colourBits[i]));
        EXPECT_EQ(shown, p.transparent ? 0u : p.colour) << p.x << "," << p.y;
    }
}

// The shell's broadcast after a restart reaches the hidden application window.
TEST_F(Win32WindowTest, TaskbarCreatedRunsTheHandlers) {
    int calls = 0;
    platform.desktop().onTaskbarCreated([&] { ++calls; });
    const HWND application = reinterpret_cast<HWND>(platform.applicationWindow());
    EXPECT_EQ(GetWindowLongPtrW(application, GWL_STYLE) & WS_VISIBLE, 0);
    SendMessageW(application, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(calls, 1);
}

// The session's end reaches the hidden application window: Norvi never objects, and only
// an end that really comes runs the handlers.
TEST_F(Win32WindowTest, TheEndOfTheSessionRunsTheHandlersOnlyWhenItComes) {
    int calls = 0;
    platform.desktop().onSessionEnding([&] { ++calls; });
    const HWND application = reinterpret_cast<HWND>(platform.applicationWindow());
    EXPECT_EQ(SendMessageW(application, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_EQ(calls, 0) << "asking is not ending";
    SendMessageW(application, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(calls, 0) << "called off";
    SendMessageW(application, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(calls, 1);
}

// A later start's request: answered from the message loop, also when it came before
// anyone was there to answer it.
TEST_F(Win32WindowTest, ASettingsRequestIsAnsweredFromTheLoopAlsoWhenItCameEarly) {
    const HWND application = reinterpret_cast<HWND>(platform.applicationWindow());
    const UINT request = RegisterWindowMessageW(L"Norvi.OpenSettings");
    ASSERT_NE(request, 0u);
    EXPECT_TRUE(platform.desktop().claimSession());
    EXPECT_TRUE(platform.desktop().claimSession()) << "this process holds the claim already";
    SendMessageW(application, request, 0, 0);
    int calls = 0;
    platform.desktop().onSettingsRequested([&] { ++calls; });
    EXPECT_EQ(calls, 0) << "not inside the registration";
    platform.loop().processMessages();
    EXPECT_EQ(calls, 1);
    PostMessageW(application, request, 0, 0);
    platform.loop().processMessages();
    EXPECT_EQ(calls, 2);
}

TEST_F(Win32WindowTest, ADisabledOwnerAndAnOwnedWindow) {
    auto owner = create({.className = "NorviTestOwner", .title = "owner", .bounds = {0, 0, 200, 100}});
    ASSERT_NE(owner, nullptr);
    auto owned = create({.className = "NorviTestOwned", .title = "owned", .bounds = {0, 0, 100, 50},
                         .owner = owner->handle()});
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(GetWindow(hwndOf(*owned), GW_OWNER), hwndOf(*owner));
    EXPECT_TRUE(owner->isEnabled());
    owner->setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(hwndOf(*owner)));
    EXPECT_FALSE(owner->isEnabled());
    owner->setEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(hwndOf(*owner)));
}

TEST_F(Win32WindowTest, ScreenGeometryIsConsistent) {
    Screen& screen = platform.screen();
    const Size primary = screen.primarySize();
    ASSERT_GT(primary.width, 0);
    ASSERT_GT(primary.height, 0);
    const Rect work = screen.workArea();
    EXPECT_GE(work.left, 0);
    EXPECT_GE(work.top, 0);
    EXPECT_LE(work.right, primary.width);
    EXPECT_LE(work.bottom, primary.height);
    EXPECT_GT(work.width(), 0);
    EXPECT_EQ(screen.workAreaAt(Rect::fromSize(10, 10, 100, 100)), work);
    const auto displays = screen.displays();
    ASSERT_FALSE(displays.empty());
    EXPECT_NE(std::find(displays.begin(), displays.end(), Rect::fromSize(0, 0, primary.width, primary.height)),
              displays.end());
    EXPECT_GT(screen.logicalDpiY(), 0);
    EXPECT_GT(screen.doubleClickTimeMilliseconds(), 0);
}

TEST_F(Win32WindowTest, DpiComesFromTheMonitorAndAChangeReachesTheWindow) {
    // The test prefix keeps the system's 96 dpi: every monitor, window and icon size says so.
    Screen& screen = platform.screen();
    EXPECT_EQ(screen.dpiAt(Rect::fromSize(10, 10, 100, 100)), 96);
    EXPECT_EQ(screen.trayIconSize(), (Size{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}));
    auto window = create({.className = "NorviTestDpi", .title = "dpi", .bounds = Rect::fromSize(20, 20, 120, 27)});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->dpi(), 96);
    // What the system sends when the window comes onto a display of another DPI.
    const HWND hwnd = hwndOf(*window);
    RECT suggested{40, 50, 40 + 240, 50 + 54};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window->bounds(), Rect::fromSize(40, 50, 240, 54)) << "without a handler it takes the suggestion";
    int reported = 0;
    Rect offered;
    window->onDpiChanged = [&](int dpi, const Rect& r) {
        reported = dpi;
        offered = r;
    };
    suggested = {60, 70, 60 + 180, 70 + 41};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(reported, 144);
    EXPECT_EQ(offered, Rect::fromSize(60, 70, 180, 41));
    EXPECT_EQ(window->bounds(), Rect::fromSize(40, 50, 240, 54)) << "with one, the size is the handler's";
}

}  // namespace
}  // namespace norvi::win32
