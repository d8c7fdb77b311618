// Norvi's popup menu as the system holds it, as it draws its lines, and on screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/win32/dib.h"
#include "platform/win32/message_window.h"
#include "platform/win32/popup_menu.h"
#include "resources/bmp_image.h"
#include "thread_script.h"
#include "windows_fixture.h"

namespace norvi::win32 {
namespace {

using test::boxWhere;
using test::countOf;
using test::Script;
using Kind = PopupMenuEntry::Kind;

constexpr Colour kBackground = 0x00544A43;
constexpr Colour kSelection = 0x00C08000;
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kDisabledText = 0x00A0A0A0;
constexpr Colour kSeparator = 0x00A6988E;
constexpr int kCheckColumn = 24;

const std::vector<PopupMenuEntry> kSample = {
    {"First", Kind::Command, false, false, true},
    {"-", Kind::Separator, false, false, true},
    {"Second", Kind::Check, true, false, true},
    {"Third", Kind::Check, false, true, true},
    {"Fourth", Kind::Command, false, false, false},
};

// The shared menu's lines as Norvi shows them on one display with the default settings.
std::vector<PopupMenuEntry> norviMenu() {
    const auto line = [](const char* caption, Kind kind, bool checked = false, bool isDefault = false) {
        return PopupMenuEntry{caption, kind, checked, isDefault, true};
    };
    return {line("Settings", Kind::Command),
            line("-", Kind::Separator),
            line("Textual Indicator", Kind::Check, true),
            line("Iconic Indicator", Kind::Check, false, true),
            line("Keep Last Displayed Visible", Kind::Check),
            line("-", Kind::Separator),
            line("Floating Indicator", Kind::Check, true),
            line("Num Lock in System tray", Kind::Check, true),
            line("-", Kind::Separator),
            line("Sound", Kind::Check, true),
            line("-", Kind::Separator),
            line("Load at Startup", Kind::Check, true),
            line("Visit the Norvi website", Kind::Command),
            line("-", Kind::Separator),
            line("User Guide", Kind::Command),
            line("About...", Kind::Command),
            line("Exit", Kind::Command)};
}

TEST(PopupMenu, TheBuiltMenuHoldsEveryEntryOwnerDrawnWithItsStates) {
    const StyledPopupMenu menu(kSample);
    ASSERT_NE(menu.handle(), nullptr);
    ASSERT_EQ(GetMenuItemCount(menu.handle()), static_cast<int>(kSample.size()));
    for (UINT i = 0; i < kSample.size(); ++i) {
        const PopupMenuEntry& e = kSample[i];
        SCOPED_TRACE(e.caption);
        wchar_t caption[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = 63;
        ASSERT_TRUE(GetMenuItemInfoW(menu.handle(), i, TRUE, &info));
        const bool separator = e.kind == Kind::Separator;
        EXPECT_EQ(info.wID, i + 1);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << std::hex << info.fType;
        EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, separator) << std::hex << info.fType;
        EXPECT_EQ((info.fState & MFS_CHECKED) != 0, e.checked) << std::hex << info.fState;
        EXPECT_EQ((info.fState & MFS_DEFAULT) != 0, e.isDefault) << std::hex << info.fState;
        EXPECT_EQ((info.fState & MFS_DISABLED) != 0, !e.enabled) << std::hex << info.fState;
        if (!separator) {
            EXPECT_EQ(narrow(caption), e.caption);
        }
    }
    EXPECT_EQ(GetMenuDefaultItem(menu.handle(), FALSE, 0), 4u);

    // The margins around the lines are the menu's own background.
    MENUINFO look{};
    look.cbSize = sizeof look;
    look.fMask = MIM_BACKGROUND;
    ASSERT_TRUE(GetMenuInfo(menu.handle(), &look));
    LOGBRUSH brush{};
    ASSERT_TRUE(GetObjectW(look.hbrBack, sizeof brush, &brush));
    EXPECT_EQ(brush.lbColor, kBackground);
}

// One line measured and drawn by the menu's own answers, onto a 32-bit picture.
Bitmap drawLine(const StyledPopupMenu& menu, UINT index, UINT state) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = index + 1;
    measure.itemData = reinterpret_cast<ULONG_PTR>(&menu);
    EXPECT_TRUE(menu.measure(measure));
    // The system widens a line beyond what it asked for; draw it wider too.
    const int width = static_cast<int>(measure.itemWidth) + 20;
    const int height = static_cast<int>(measure.itemHeight);
    if (height <= 0) return {};
    void* bits = nullptr;
    const UniqueBitmap dib = createDibSection(width, height, 32, &bits);
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const ScopedSelect select(dc.get(), dib.get());
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = index + 1;
    draw.itemData = reinterpret_cast<ULONG_PTR>(&menu);
    draw.itemState = state;
    draw.hDC = dc.get();
    draw.rcItem = {0, 0, width, height};
    EXPECT_TRUE(menu.draw(draw));
    GdiFlush();
    Bitmap picture(width, height, 32);
    std::memcpy(picture.data(), bits, picture.byteSize());
    return picture;
}

Bitmap region(const Bitmap& from, int left, int top, int right, int bottom) {
    Bitmap part(right - left, bottom - top, 32);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) part.setPixel(x - left, y - top, from.pixel(x, y));
    return part;
}

TEST(PopupMenu, EachLineIsDrawnInTheFlatStyle) {
    const StyledPopupMenu menu(kSample);
    struct Case {
        const char* name;
        UINT index;
        UINT state;
        Colour fill;       // inside the line, away from text and tick
        Colour text;       // the caption's colour
        bool tick;
    };
    const Case cases[] = {
        {"plain", 0, 0, kBackground, kWhite, false},
        {"selected", 0, ODS_SELECTED, kSelection, kWhite, false},
        {"checked", 2, ODS_CHECKED, kBackground, kWhite, true},
        {"checked and selected", 2, ODS_CHECKED | ODS_SELECTED, kSelection, kWhite, true},
        {"disabled", 4, ODS_GRAYED | ODS_DISABLED, kBackground, kDisabledText, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bitmap line = drawLine(menu, c.index, c.state);
        ASSERT_FALSE(line.empty());
        const int w = line.width(), h = line.height();
        EXPECT_GE(h, 13 + 4);
        const bool selected = c.state & ODS_SELECTED;
        EXPECT_EQ(line.pixel(0, 0), kBackground) << "corner: background or the selection's border";
        EXPECT_EQ(line.pixel(w - 1, h - 1), kBackground);
        EXPECT_EQ(line.pixel(1, 1), c.fill);
        EXPECT_EQ(line.pixel(w - 2, h / 2), c.fill);
        if (selected) {
            EXPECT_EQ(countOf(region(line, 0, 0, w, 1), kBackground), w) << "a border all round";
            EXPECT_EQ(countOf(region(line, 0, 0, 1, h), kBackground), h);
        }
        // The caption right of the check column, in its colour; no other colour there
        // beyond the fill and blends of the two.
        const Bitmap text = region(line, kCheckColumn, 0, w, h);
        EXPECT_GT(countOf(text, c.text), 5);
        EXPECT_EQ(countOf(text, c.text == kWhite ? kDisabledText : kWhite), 0);
        // The tick: white, inside the check column, only on checked lines.
        const Bitmap column = region(line, 0, 0, kCheckColumn, h);
        const auto tick = boxWhere(column, [](Colour p) { return p == kWhite; });
        EXPECT_EQ(!tick.empty(), c.tick);
        if (c.tick) {
            EXPECT_GE(tick.right - tick.left, 8);
            EXPECT_GE(tick.bottom - tick.top, 7);
            EXPECT_GT(tick.left, 2);
            EXPECT_LT(tick.right, kCheckColumn - 2);
        }
    }
}

TEST(PopupMenu, ASeparatorIsOneRuleRightOfTheCheckColumn) {
    const StyledPopupMenu menu(kSample);
    const Bitmap line = drawLine(menu, 1, 0);
    ASSERT_FALSE(line.empty());
    const auto rule = boxWhere(line, [](Colour p) { return p == kSeparator; });
    ASSERT_FALSE(rule.empty());
    EXPECT_EQ(rule.bottom - rule.top, 1);
    EXPECT_GE(rule.left, kCheckColumn);
    EXPECT_EQ(rule.right, line.width());
    EXPECT_EQ(countOf(line, kBackground) + countOf(line, kSeparator), line.width() * line.height());
}

TEST(PopupMenu, AtTwiceTheDpiEveryLineIsTheSameLayoutTwiceAsLarge) {
    const StyledPopupMenu normal(kSample), large(kSample, 192);
    const Bitmap plain = drawLine(normal, 2, ODS_CHECKED), twice = drawLine(large, 2, ODS_CHECKED);
    const Bitmap separator = drawLine(large, 1, 0);
    ASSERT_FALSE(plain.empty());
    ASSERT_FALSE(twice.empty());
    ASSERT_FALSE(separator.empty());
    // The font is twice as tall, drawn at its size: the line is at least twice as high
    // (text heights round), never a stretched copy.
    EXPECT_GE(twice.height(), 2 * plain.height() - 2);
    EXPECT_LE(twice.height(), 2 * plain.height() + 2);
    EXPECT_EQ(separator.height(), 14);
    const auto rule = boxWhere(separator, [](Colour p) { return p == kSeparator; });
    EXPECT_EQ(rule.bottom - rule.top, 2) << "the rule is two pixels thick";
    EXPECT_GE(rule.left, 2 * kCheckColumn);
    // The tick: white, twice the size, inside the 48-pixel check column.
    const auto tickOf = [](const Bitmap& line, int column) {
        return boxWhere(region(line, 0, 0, column, line.height()), [](Colour p) { return p == kWhite; });
    };
    const auto small = tickOf(plain, kCheckColumn), big = tickOf(twice, 2 * kCheckColumn);
    ASSERT_FALSE(big.empty());
    EXPECT_EQ(big.right - big.left, 2 * (small.right - small.left));
    EXPECT_EQ(big.bottom - big.top, 2 * (small.bottom - small.top));
    // The caption starts right of the scaled column.
    const auto text = boxWhere(region(twice, 2 * kCheckColumn, 0, twice.width(), twice.height()),
                               [](Colour p) { return p == kWhite; });
    EXPECT_FALSE(text.empty());
}

TEST(PopupMenu, RequestsOfOtherOwnerDrawnThingsAreNotAnswered) {
    const StyledPopupMenu menu(kSample);
    const StyledPopupMenu other(kSample);
    MEASUREITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemID = 1;
    request.itemData = reinterpret_cast<ULONG_PTR>(&other);
    EXPECT_FALSE(menu.measure(request)) << "another menu's line";
    request.itemData = reinterpret_cast<ULONG_PTR>(&menu);
    request.itemID = static_cast<UINT>(kSample.size() + 1);
    EXPECT_FALSE(menu.measure(request)) << "no such line";
    request.itemID = 1;
    request.CtlType = ODT_BUTTON;
    EXPECT_FALSE(menu.measure(request)) << "a button";
}

// ---- shown for real -------------------------------------------------------------------

void keys(HWND owner, std::initializer_list<WPARAM> virtualKeys) {
    for (WPARAM vk : virtualKeys) {
        PostMessageW(owner, WM_KEYDOWN, vk, 1);
        PostMessageW(owner, WM_KEYUP, vk, 0xC0000001);
    }
}

class ShownMenu : public ::testing::Test {
protected:
    ShownMenu() { SetCursorPos(5, 5); }  // away from the menu, so the pointer selects nothing
    // Empties the owner's queue; true when it held a WM_NULL.
    bool ownerWasPostedNull() {
        bool posted = false;
        MSG msg;
        while (PeekMessageW(&msg, owner.handle(), 0, 0, PM_REMOVE)) posted = posted || msg.message == WM_NULL;
        return posted;
    }
    MessageWindow owner{MessageWindow::Kind::TopLevel, [](UINT, WPARAM, LPARAM) { return std::optional<LRESULT>(); }};
};

TEST_F(ShownMenu, TheKeyboardChoiceComesBackAsTheEntrysIndex) {
    struct Case {
        const char* name;
        std::initializer_list<WPARAM> keys;
        std::optional<int> chosen;
    };
    const Case cases[] = {
        {"down twice skips the separator", {VK_DOWN, VK_DOWN, VK_RETURN}, 2},
        {"up wraps to the last line", {VK_UP, VK_UP, VK_RETURN}, 3},
        {"escape chooses nothing", {VK_ESCAPE}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ownerWasPostedNull();
        StyledPopupMenu menu(kSample);
        const HWND window = owner.handle();
        const Script script({[&] { keys(window, c.keys); }});
        SetForegroundWindow(window);
        EXPECT_EQ(menu.track(window, {300, 200}), c.chosen);
        EXPECT_TRUE(ownerWasPostedNull()) << "so that the next click elsewhere closes the next menu";
    }
}

Bitmap captureScreen(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    void* bits = nullptr;
    const UniqueBitmap dib = createDibSection(width, height, 32, &bits);
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    {
        const ScopedSelect select(dc.get(), dib.get());
        const ScreenDc screen;
        BitBlt(dc.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
        GdiFlush();
    }
    Bitmap picture(width, height, 32);
    std::memcpy(picture.data(), bits, picture.byteSize());
    return picture;
}

std::string besideTheTests(const char* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return narrow(folder) + name;
}

// The menu on screen, with its third line selected, saved as popup_menu.bmp beside the tests.
TEST_F(ShownMenu, OnScreenItIsAFlatDarkMenu) {
    Bitmap shot;
    RECT shown{};
    const HWND window = owner.handle();
    const Script script({
        [&] { keys(window, {VK_DOWN, VK_DOWN, VK_DOWN}); },
        [&] {
            GetWindowRect(FindWindowW(L"#32768", nullptr), &shown);
            shot = captureScreen(shown);
            keys(window, {VK_ESCAPE});
        },
    });
    SetForegroundWindow(window);
    Win32Menus menus;
    EXPECT_EQ(menus.showPopupMenu(norviMenu(), {300, 200}, reinterpret_cast<WindowHandle>(window)), std::nullopt);
    ASSERT_FALSE(shot.empty()) << "the menu was not on screen";
    EXPECT_EQ(shown.left, 300);
    EXPECT_EQ(shown.top, 200);

    const auto bmp = encodeBmp(shot, 24);
    ASSERT_TRUE(bmp.has_value());
    const std::string path = besideTheTests("popup_menu.bmp");
    std::ofstream(widen(path).c_str(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp->data()), static_cast<std::streamsize>(bmp->size()));

    // Mostly the dark background; the selection one line wide; the rules; white text and
    // ticks; inside the frame nothing of the system's menu colours (a system colour that
    // happens to be one of Norvi's, such as a white menu, cannot tell).
    const int all = shot.width() * shot.height();
    EXPECT_GT(countOf(shot, kBackground), all / 2);
    const auto selection = boxWhere(shot, [](Colour p) { return p == kSelection; });
    ASSERT_FALSE(selection.empty());
    EXPECT_LT(selection.bottom - selection.top, 30);
    EXPECT_GT(selection.right - selection.left, shot.width() * 3 / 4);
    EXPECT_GT(countOf(shot, kSeparator), 5 * 50);
    EXPECT_GT(countOf(shot, kWhite), 200);
    for (const int systemColour : {COLOR_MENU, COLOR_MENUTEXT, COLOR_HIGHLIGHT, COLOR_MENUHILIGHT, COLOR_GRAYTEXT,
                                   COLOR_BTNFACE}) {
        SCOPED_TRACE(systemColour);
        const Colour c = GetSysColor(systemColour);
        if (c == kBackground || c == kSelection || c == kWhite || c == kDisabledText || c == kSeparator) continue;
        EXPECT_EQ(countOf(region(shot, 3, 3, shot.width() - 3, shot.height() - 3), GetSysColor(systemColour)), 0);
    }
}

}  // namespace
}  // namespace norvi::win32
