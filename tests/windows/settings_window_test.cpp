// The settings dialog's window on the real platform: where it opens, its class and size,
// and a picture of each of its four pages as the screen shows it, saved beside the test
// program (settings_page_<n>.bmp) for people to look at.
#include <windows.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/win32/dib.h"
#include "platform/win32/win32_platform.h"
#include "resources/bmp_image.h"
#include "settings/window/settings_window.h"
#include "ui/kit/tab_strip_view.h"
#include "ui/kit/theme.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

using test::countOf;
using test::pumpUntil;

std::string besideTheProgram(const std::string& name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::string path = narrow(self);
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

// What the screen shows inside a window's rectangle.
Bitmap grabScreen(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    void* bits = nullptr;
    UniqueBitmap dib = createDibSection(w, h, 32, &bits);
    Bitmap picture(w, h, 32);
    if (!dib || !bits) return picture;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(memory, dib.get());
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::memcpy(picture.data(), bits, picture.byteSize());
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

bool save(const Bitmap& picture, const std::string& path) {
    const auto bmp = encodeBmp(picture, 24);
    if (!bmp) return false;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bmp->data()), static_cast<std::streamsize>(bmp->size()));
    return static_cast<bool>(out);
}

class SettingsWindowWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<Program>(platform);
        program->start();
        program->mainform->Timer1->setEnabled(false);
        // The start-up cue's watermark lies over the middle of the screen.
        if (program->floatTXT && program->floatTXT->window) program->floatTXT->window->hide();
    }
    Tfcolors& d() { return *program->fcolors; }
    SettingsWindow& sw() { return *d().nativeWindow; }
    HWND hwnd() { return reinterpret_cast<HWND>(sw().window().handle()); }

    // Opens the dialog; once it shows, runs while (inside the modal loop), which must end it.
    void whileOpen(const std::function<void()>& actions) {
        auto step = platform.loop().createTimer(200);
        bool ran = false;
        step->onTick = [&] {
            // Opening lets messages run before the dialog shows: wait until it does.
            if (ran || !d().visible()) return;
            ran = true;
            step->setEnabled(false);
            actions();
        };
        step->setEnabled(true);
        program->mainform->Setcolors1Click();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(d().visible());
    }

    Win32Platform platform;
    std::unique_ptr<Program> program;
};

TEST_F(SettingsWindowWin32, OpensAtTheRememberedPlaceWithItsFourTabs) {
    ASSERT_NE(d().nativeWindow, nullptr);
    const HWND w = hwnd();
    wchar_t className[64] = {}, title[64] = {};
    GetClassNameW(w, className, 64);
    GetWindowTextW(w, title, 64);
    EXPECT_STREQ(className, L"Tfcolors");
    EXPECT_STREQ(title, L" Settings");
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0) << "borderless";
    EXPECT_FALSE(IsWindowVisible(w));

    const int sx = GetSystemMetrics(SM_CXSCREEN), sy = GetSystemMetrics(SM_CYSCREEN);
    const RECT centred{(sx - 1075) / 2, (sy - 750) / 2, (sx - 1075) / 2 + 1075, (sy - 750) / 2 + 750};
    whileOpen([&] {
        EXPECT_TRUE(IsWindowVisible(w));
        RECT r{}, client{};
        GetWindowRect(w, &r);
        GetClientRect(w, &client);
        EXPECT_TRUE(EqualRect(&r, &centred)) << r.left << "," << r.top << " " << r.right << "," << r.bottom;
        EXPECT_EQ(client.right, 1075);
        EXPECT_EQ(client.bottom, 750);
        EXPECT_EQ(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
        EXPECT_EQ(sw().tabs().count(), 4);
        // The user drags it elsewhere: the next opening shows it there.
        SetWindowPos(w, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        d().cancelClick();
    });
    EXPECT_FALSE(IsWindowVisible(w));
    whileOpen([&] {
        RECT r{};
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, 30);
        EXPECT_EQ(r.top, 40);
        d().BitBtn1Click();
    });
}

TEST_F(SettingsWindowWin32, EachPageOnTheScreenIsSavedAsAPicture) {
    const ui::kit::Theme& theme = ui::kit::darkTheme();
    whileOpen([&] {
        for (int page = 0; page < kSettingsPageCount; ++page) {
            SCOPED_TRACE(page);
            sw().selectPage(page);
            sw().form().repaint();
            UpdateWindow(hwnd());
            pumpUntil([] { return false; }, 150);
            RECT r{};
            GetWindowRect(hwnd(), &r);
            const Bitmap shot = grabScreen(r);
            const std::string path = besideTheProgram("settings_page_" + std::to_string(page) + ".bmp");
            EXPECT_TRUE(save(shot, path)) << path;
            std::cout << "[ settings ] page " << page << " saved as " << path << "\n";
            // The screen shows the composed picture: the strip, the selected tab, the page.
            EXPECT_EQ(shot.pixel(1074, 15), theme.colours.closeFace);
            const Rect tab = sw().tabs().tabRect(page);
            EXPECT_EQ(shot.pixel(tab.left + 3, tab.top + 3), theme.colours.page) << "the selected tab";
            const Bitmap& composed = sw().form().picture();
            int differing = 0;
            for (int y = 0; y < 750; y += 5)
                for (int x = 0; x < 1075; x += 5) differing += shot.pixel(x, y) != composed.pixel(x, y);
            EXPECT_EQ(differing, 0) << "pixels where the screen differs from the window's picture";
            EXPECT_GT(countOf(shot, theme.colours.white), 200) << "white text was drawn";
        }
        d().cancelClick();
    });
}

}  // namespace
}  // namespace norvi::win32
