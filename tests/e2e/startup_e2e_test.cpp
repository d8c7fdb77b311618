// The real norvi.exe: first start without a data folder, the file a close writes, and a
// data folder that cannot be made.
#include <gtest/gtest.h>

#include "common/config_key_order.h"
#include "driver.h"

namespace {

// The file as text; Norvi writes it in UTF-16 when it holds text outside the ANSI code page.
std::string configText(const std::string& bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        return e2e::narrow(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2));
    }
    return bytes;
}

std::string value(const wchar_t* section, const wchar_t* key) { return e2e::narrow(e2e::configValue(section, key)); }

class StartupE2E : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::removeDataFolder();
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Norvi");
    }
    void TearDown() override {
        e2e::setLock(VK_CAPITAL, false);
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Norvi");
    }
    std::wstring config() const { return e2e::dataFolder() + L"\\norvi.cfg"; }
};

TEST_F(StartupE2E, FirstStartCreatesTheDataFolderAndACloseWritesTheDefaults) {
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr) << "the floating indicator window appears";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_NE(GetFileAttributesW(e2e::dataFolder().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(e2e::readFile(config()).has_value()) << "start-up writes nothing";
    e2e::saveScreenshot(e2e::captureScreen(), L"startup-first-run");

    e2e::closeWindow(main);
    const auto code = norvi.waitExit(15000);
    ASSERT_TRUE(code.has_value()) << "closing the main window ends Norvi";
    EXPECT_EQ(*code, 0u);

    const auto bytes = e2e::readFile(config());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(norvi::test::keyOrder(configText(*bytes)), norvi::test::firstWrittenKeyOrder());
    const int width = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_EQ(value(L"Config", L"left"), std::to_string(width - 200));
    EXPECT_EQ(value(L"Config", L"top"), "30");
    EXPECT_EQ(value(L"Config", L"opacity"), "255");
    EXPECT_EQ(value(L"Config", L"O1"), "33023");
    EXPECT_EQ(value(L"ConfigSD", L"sdTimeOut"), "2000");
    EXPECT_EQ(value(L"Wav", L"path4"), "Default");

    wchar_t run[1024] = {};
    DWORD size = sizeof run;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Norvi",
                           RRF_RT_REG_SZ, nullptr, run, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(run), L"\"" + e2e::norviExe() + L"\"");
}

TEST_F(StartupE2E, ADataFolderThatCannotBeMadeStillRunsAndExitsCleanly) {
    // A plain file where the folder should be: the folder cannot be created, nothing can be saved.
    ASSERT_TRUE(e2e::writeFile(e2e::dataFolder(), "not a folder"));
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    e2e::closeWindow(main);
    const auto code = norvi.waitExit(15000);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(e2e::readFile(e2e::dataFolder()), "not a folder");
}

TEST_F(StartupE2E, StoredSettingsAreUsedAndKeptByTheNextSave) {
    ASSERT_TRUE(e2e::writeConfig("[Config]\r\nleft=400\r\ntop=-1\r\nmystery=42\r\n[Mine]\r\nkeep=yes\r\n"));
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    RECT r{};
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return GetWindowRect(main, &r) && r.left == 400; }));
    EXPECT_EQ(r.top, 100) << "a top of -1 loads as 100";
    EXPECT_EQ(r.right - r.left, 120);
    EXPECT_EQ(r.bottom - r.top, 27);
    e2e::closeWindow(main);
    ASSERT_TRUE(norvi.waitExit(15000).has_value());
    EXPECT_EQ(value(L"Config", L"top"), "100");
    EXPECT_EQ(value(L"Config", L"mystery"), "42");
    EXPECT_EQ(value(L"Mine", L"keep"), "yes");
}

TEST_F(StartupE2E, TheFloatingCapsCellFollowsCapsLock) {
    e2e::setLock(VK_CAPITAL, false);
    e2e::NorviProcess norvi;
    HWND main = e2e::startNorvi(norvi);
    ASSERT_NE(main, nullptr);
    RECT r{};
    GetWindowRect(main, &r);
    const int x = r.left + 4, y = r.top + 3;  // inside the Caps cell, clear of its text
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return e2e::screenPixel(x, y) == RGB(0x80, 0x80, 0x80); }))
        << "Caps Lock off: grey";
    const ULONGLONG pressed = GetTickCount64();
    e2e::pressKey(VK_CAPITAL);
    ASSERT_TRUE(e2e::waitUntil(1000, [&] { return e2e::screenPixel(x, y) == RGB(0xFF, 0x80, 0x00); }))
        << "Caps Lock on: orange";
    const ULONGLONG seen = GetTickCount64() - pressed;
    e2e::saveScreenshot(e2e::captureScreen(), L"floating-caps-on");
    std::printf("key press to floating cell colour: %llu ms\n", seen);
    e2e::closeWindow(main);
    ASSERT_TRUE(norvi.waitExit(15000).has_value());
}

}  // namespace
