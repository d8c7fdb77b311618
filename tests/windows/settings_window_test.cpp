// The settings dialog's window on the real platform: where it opens, its class and size,
// a picture of each of its four pages as the screen shows it, saved beside the test
// program (settings_page_<n>.bmp) for people to look at, and a position button's tooltip.
#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "settings/window/position_grid_view.h"
#include "settings/window/settings_window.h"
#include "ui/kit/button_view.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/scroll_area_view.h"
#include "ui/kit/tab_strip_view.h"
#include "ui/kit/theme.h"
#include "ui/kit/tooltip.h"
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
        program = test::startProgram(platform);
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

// Moves the system's pointer as a mouse would, so that the window under it gets the moves.
void movePointerTo(POINT p) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((p.x * 65535LL + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1));
    input.mi.dy = static_cast<LONG>((p.y * 65535LL + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

TEST_F(SettingsWindowWin32, APositionButtonShowsItsHintInATooltipWindow) {
    const ui::kit::TooltipStyle& style = ui::kit::darkTheme().tooltip;
    whileOpen([&] {
        sw().selectPage(1);
        sw().watermarkScroll().setOffset(1100);
        sw().form().repaint();
        UpdateWindow(hwnd());
        // The grid's first button, "Top left", on the screen.
        const ui::kit::View* grid = nullptr;
        std::function<void(const ui::kit::View&)> find = [&](const ui::kit::View& v) {
            if (dynamic_cast<const PositionGridView*>(&v)) grid = &v;
            for (const auto& child : v.children()) find(*child);
        };
        find(sw().form().root());
        ASSERT_NE(grid, nullptr);
        const Point local = grid->children().at(0)->fromForm({0, 0});
        RECT window{};
        GetWindowRect(hwnd(), &window);
        const POINT onCell{window.left - local.x + 20, window.top - local.y + 15};
        movePointerTo({onCell.x - 30, onCell.y - 30});
        pumpUntil([] { return false; }, 100);
        movePointerTo(onCell);

        HWND tip = nullptr;
        pumpUntil([&] { return (tip = FindWindowW(L"NorviTooltip", nullptr)) && IsWindowVisible(tip); }, 3000);
        ASSERT_NE(tip, nullptr) << "no tooltip window appeared";
        ASSERT_TRUE(IsWindowVisible(tip));
        wchar_t text[64] = {};
        GetWindowTextW(tip, text, 64);
        EXPECT_STREQ(text, L"Top left");
        const LONG_PTR ex = GetWindowLongPtrW(tip, GWL_EXSTYLE);
        EXPECT_EQ(ex & WS_EX_TOPMOST, WS_EX_TOPMOST);
        EXPECT_EQ(ex & WS_EX_TRANSPARENT, WS_EX_TRANSPARENT) << "the pointer passes through";
        EXPECT_EQ(GetForegroundWindow(), hwnd()) << "the dialog kept the activation";
        RECT r{};
        GetWindowRect(tip, &r);
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_EQ(r.left, cursor.x + style.offset.x);
        EXPECT_EQ(r.top, cursor.y + style.offset.y);

        pumpUntil([] { return false; }, 150);
        const Bitmap shot = grabScreenRect(r);
        EXPECT_EQ(shot.pixel(0, 0), style.border);
        EXPECT_EQ(shot.pixel(shot.width() - 1, shot.height() - 1), style.border);
        EXPECT_EQ(shot.pixel(2, 2), style.background);
        EXPECT_GT(test::boxWhere(shot, [](Colour c) { return c == 0; }).right, 0) << "black text";
        // The grid with the tip over it, for people to look at.
        const Point gridAt = grid->fromForm({0, 0});
        const RECT around{window.left - gridAt.x - 30, window.top - gridAt.y - 40,
                          window.left - gridAt.x + grid->size().width + 30, window.top - gridAt.y + grid->size().height + 20};
        const std::string path = besideTestProgram("settings_tooltip.bmp");
        EXPECT_TRUE(saveBmp(grabScreenRect(around), path)) << path;
        std::cout << "[ settings ] tooltip saved as " << path << "\n";

        // A press takes it away.
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        pumpUntil([&] { return !IsWindow(tip) || !IsWindowVisible(tip); }, 1000);
        EXPECT_FALSE(IsWindow(tip) && IsWindowVisible(tip)) << "gone on a press";
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        pumpUntil([] { return false; }, 100);
        d().cancelClick();
    });
}

void pressKey(WORD vk, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

TEST_F(SettingsWindowWin32, TabShowsTheFocusMarkAndSpaceTogglesTheFocusedBox) {
    const ui::kit::Theme& theme = ui::kit::darkTheme();
    bool before = false;
    whileOpen([&] {
        sw().selectPage(0);
        SetForegroundWindow(hwnd());
        pumpUntil([] { return false; }, 100);
        RECT window{};
        GetWindowRect(hwnd(), &window);
        const Bitmap unmarked = grabScreenRect(window);
        pressKey(VK_TAB, true);
        pressKey(VK_TAB, false);
        pumpUntil([&] { return sw().form().focusCuesShown(); }, 2000);
        ASSERT_TRUE(sw().form().focusCuesShown()) << "the Tab key reached the dialog";
        const ui::kit::View* box = sw().form().focused();
        ASSERT_NE(box, nullptr);
        pumpUntil([] { return false; }, 150);
        const Bitmap marked = grabScreenRect(window);
        const std::string path = besideTestProgram("settings_focus_mark.bmp");
        EXPECT_TRUE(saveBmp(marked, path)) << path;
        std::cout << "[ settings ] focus mark saved as " << path << "\n";
        // White dots appear along the top of the focused box's caption, and nowhere else.
        const Point at = box->fromForm({0, 0});
        int changed = 0, changedOutside = 0;
        for (int y = 0; y < marked.height(); ++y)
            for (int x = 0; x < marked.width(); ++x) {
                if (marked.pixel(x, y) == unmarked.pixel(x, y)) continue;
                const bool inBox = x >= -at.x && x < -at.x + box->size().width && y >= -at.y && y < -at.y + box->size().height;
                (inBox ? changed : changedOutside)++;
                if (inBox) {
                    EXPECT_EQ(marked.pixel(x, y), theme.checkBox.text) << x << "," << y;
                }
            }
        EXPECT_GT(changed, 20) << "a dotted mark around the caption";
        EXPECT_EQ(changedOutside, 0);

        auto* checkBox = dynamic_cast<const ui::kit::CheckBoxView*>(box);
        ASSERT_NE(checkBox, nullptr);
        ASSERT_EQ(&const_cast<ui::kit::CheckBoxView*>(checkBox)->model(), &d().cbText) << "the page's first box";
        before = d().cbText.checked();
        pressKey(VK_SPACE, true);
        pumpUntil([] { return false; }, 100);
        EXPECT_EQ(d().cbText.checked(), before) << "not yet: a button acts on the key's release";
        pressKey(VK_SPACE, false);
        pumpUntil([&] { return d().cbText.checked() != before; }, 2000);
        EXPECT_NE(d().cbText.checked(), before) << "Space toggled \"Textual Indicator\"";

        // Back to Cancel, round the end of the order: its mark is a dotted frame inside.
        pressKey(VK_SHIFT, true);
        pressKey(VK_TAB, true);
        pressKey(VK_TAB, false);
        pressKey(VK_SHIFT, false);
        const ui::kit::View* cancelView = &sw().cancelButton();
        pumpUntil([&] { return sw().form().focused() == cancelView; }, 2000);
        ASSERT_EQ(sw().form().focused(), cancelView);
        pumpUntil([] { return false; }, 150);
        const Point c = cancelView->fromForm({0, 0});
        const RECT cancel{window.left - c.x - 20, window.top - c.y - 12, window.left - c.x + 95, window.top - c.y + 37};
        const Bitmap button = grabScreenRect(cancel);
        EXPECT_TRUE(saveBmp(button, besideTestProgram("settings_focus_mark_button.bmp")));
        EXPECT_EQ(button.pixel(20 + 3, 12 + 3), theme.button.text) << "the mark's first dot";
        EXPECT_EQ(button.pixel(20 + 4, 12 + 3), theme.button.face) << "dotted";
        d().cancelClick();
    });
    EXPECT_EQ(d().cbText.checked(), before) << "Cancel put it back";
}

}  // namespace
}  // namespace norvi::win32
