// The real norvi.exe and the user's session: a log-off saves as "Exit" does, a second
// start hands over to the running Norvi, a right press on a tray icon leaves the strip
// alone, and the sound finder keeps the settings dialog from input while it runs.
#include <gtest/gtest.h>

#include "driver.h"

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string value(const wchar_t* section, const wchar_t* key) { return e2e::narrow(e2e::configValue(section, key)); }

std::optional<std::wstring> runValue() {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Norvi", RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

// The icons in Wine's own tray window (there is no tray manager on the test display).
int trayIconCount() {
    HWND tray = e2e::findWindow(L"__winex11_standalone_tray");
    if (!tray) return 0;
    int n = 0;
    EnumChildWindows(
        tray,
        [](HWND w, LPARAM count) -> BOOL {
            if (IsWindowVisible(w)) ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&n));
    return n;
}

TEST(SessionE2E, ALogOffSavesTheStripWhereTheUserMovedIt) {
    ASSERT_TRUE(e2e::writeConfig("[Config]\r\nleft=600\r\ntop=400\r\nload=1\r\n[Mine]\r\nkeep=yes\r\n"));
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Norvi");
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    RECT r{};
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return GetWindowRect(main, &r) && r.left == 600; }));
    e2e::drag({r.left + 20, r.top + 13}, {r.left + 20 + 200, r.top + 13 + 150});
    RECT moved{};
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return GetWindowRect(main, &moved) && moved.top != r.top; }));

    EXPECT_GE(e2e::endSession(norvi.id()), 1);
    const auto code = norvi.waitExit(15000);
    ASSERT_TRUE(code.has_value()) << "Norvi ends with the session";
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(value(L"Config", L"left"), std::to_string(moved.left));
    EXPECT_EQ(value(L"Config", L"top"), std::to_string(moved.top));
    EXPECT_EQ(value(L"Mine", L"keep"), "yes");
    EXPECT_EQ(value(L"Wav", L"path1"), "Default") << "the whole file, as Exit writes it";
    EXPECT_EQ(runValue(), L"\"" + e2e::norviExe() + L"\"") << "and the Run value";
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Norvi");
}

TEST(SessionE2E, ASecondStartOpensTheFirstOnesSettingsAndEndsWritingNothing) {
    ASSERT_TRUE(e2e::writeConfig("[Config]\r\nleft=600\r\ntop=400\r\nload=1\r\n"));
    {
        // A first run's Exit leaves the file as Norvi writes it, so that the running
        // Norvi's own save when its settings open changes no byte.
        e2e::NorviProcess once;
        HWND main = e2e::startNorvi(once);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(e2e::closeNorvi(once, main).has_value());
    }
    e2e::NorviProcess first;
    HWND main = e2e::startNorvi(first);
    ASSERT_NE(main, nullptr);
    const auto before = e2e::readFile(e2e::dataFolder() + L"\\norvi.cfg");
    ASSERT_TRUE(before.has_value());
    const auto runBefore = runValue();
    ASSERT_TRUE(e2e::waitUntil(5000, [] { return trayIconCount() == 2; }));

    e2e::NorviProcess second;
    ASSERT_TRUE(second.start());
    const auto code = second.waitExit(5000);
    ASSERT_TRUE(code.has_value()) << "the second start ends at once";
    EXPECT_EQ(*code, 0u);
    HWND settings = e2e::waitForWindow(L"Tfcolors", first.id(), 5000, true);
    EXPECT_NE(settings, nullptr) << "the running Norvi opens its settings dialog";
    e2e::saveScreenshot(e2e::captureScreen(), L"second-start");
    EXPECT_EQ(e2e::countWindows(L"Tmainform", false), 1) << "one strip";
    EXPECT_EQ(e2e::countWindows(L"TfloatTXT", false), 1) << "one watermark";
    EXPECT_EQ(trayIconCount(), 2);
    EXPECT_EQ(e2e::readFile(e2e::dataFolder() + L"\\norvi.cfg"), before);
    EXPECT_EQ(runValue(), runBefore);
    ASSERT_TRUE(e2e::closeNorvi(first, main).has_value());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Norvi");
}

}  // namespace
