// The real settings dialog, driven as a user would: opened from the tray, a colour chosen
// in the system's colour chooser, OK; the next watermark and norvi.cfg carry the colour.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "driver.h"

namespace {

// Client points of the borderless 1075x750 dialog, from its layout: the second tab, the
// button of the Caps Lock "On Text" colour swatch (group at 60, 190 of the page area below
// the 30-pixel title strip; swatch at 182, 50 of the group, its 110-pixel button at the
// right of the 137-pixel swatch), and OK in the bottom bar.
constexpr POINT kWatermarkTab{157, 15};
constexpr POINT kCapsOnColourButton{60 + 182 + 137 - 55, 30 + 190 + 50 + 12};
constexpr POINT kOkButton{934, 725};

// The colour chooser's red, green and blue fields.
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;

constexpr COLORREF kChosen = RGB(0x20, 0xC0, 0x40);
constexpr COLORREF kStored = RGB(0xFF, 0x00, 0x00);

class SettingsE2E : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::setLock(VK_CAPITAL, false);
        // A solid (not "Transparent") red Caps Lock on text in the middle, shown for 3 s.
        ASSERT_TRUE(e2e::writeConfig("[ConfigSD]\r\nsdclon=0\r\np7=255\r\nsdTimeOut=3000\r\nTXTpolozaj=5\r\n"
                                     "sdFontSize=150\r\n[Config]\r\nSOD=0\r\nload=0\r\n"));
        main = e2e::startNorvi(norvi);
        ASSERT_NE(main, nullptr);
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        centre = {w / 2 - 300, h / 2 - 300, w / 2 + 300, h / 2 + 300};
    }
    void TearDown() override {
        if (main) e2e::closeNorvi(norvi, main);
        e2e::setLock(VK_CAPITAL, false);
    }
    int pixelsOf(COLORREF c) { return e2e::countColour(e2e::captureRect(centre), c); }

    e2e::NorviProcess norvi;
    HWND main = nullptr;
    RECT centre{};
};

void setField(HWND dialog, int id, int value) {
    const std::wstring text = std::to_wstring(value);
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

TEST_F(SettingsE2E, ACapsLockOnTextColourChosenInSettingsIsUsedAndSaved) {
    HWND settings = e2e::openSettingsFromTray(norvi);
    ASSERT_NE(settings, nullptr) << "a click on the Caps Lock tray icon opens the settings dialog";
    e2e::clickInWindow(settings, kWatermarkTab.x, kWatermarkTab.y);
    Sleep(300);
    e2e::clickInWindow(settings, kCapsOnColourButton.x, kCapsOnColourButton.y);
    HWND chooser = nullptr;
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return (chooser = e2e::findWindow(L"#32770", norvi.id(), true)) != nullptr; }))
        << "the colour chooser opens";
    EXPECT_EQ(GetWindow(chooser, GW_OWNER), settings) << "owned by the dialog, so it stays above it";
    RECT c{};
    GetWindowRect(chooser, &c);
    const POINT middle{(c.left + c.right) / 2, (c.top + c.bottom) / 2};
    EXPECT_EQ(GetAncestor(WindowFromPoint(middle), GA_ROOT), chooser) << "the chooser is in front of the dialog";
    ASSERT_NE(GetDlgItem(chooser, kRedField), nullptr);
    setField(chooser, kRedField, GetRValue(kChosen));
    setField(chooser, kGreenField, GetGValue(kChosen));
    setField(chooser, kBlueField, GetBValue(kChosen));
    Sleep(200);
    RECT ok{};
    GetWindowRect(GetDlgItem(chooser, IDOK), &ok);
    e2e::clickAt((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return !IsWindow(chooser) || !IsWindowVisible(chooser); }));
    Sleep(300);
    e2e::clickInWindow(settings, kOkButton.x, kOkButton.y);
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return !IsWindowVisible(settings); })) << "OK closes the dialog";

    EXPECT_EQ(e2e::configValue(L"ConfigSD", L"p7"), std::to_wstring(kChosen)) << "OK saved the colour";

    // The dialog's close shows a blank; wait for the screen's middle to be free of both colours.
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return pixelsOf(kStored) == 0 && pixelsOf(kChosen) == 0; }));
    e2e::pressKey(VK_CAPITAL);
    // Wine without a window manager may hold Norvi's thread up to 2 s after each window that
    // hides (here the chooser and the dialog), longer on a busy machine.
    EXPECT_TRUE(e2e::waitUntil(8000, [&] { return pixelsOf(kChosen) > 500; }))
        << "the next Caps Lock watermark is drawn in the chosen colour";
    EXPECT_EQ(pixelsOf(kStored), 0);
    e2e::saveScreenshot(e2e::captureScreen(), L"settings-watermark-in-chosen-colour");
}

TEST_F(SettingsE2E, WhileTheDialogIsOpenThePollAndTheTrayKeepWorking) {
    HWND settings = e2e::openSettingsFromTray(norvi);
    ASSERT_NE(settings, nullptr);
    const std::optional<RECT> icon = e2e::capsTrayIcon();
    ASSERT_TRUE(icon.has_value());
    const COLORREF orange = RGB(0xFF, 0x80, 0x00);  // the Caps Lock on picture's background
    e2e::pressKey(VK_CAPITAL);
    EXPECT_TRUE(e2e::waitUntil(1500, [&] { return e2e::countColour(e2e::captureRect(*icon), orange) > 50; }))
        << "the poll still follows Caps Lock";
    // Something else comes in front; the tray's click brings the one dialog back.
    HWND tray = e2e::findWindow(L"__winex11_standalone_tray");
    e2e::clickInWindow(tray, 1, 1);
    ASSERT_TRUE(e2e::waitUntil(2000, [&] { return GetForegroundWindow() != settings; }));
    Sleep(700);  // past the double-click time
    e2e::clickAt((icon->left + icon->right) / 2, (icon->top + icon->bottom) / 2);
    EXPECT_TRUE(e2e::waitUntil(3000, [&] { return GetForegroundWindow() == settings; }))
        << "opening Settings again brings the open dialog to the front";
    int shown = 0;
    EnumWindows(
        [](HWND w, LPARAM count) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(w, name, 64);
            if (IsWindowVisible(w) && lstrcmpW(name, L"Tfcolors") == 0) ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown, 1) << "never a second dialog";
}

}  // namespace
