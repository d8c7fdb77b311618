// The settings dialog's window on the real platform: where it opens, its class and size,
// and a picture of each of its four pages as the screen shows it, saved beside the test
// program (settings_page_<n>.bmp) for people to look at.
#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "settings/window/settings_window.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/tab_strip_view.h"
#include "ui/kit/theme.h"
#include "screen_grab.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

using test::countOf;
using test::besideTestProgram;
using test::grabScreenRect;
using test::pumpUntil;
using test::saveBmp;

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
        // The Watermark page twice: its top and, scrolled to the end, the position grid.
        struct Shot {
            int page;
            int scroll;
            const char* name;
        };
        const Shot shots[] = {{0, 0, "0"}, {1, 0, "1"}, {1, 1100, "1_lower"}, {2, 0, "2"}, {3, 0, "3"}};
        for (const Shot& s : shots) {
            const int page = s.page;
            SCOPED_TRACE(s.name);
            sw().selectPage(page);
            sw().watermarkScroll().setOffset(s.scroll);
            sw().form().repaint();
            UpdateWindow(hwnd());
            pumpUntil([] { return false; }, 150);
            RECT r{};
            GetWindowRect(hwnd(), &r);
            const Bitmap shot = grabScreenRect(r);
            const std::string path = besideTestProgram(std::string("settings_page_") + s.name + ".bmp");
            EXPECT_TRUE(saveBmp(shot, path)) << path;
            std::cout << "[ settings ] page " << s.name << " saved as " << path << "\n";
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
