// Norvi on a scaled display: the real strip, the settings dialog opened from it and the
// popup menu come at their 96-dpi sizes times dpi / 96. tools/high-dpi-e2e.sh runs these
// cases in a prefix of their own whose display scale (LogPixels) is 144 or 192, on a
// 3840 x 2160 screen; the ordinary run at 96 dpi skips them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "driver.h"

namespace {

class HighDpiE2E : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dpi = std::getenv("NORVI_E2E_DPI");
        dpi_ = dpi ? std::atoi(dpi) : 0;
        if (dpi_ <= 0) GTEST_SKIP() << "run by tools/high-dpi-e2e.sh on a scaled display";
        makeThisProcessDpiAware();
        e2e::setLock(VK_CAPITAL, false);
        ASSERT_TRUE(e2e::writeConfig("[Config]\r\nload=0\r\nDOD=0\r\nleft=1000\r\ntop=300\r\n"));
        main = e2e::startNorvi(norvi);
        ASSERT_NE(main, nullptr);
        e2e::pressKey(VK_CAPITAL);  // the orange Caps Lock on cell beside the grey Num cell
    }
    void TearDown() override {
        if (main) e2e::closeNorvi(norvi, main);
        if (dpi_ > 0) e2e::setLock(VK_CAPITAL, false);
    }

    // Device pixels here as in Norvi: an unaware driver would be shown scaled coordinates.
    static void makeThisProcessDpiAware() {
        using SetContext = BOOL(WINAPI*)(HANDLE);
        const auto set = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
        if (!set || !set(reinterpret_cast<HANDLE>(-4)))  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
            SetProcessDPIAware();
    }
    int px(int units) const { return MulDiv(units, dpi_, 96); }
    // Control+Tab: the settings dialog turns to its next page.
    static void nextPage() {
        INPUT keys[4] = {};
        const WORD order[4] = {VK_CONTROL, VK_TAB, VK_TAB, VK_CONTROL};
        for (int i = 0; i < 4; ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = order[i];
            keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
        }
        SendInput(4, keys, sizeof(INPUT));
    }
    void shoot(HWND window, const wchar_t* what) const {
        RECT r{};
        GetWindowRect(window, &r);
        Sleep(300);  // let it finish drawing
        e2e::saveScreenshot(e2e::captureRect(r), L"high-dpi-" + std::to_wstring(dpi_) + L"-" + what);
    }
    static SIZE clientSize(HWND window) {
        RECT r{};
        GetClientRect(window, &r);
        return {r.right, r.bottom};
    }

    int dpi_ = 0;
    e2e::NorviProcess norvi;
    HWND main = nullptr;
};

TEST_F(HighDpiE2E, TheStripTheDialogOpenedFromItAndTheMenuHaveTheScaledSizes) {
    // The strip: 120 x 27 scaled, the Caps Lock on cell orange up to the Num cell.
    const SIZE strip = clientSize(main);
    EXPECT_EQ(strip.cx, px(120));
    EXPECT_EQ(strip.cy, px(27));
    RECT bounds{};
    GetWindowRect(main, &bounds);
    const COLORREF orange = RGB(0xFF, 0x80, 0x00);
    const int middle = bounds.top + strip.cy / 2;
    EXPECT_TRUE(e2e::waitUntil(2000, [&] { return e2e::screenPixel(bounds.left + px(4), middle) == orange; }));
    EXPECT_EQ(e2e::screenPixel(bounds.left + px(78) - 1, bounds.top + px(3)), orange) << "the splitter, 3 units";
    EXPECT_NE(e2e::screenPixel(bounds.left + px(78) + 1, bounds.top + px(3)), orange) << "the Num cell";
    e2e::saveScreenshot(e2e::captureRect(bounds), L"high-dpi-" + std::to_wstring(dpi_) + L"-strip");
    if (HWND tray = e2e::findWindow(L"__winex11_standalone_tray")) shoot(tray, L"tray");

    // The popup menu from a right click on the Caps cell: every line scaled.
    e2e::mouseMoveTo(bounds.left + px(30), middle);
    e2e::rightClick();
    HWND menu = e2e::waitForWindow(L"#32768", 0, 3000, true);
    ASSERT_NE(menu, nullptr);
    RECT menuBounds{};
    GetWindowRect(menu, &menuBounds);
    Sleep(300);  // drawn a moment after it shows
    e2e::saveScreenshot(e2e::captureRect(menuBounds), L"high-dpi-" + std::to_wstring(dpi_) + L"-menu");
    // Twelve lines of the 13-unit bold font with 4 units above and below, five 7-unit separators.
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontW(-px(13), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Segoe UI");
    HGDIOBJ old = SelectObject(screen, font);
    SIZE line{};
    GetTextExtentPoint32W(screen, L"Settings", 8, &line);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    const int lines = 12 * (line.cy + 2 * px(4)) + 5 * px(7);
    const int height = menuBounds.bottom - menuBounds.top;
    EXPECT_GE(height, lines);
    EXPECT_LE(height, lines + 4 * px(3)) << "only the menu's frame around the lines";
    EXPECT_GE(menuBounds.right - menuBounds.left, px(24 + 6 + 16) + line.cx);

    // The settings dialog from the menu's first line, "Settings": 1075 x 750 scaled.
    e2e::pressKey(VK_DOWN);
    e2e::pressKey(VK_RETURN);
    HWND dialog = e2e::waitForWindow(L"Tfcolors", norvi.id(), 5000, true);
    ASSERT_NE(dialog, nullptr);
    const SIZE client = clientSize(dialog);
    EXPECT_EQ(client.cx, px(1075));
    EXPECT_EQ(client.cy, px(750));
    RECT dialogBounds{};
    GetWindowRect(dialog, &dialogBounds);
    shoot(dialog, L"settings");
    // The title strip (30 units of 0x00544A43 ... under the tabs) and the bottom bar's OK.
    EXPECT_EQ(e2e::screenPixel(dialogBounds.right - px(28) / 2, dialogBounds.top + px(1)), RGB(0x52, 0x52, 0x52))
        << "the close panel, 28 units wide at the strip's right end";
    // The other pages, to be looked at.
    for (const wchar_t* page : {L"settings-watermark", L"settings-floating", L"settings-sounds"}) {
        nextPage();
        shoot(dialog, page);
    }
    e2e::pressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::waitUntil(3000, [&] { return !IsWindowVisible(dialog); }));

    // The about box from the menu's "About...", the line above "Exit": 515 units wide inside.
    e2e::mouseMoveTo(bounds.left + px(30), middle);
    e2e::rightClick();
    ASSERT_NE(e2e::waitForWindow(L"#32768", 0, 3000, true), nullptr);
    Sleep(300);  // the menu takes keys once it is up
    e2e::pressKey(VK_UP);
    e2e::pressKey(VK_UP);
    e2e::pressKey(VK_RETURN);
    HWND about = e2e::waitForWindow(L"Tfabout", norvi.id(), 5000, true);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(clientSize(about).cx, px(515));
    RECT aboutBounds{};
    GetWindowRect(about, &aboutBounds);
    EXPECT_EQ(aboutBounds.bottom - aboutBounds.top, px(328));
    shoot(about, L"about");
    e2e::closeWindow(about);
}

}  // namespace
