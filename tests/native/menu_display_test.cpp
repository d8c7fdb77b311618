// The shared popup menu on screen: what the user sees of the items, where it opens from,
// and what a choice runs.
#include <functional>

#include "fixture.h"
#include "tray/menu_commands.h"

namespace norvi::test {
namespace {

using Kind = PopupMenuEntry::Kind;

struct ExpectedLine {
    const char* caption;
    Kind kind;
};

// The menu on a one-display system: the next-display item and ShowTI are hidden.
const std::vector<ExpectedLine> kOneDisplayMenu = {
    {"Settings", Kind::Command},
    {"-", Kind::Separator},
    {"Textual Indicator", Kind::Check},
    {"Iconic Indicator", Kind::Check},
    {"Keep Last Displayed Visible", Kind::Check},
    {"-", Kind::Separator},
    {"Floating Indicator", Kind::Check},
    {"Num Lock in System tray", Kind::Check},
    {"-", Kind::Separator},
    {"Sound", Kind::Check},
    {"-", Kind::Separator},
    {"Load at Startup", Kind::Check},
    {"Visit the Norvi website", Kind::Command},
    {"-", Kind::Separator},
    {"User Guide", Kind::Command},
    {"About...", Kind::Command},
    {"Exit", Kind::Command},
};

std::vector<ExpectedLine> twoDisplayMenu() {
    std::vector<ExpectedLine> lines = kOneDisplayMenu;
    lines.insert(lines.begin() + 5, {"Show Displayed on Next display", Kind::Command});
    return lines;
}

class MenuDisplay : public ProgramTest {
protected:
    fake::FakeWindow& strip() { return floatingWindow(); }
    void rightClickCapsCell() { strip().onContextMenu({10, 10}); }

    const fake::FakeMenus::Shown& onlyShown() {
        EXPECT_EQ(pf.popups.shown.size(), 1u);
        return pf.popups.shown.back();
    }
    static std::vector<std::string> checkedOf(const std::vector<PopupMenuEntry>& entries) {
        std::vector<std::string> checked;
        for (const PopupMenuEntry& e : entries)
            if (e.checked) checked.push_back(e.caption);
        return checked;
    }
    // The user picks the line with that caption in the menu as shown.
    void chooseWhenShown(const std::string& caption) {
        pf.popups.whileShown = [this, caption] {
            const std::vector<PopupMenuEntry>& entries = pf.popups.shown.back().entries;
            for (std::size_t i = 0; i < entries.size(); ++i)
                if (entries[i].caption == caption) pf.popups.answers = {static_cast<int>(i)};
        };
    }
};

void expectLines(const std::vector<PopupMenuEntry>& entries, const std::vector<ExpectedLine>& expected) {
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].caption);
        EXPECT_EQ(entries[i].caption, expected[i].caption);
        EXPECT_EQ(entries[i].kind, expected[i].kind);
        EXPECT_TRUE(entries[i].enabled);
        EXPECT_EQ(entries[i].isDefault, std::string(expected[i].caption) == "Iconic Indicator");
    }
}

TEST_F(MenuDisplay, OneDisplayShowsEveryVisibleItemInOrderWithIconicAsTheDefault) {
    start();
    pf.display.cursor = {1500, 700};
    rightClickCapsCell();
    const auto& shown = onlyShown();
    expectLines(shown.entries, kOneDisplayMenu);
    EXPECT_EQ(shown.screen, (Point{1500, 700}));
    EXPECT_EQ(shown.owner, strip().handle());
}

TEST_F(MenuDisplay, TwoDisplaysAddTheNextDisplayItem) {
    pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
    start();
    rightClickCapsCell();
    expectLines(onlyShown().entries, twoDisplayMenu());
}

TEST_F(MenuDisplay, CheckMarksComeFromTheItems) {
    struct Case {
        const char* config;
        std::vector<std::string> checked;
    };
    const Case cases[] = {
        {"", {"Textual Indicator", "Floating Indicator", "Num Lock in System tray", "Sound", "Load at Startup"}},
        {"[Config]\r\nDOD=0\r\nDOP=1\r\nSOD=0\r\nSNL=0\r\nsound=0\r\nload=0\r\nShowTI=1\r\n"
         "[ConfigSD]\r\ncbTimer=1\r\n",
         {"Iconic Indicator", "Keep Last Displayed Visible"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config);
        pf.popups.shown.clear();
        pf.disk.files.erase(configPath());
        writeConfig(c.config);
        start();
        rightClickCapsCell();
        EXPECT_EQ(checkedOf(onlyShown().entries), c.checked);
        program.reset();
    }
}

// Every way to the menu: either floating cell, either tray icon's right button.
TEST_F(MenuDisplay, CellsAndTrayIconsShowTheSameMenuAtThePointer) {
    struct Source {
        const char* name;
        std::function<void()> open;
        bool fromTray;  // then the hidden application window owns the menu
    };
    const Source sources[] = {
        {"caps cell", [this] { strip().onContextMenu({10, 10}); }, false},
        {"num cell", [this] { strip().onContextMenu({100, 10}); }, false},
        {"caps tray icon", [this] { pf.trayIcon(1)->onMouse(TrayMouse::RightDown); }, true},
        {"num tray icon", [this] { pf.trayIcon(2)->onMouse(TrayMouse::RightDown); }, true},
    };
    start();
    for (const Source& s : sources) {
        SCOPED_TRACE(s.name);
        pf.popups.shown.clear();
        pf.display.cursor = {321, 654};
        s.open();
        const auto& shown = onlyShown();
        expectLines(shown.entries, kOneDisplayMenu);
        EXPECT_EQ(shown.screen, (Point{321, 654}));
        EXPECT_EQ(shown.owner, s.fromTray ? fake::FakeDesktop::kApplicationWindow : strip().handle());
    }
    pf.popups.shown.clear();
    strip().onContextMenu({76, 10});
    EXPECT_TRUE(pf.popups.shown.empty()) << "not from the splitter";
}

TEST_F(MenuDisplay, TheForegroundWindowIsRecordedBeforeTheMenuShows) {
    start();
    program->lock.LastForegroundWnd = 1;
    pf.desk.foreground = 777;
    WindowHandle recordedWhileShown = 0;
    pf.popups.whileShown = [&] { recordedWhileShown = program->lock.LastForegroundWnd; };
    rightClickCapsCell();
    EXPECT_EQ(recordedWhileShown, WindowHandle{777});

    // From the tray Norvi's application window comes to the front first and owns the
    // menu, so that window is recorded.
    pf.trayIcon(1)->onMouse(TrayMouse::RightDown);
    EXPECT_EQ(recordedWhileShown, fake::FakeDesktop::kApplicationWindow);
    EXPECT_EQ(pf.desk.foreground, fake::FakeDesktop::kApplicationWindow);
    EXPECT_EQ(pf.popups.shown.back().owner, fake::FakeDesktop::kApplicationWindow);
}

// A choice runs the item of the line picked, also for lines after a hidden item.
TEST_F(MenuDisplay, ChoosingALineRunsItsItem) {
    struct Case {
        const char* caption;
        std::function<bool()> ran;
    };
    const Case cases[] = {
        {"Sound",
         [this] {
             return !program->mainform->menu.zvok.checked() && !program->fcolors->cbSound.checked() &&
                    stored("Config", "sound") == "0";
         }},
        {"Num Lock in System tray",
         [this] {
             return !program->mainform->menu.SnL.checked() && !pf.trayIcon(2)->present &&
                    stored("Config", "SNL") == "0";
         }},
        {"Visit the Norvi website", [this] { return pf.web.opened == std::vector<std::string>{kWebsiteUrl}; }},
        {"Exit", [this] { return pf.clock.quitRequested() && stored("Config", "sound") == "1"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        pf.disk.files.erase(configPath());
        pf.web.opened.clear();
        start();
        pf.disk.files.erase(configPath());
        chooseWhenShown(c.caption);
        rightClickCapsCell();
        EXPECT_TRUE(c.ran());
        program.reset();
    }
}

TEST_F(MenuDisplay, NoChoiceRunsNothing) {
    start();
    const int lines = static_cast<int>(kOneDisplayMenu.size());
    for (const std::optional<int> answer : {std::optional<int>(), std::optional<int>(-1), std::optional<int>(lines)}) {
        SCOPED_TRACE(answer.value_or(-100));
        pf.disk.files.erase(configPath());
        pf.popups.answers = {answer};
        rightClickCapsCell();
        EXPECT_FALSE(pf.disk.files.count(configPath())) << "nothing saved";
        EXPECT_TRUE(program->mainform->menu.zvok.checked());
        EXPECT_TRUE(pf.web.opened.empty());
        EXPECT_FALSE(pf.clock.quitRequested());
    }
}

// Before start-up has finished the commands are not wired: a right click then shows nothing.
TEST_F(MenuDisplay, ARightClickDuringStartUpIsIgnored) {
    bool clicked = false;
    pf.clock.onProcessMessages = [&] {
        fake::FakeWindow* w = pf.window("Tmainform");
        if (clicked || !w) return;
        clicked = true;
        w->onContextMenu({10, 10});
    };
    start();
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(pf.popups.shown.empty());
    pf.clock.onProcessMessages = nullptr;
    rightClickCapsCell();
    EXPECT_EQ(pf.popups.shown.size(), 1u);
}

}  // namespace
}  // namespace norvi::test
