// The real floating window's attributes, the tray picture following Caps Lock, and the
// built-in sounds inside norvi.exe.
#include <gtest/gtest.h>

#include <cstring>

#include "driver.h"

namespace {

class FloatingWindowE2E : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::setLock(VK_CAPITAL, false);
        ASSERT_TRUE(e2e::writeConfig("[Config]\r\nload=0\r\nDOD=0\r\n"));
        main = e2e::startNorvi(norvi);
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override {
        if (main) e2e::closeNorvi(norvi, main);
        e2e::setLock(VK_CAPITAL, false);
    }
    e2e::NorviProcess norvi;
    HWND main = nullptr;
};

TEST_F(FloatingWindowE2E, WindowKindLayeringAndShape) {
    EXPECT_EQ(GetWindowLongPtrW(main, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), WS_POPUP);
    const LONG_PTR ex = GetWindowLongPtrW(main, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_FALSE(ex & WS_EX_APPWINDOW) << "no taskbar button";
    EXPECT_NE(GetWindow(main, GW_OWNER), nullptr) << "owned by the hidden application window";
    EXPECT_TRUE(GetClassLongPtrW(main, GCL_STYLE) & CS_DROPSHADOW);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 27);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(main, &key, &alpha, &flags));
    EXPECT_EQ(key, 0x00EF96AAu);
    EXPECT_EQ(alpha, 255);
    EXPECT_TRUE(flags & LWA_COLORKEY);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(main, region), ERROR) << "the rounded region is applied";
    RECT box{};
    GetRgnBox(region, &box);
    // A rounded-rectangle region leaves out its last column and row.
    EXPECT_EQ(box.right - box.left, 119);
    EXPECT_EQ(box.bottom - box.top, 26);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the corner is cut";
    EXPECT_TRUE(PtInRegion(region, 60, 13));
    DeleteObject(region);
}

TEST_F(FloatingWindowE2E, TheCapsTrayPictureFollowsCapsLock) {
    // With no tray manager on the display, Wine shows the icons in a window of its own.
    HWND tray = e2e::waitForWindow(L"__winex11_standalone_tray", 0, 5000);
    ASSERT_NE(tray, nullptr);
    RECT r{};
    GetWindowRect(tray, &r);
    const COLORREF orange = RGB(0xFF, 0x80, 0x00);  // the default Caps Lock on background
    EXPECT_EQ(e2e::countColour(e2e::captureRect(r), orange), 0);
    e2e::pressKey(VK_CAPITAL);
    EXPECT_TRUE(e2e::waitUntil(1000, [&] { return e2e::countColour(e2e::captureRect(r), orange) > 100; }))
        << "the Caps icon shows the Caps Lock on picture in the floating colours";
    e2e::saveScreenshot(e2e::captureRect(r), L"tray-caps-on");
}

struct WaveCase {
    const wchar_t* name;
    WORD channels;
    DWORD dataBytes;
};

TEST(BuiltInSoundsE2E, TheFourWaveResourcesAreCompletePcmImages) {
    HMODULE exe = LoadLibraryExW(e2e::norviExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    const WaveCase cases[] = {{L"CapsOn", 2, 172196}, {L"CapsOff", 2, 213688}, {L"NumOn", 2, 149896}, {L"numoff", 1, 74126}};
    for (const WaveCase& c : cases) {
        SCOPED_TRACE(e2e::narrow(c.name));
        HRSRC found = FindResourceW(exe, c.name, L"WAVE");
        ASSERT_NE(found, nullptr);
        const DWORD size = SizeofResource(exe, found);
        const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(exe, found)));
        ASSERT_NE(bytes, nullptr);
        ASSERT_GE(size, 44u);
        EXPECT_EQ(std::memcmp(bytes, "RIFF", 4), 0);
        EXPECT_EQ(std::memcmp(bytes + 8, "WAVEfmt ", 8), 0);
        WORD format, channels, bits;
        DWORD rate, dataBytes;
        std::memcpy(&format, bytes + 20, 2);
        std::memcpy(&channels, bytes + 22, 2);
        std::memcpy(&rate, bytes + 24, 4);
        std::memcpy(&bits, bytes + 34, 2);
        EXPECT_EQ(format, 1) << "PCM";
        EXPECT_EQ(channels, c.channels);
        EXPECT_EQ(rate, 48000u);
        EXPECT_EQ(bits, 16);
        EXPECT_EQ(std::memcmp(bytes + 36, "data", 4), 0);
        std::memcpy(&dataBytes, bytes + 40, 4);
        EXPECT_EQ(dataBytes, c.dataBytes);
        EXPECT_EQ(size, 44 + dataBytes);
    }
    FreeLibrary(exe);
}

}  // namespace
