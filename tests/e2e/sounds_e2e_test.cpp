// The real Sounds page and sound finder: a file found on the desktop and chosen in the
// finder becomes the Caps Lock on sound; the next Caps Lock press plays that file. Which
// sound plays is read from Norvi's debug output (the test machine may have no audio).
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "debug_output.h"
#include "driver.h"

namespace {

// Client points of the settings dialog: the fourth tab and slot 1's find button.
constexpr POINT kSoundsTab{419, 15};
constexpr POINT kCapsOnFindButton{481, 116};
// Client points of the 572x654 finder: "Find Sounds" right of the 395-pixel chooser at
// (16, 44), the first row of the result list at (16, 110), OK at the bottom right.
constexpr POINT kFindSounds{(16 + 395 + 10 + 555) / 2, 44 + 11};
constexpr POINT kFirstResult{200, 110 + 8};
constexpr RECT kResultList{16, 110, 16 + 539, 110 + 492};
constexpr POINT kFinderOk{555 - 75 / 2, 654 - 14 - 25 / 2};
constexpr POINT kFinderCancel{555 - 75 - 8 - 75 / 2, 654 - 14 - 25 / 2};
constexpr POINT kSettingsOk{934, 725};

std::wstring desktopFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path))) return L"";
    return path;
}

// A short, complete PCM WAVE file: 8 kHz, 8-bit mono, 0.1 s of a square wave.
std::string waveFile() {
    const std::uint32_t samples = 800;
    auto u32 = [](std::uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](std::uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
    std::string data;
    for (std::uint32_t i = 0; i < samples; ++i) data.push_back(static_cast<char>((i / 10) % 2 ? 0xC0 : 0x40));
    return "RIFF" + u32(36 + samples) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(1) + u32(8000) + u32(8000) +
           u16(1) + u16(8) + "data" + u32(samples) + data;
}

RECT clientToScreen(HWND w, RECT r) {
    POINT a{r.left, r.top}, b{r.right, r.bottom};
    ClientToScreen(w, &a);
    ClientToScreen(w, &b);
    return {a.x, a.y, b.x, b.y};
}

class SoundsE2E : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::setLock(VK_CAPITAL, false);
        folder = desktopFolder() + L"\\norvi-e2e-sounds";
        CreateDirectoryW(folder.c_str(), nullptr);
        chime = folder + L"\\Chime.WAV";  // the finder matches the extension in any case
        ASSERT_TRUE(e2e::writeFile(chime, waveFile()));
        ASSERT_TRUE(e2e::writeFile(folder + L"\\notes.wav.txt", "not a sound"));
        ASSERT_TRUE(e2e::writeConfig("[Config]\r\nsound=1\r\nxvok1=1\r\nSOD=0\r\nDOD=0\r\nload=0\r\n"));
        ASSERT_TRUE(debug.start()) << "no other debug-output collector may run";
        main = e2e::startNorvi(norvi);
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override {
        if (main) e2e::closeNorvi(norvi, main);
        e2e::setLock(VK_CAPITAL, false);
        DeleteFileW(chime.c_str());
        DeleteFileW((folder + L"\\notes.wav.txt").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    bool played(const std::wstring& what) {
        const std::string needle = "Norvi: playing " + e2e::narrow(what);
    const auto lines = debug.linesOf(norvi.id());
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l == needle; });
    }

    // The settings dialog from the tray, its Sounds page, slot 1's find button.
    void openFinder() {
        settings = e2e::openSettingsFromTray(norvi);
        if (!settings) return;
        e2e::clickInWindow(settings, kSoundsTab.x, kSoundsTab.y);
        Sleep(300);
        e2e::clickInWindow(settings, kCapsOnFindButton.x, kCapsOnFindButton.y);
        finder = e2e::waitForWindow(L"TfFind", norvi.id(), 5000, true);
    }

    std::wstring folder, chime;
    HWND settings = nullptr, finder = nullptr;
    e2e::DebugOutput debug;
    e2e::NorviProcess norvi;
    HWND main = nullptr;
};

TEST_F(SoundsE2E, ASoundChosenThroughTheFinderPlaysAtTheNextCapsLockPress) {
    openFinder();
    ASSERT_NE(finder, nullptr) << "the find button opens the sound finder";

    // The desktop is the chooser's first choice; its search lists the one sound there.
    e2e::clickInWindow(finder, kFindSounds.x, kFindSounds.y);
    const RECT list = clientToScreen(finder, kResultList);
    ASSERT_TRUE(e2e::waitUntil(10000, [&] {
        return e2e::countColour(e2e::captureRect(list), RGB(255, 255, 255)) <
               (list.right - list.left) * (list.bottom - list.top) - 400;
    })) << "a result is listed";
    e2e::clickInWindow(finder, kFirstResult.x, kFirstResult.y);
    Sleep(300);
    e2e::saveScreenshot(e2e::captureScreen(), L"finder-result-chosen");
    e2e::clickInWindow(finder, kFinderOk.x, kFinderOk.y);
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return !IsWindowVisible(finder); })) << "OK closes the finder";
    Sleep(300);
    e2e::clickInWindow(settings, kSettingsOk.x, kSettingsOk.y);
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return !IsWindowVisible(settings); }));
    EXPECT_EQ(e2e::configValue(L"Wav", L"path1"), chime) << "the chosen file is the Caps Lock on sound";

    debug.clear();
    e2e::pressKey(VK_CAPITAL);
    // Under Wine with no window manager on the display, hiding an activated window holds
    // its thread for up to 2 s while Wine waits for a manager's answer: allow for that.
    EXPECT_TRUE(e2e::waitUntil(5000, [&] { return played(L"\"" + chime + L"\""); }))
        << "Caps Lock on plays the chosen file";
    const auto lines = debug.linesOf(norvi.id());
    EXPECT_EQ(lines.size(), 1u) << "one cue, one sound";
}

// The finder is modal: the settings dialog owns it and takes no input while it runs, so a
// click on its OK neither closes it then nor later, and it is active again afterwards.
TEST_F(SoundsE2E, WhileTheFinderRunsTheSettingsDialogTakesNoInput) {
    openFinder();
    ASSERT_NE(finder, nullptr);
    EXPECT_EQ(GetWindow(finder, GW_OWNER), settings);
    EXPECT_FALSE(IsWindowEnabled(settings));

    e2e::clickInWindow(settings, kSettingsOk.x, kSettingsOk.y);
    Sleep(500);
    e2e::saveScreenshot(e2e::captureScreen(), L"finder-over-disabled-settings");
    EXPECT_TRUE(IsWindowVisible(finder));
    EXPECT_TRUE(IsWindowVisible(settings));

    e2e::clickInWindow(finder, kFinderCancel.x, kFinderCancel.y);
    ASSERT_TRUE(e2e::waitUntil(3000, [&] { return !IsWindowVisible(finder); }));
    EXPECT_TRUE(IsWindowEnabled(settings));
    EXPECT_TRUE(e2e::waitUntil(2000, [&] { return GetForegroundWindow() == settings; }))
        << "the settings dialog is the active window again";
    Sleep(500);
    EXPECT_TRUE(IsWindowVisible(settings)) << "the click on OK while the finder ran did nothing";
    e2e::clickInWindow(settings, kSettingsOk.x, kSettingsOk.y);
    EXPECT_TRUE(e2e::waitUntil(3000, [&] { return !IsWindowVisible(settings); }));
}

}  // namespace
