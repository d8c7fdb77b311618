// The real norvi.exe: the shared menu from a right click on the strip, and the start-up
// registration following "Load at Startup".
#include <gtest/gtest.h>

#include "driver.h"

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(MenuE2E, RightClickOnTheStripOpensTheSharedMenuAndEscapeClosesIt) {
    ASSERT_TRUE(e2e::writeConfig("[Config]\r\nleft=600\r\ntop=400\r\nload=0\r\n"));
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    RECT r{};
    GetWindowRect(main, &r);
    e2e::mouseMoveTo(r.left + 100, r.top + 13);  // the Num cell
    Sleep(100);
    e2e::rightClick();
    // A popup menu is a window of the system class "#32768".
    HWND menu = nullptr;
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return (menu = e2e::findWindow(L"#32768", 0, true)) != nullptr; }))
        << "the menu opens at the pointer";
    RECT m{};
    GetWindowRect(menu, &m);
    EXPECT_NEAR(m.left, r.left + 100, 4);
    // The items are drawn by Norvi itself: white bold captions on the dark background.
    EXPECT_TRUE(e2e::waitUntil(1500, [&] { return e2e::countColour(e2e::captureRect(m), RGB(255, 255, 255)) > 200; }))
        << "the menu's items are drawn";
    e2e::saveScreenshot(e2e::captureScreen(), L"menu-from-strip");
    e2e::pressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::waitUntil(2000, [&] { return e2e::findWindow(L"#32768", 0, true) == nullptr; }));
    ASSERT_TRUE(e2e::closeNorvi(norvi, main).has_value());
}

// The hidden application window comes forward and owns the tray's menu; the strip is
// never activated by it (its activation would reset the cues and could move it).
TEST(MenuE2E, ARightPressOnATrayIconShowsTheMenuWithoutActivatingTheStrip) {
    ASSERT_TRUE(e2e::writeConfig("[Config]\r\nleft=600\r\ntop=400\r\nload=0\r\n"));
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(e2e::openTrayMenu(), nullptr);
    e2e::saveScreenshot(e2e::captureScreen(), L"menu-from-tray");
    HWND foreground = GetForegroundWindow();
    EXPECT_NE(foreground, main) << "the strip is not activated";
    wchar_t cls[64] = {};
    GetClassNameW(foreground, cls, 64);
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    EXPECT_STREQ(cls, L"NorviMessageWindow");
    EXPECT_EQ(process, norvi.id());
    e2e::pressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::waitUntil(2000, [&] { return e2e::findWindow(L"#32768", 0, true) == nullptr; }));
    EXPECT_NE(GetForegroundWindow(), main);
    ASSERT_TRUE(e2e::closeNorvi(norvi, main).has_value());
}

TEST(MenuE2E, LoadAtStartupOffDeletesTheRunValueAtTheNextSave) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key,
                              nullptr), ERROR_SUCCESS);
    const wchar_t old[] = L"\"C:\\old\\norvi.exe\"";
    RegSetValueExW(key, L"Norvi", 0, REG_SZ, reinterpret_cast<const BYTE*>(old), sizeof old);
    RegCloseKey(key);
    ASSERT_TRUE(e2e::writeConfig("[Config]\r\nload=0\r\n"));
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(e2e::closeNorvi(norvi, main).has_value());
    DWORD size = 0;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Norvi", RRF_RT_REG_SZ, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
}

}  // namespace
