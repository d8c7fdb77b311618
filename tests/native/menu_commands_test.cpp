// The popup menu's commands, their twin boxes on the settings dialog and what they save.
#include <functional>

#include "fixture.h"
#include "settings/basic_page.h"

namespace norvi::test {
namespace {

std::optional<std::string> runValueIn(fake::FakePlatform& pf) { return pf.reg.readUserString(kRunKey, kRunValueName); }

// Whether a Caps Lock press now gives a sound (after a first poll, which gives none).
bool lockChangePlaysASound(fake::FakePlatform& pf) {
    pf.clock.advance(130);
    const std::size_t before = pf.audio.played.size();
    pf.keys.toggle(kVkCapital);
    pf.clock.advance(125);
    return pf.audio.played.size() > before;
}

class MenuCommandsTest : public ProgramTest {
protected:
    PopupMenu& menu() { return program->mainform->menu; }
    Tfcolors& dialog() { return *program->fcolors; }
    std::optional<std::string> runValue() { return runValueIn(pf); }
    // Closes the settings dialog with Cancel as soon as it is open.
    void cancelWhenOpen() { pf.prompts.whileModal.push_back([this] { dialog().cancelClick(); }); }
};

// One switch of the menu: the item, its twin box, the key it saves and what it does.
struct SwitchCase {
    const char* name;
    const char* config;  // norvi.cfg before start-up
    ui::MenuItem PopupMenu::*item;
    ui::CheckBox Tfcolors::*twin;
    bool after;  // the item's state once chosen
    const char* section;
    const char* key;
    const char* saved;     // the key's value after the command
    bool savedByTwin;      // the twin's own click action saves too
    std::function<bool(fake::FakePlatform&, Program&)> effect;  // true when the effect shows
};

std::vector<SwitchCase> switchCases() {
    return {
        {"FloatingOff", "", &PopupMenu::SOD, &Tfcolors::cbNorviondesktop, false, "Config", "SOD", "0", true,
         [](fake::FakePlatform&, Program& p) { return !p.mainform->visible() && !p.showMainFormOnStart; }},
        {"FloatingOn", "[Config]\r\nSOD=0\r\n", &PopupMenu::SOD, &Tfcolors::cbNorviondesktop, true, "Config", "SOD", "1",
         true, [](fake::FakePlatform&, Program& p) { return p.mainform->visible(); }},
        {"NumTrayOff", "", &PopupMenu::SnL, &Tfcolors::cbNumTray, false, "Config", "SNL", "0", true,
         [](fake::FakePlatform& t, Program&) { return !t.trayIcon(2)->present; }},
        {"NumTrayOn", "[Config]\r\nSNL=0\r\n", &PopupMenu::SnL, &Tfcolors::cbNumTray, true, "Config", "SNL", "1", true,
         [](fake::FakePlatform& t, Program& p) {
             return t.trayIcon(2)->present && p.tray.CTI2.image() == p.tray.Mali7;
         }},
        {"SoundOff", "", &PopupMenu::zvok, &Tfcolors::cbSound, false, "Config", "sound", "0", true,
         [](fake::FakePlatform& t, Program&) { return !lockChangePlaysASound(t); }},
        {"SoundOn", "[Config]\r\nsound=0\r\n", &PopupMenu::zvok, &Tfcolors::cbSound, true, "Config", "sound", "1",
         true, [](fake::FakePlatform& t, Program&) { return lockChangePlaysASound(t); }},
        {"LoadOff", "", &PopupMenu::Load, &Tfcolors::cbLoadStart, false, "Config", "load", "0", true,
         [](fake::FakePlatform& t, Program&) { return !runValueIn(t); }},
        {"LoadOn", "[Config]\r\nload=0\r\n", &PopupMenu::Load, &Tfcolors::cbLoadStart, true, "Config", "load", "1",
         true, [](fake::FakePlatform& t, Program&) {
             return runValueIn(t) == std::optional<std::string>("\"C:\\Program Files\\Norvi\\norvi.exe\"");
         }},
        {"KeepVisibleOn", "", &PopupMenu::mfTimer, &Tfcolors::cbKeepDisplayed, true, "ConfigSD", "cbTimer", "1",
         false, [](fake::FakePlatform&, Program& p) { return p.fcolors->cbTimer.checked(); }},
    };
}

class MenuSwitches : public MenuCommandsTest, public ::testing::WithParamInterface<std::tuple<SwitchCase, bool>> {};

// The same switch from the menu and from its twin box: the same marks, effect and save.
TEST_P(MenuSwitches, ItemTwinEffectAndSaveAgree) {
    const auto& [c, fromTwin] = GetParam();
    writeConfig(c.config);
    pf.reg.values[kRunKey][kRunValueName] = "old";
    Program& p = start();
    // A twin box is only in step with its item once the dialog has shown the marks.
    if (fromTwin) dialog().menuCommands.prikaziCekiranje();
    pf.disk.files.erase(configPath());
    if (fromTwin) {
        (dialog().*c.twin).click();
    } else {
        (menu().*c.item).choose();
    }
    EXPECT_EQ((menu().*c.item).checked(), c.after);
    EXPECT_EQ((dialog().*c.twin).checked(), c.after);
    EXPECT_TRUE(c.effect(pf, p));
    if (!fromTwin || c.savedByTwin) {
        EXPECT_EQ(stored(c.section, c.key), c.saved);
    } else {
        EXPECT_EQ(configText(), "") << "this twin does not save";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuSwitches, ::testing::Combine(::testing::ValuesIn(switchCases()), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_FromTwin" : "_FromMenu");
                         });

TEST_F(MenuCommandsTest, TextualAndIconicExcludeEachOtherFromEitherSide) {
    Program& p = start();
    stopPoll();
    ASSERT_TRUE(watermarkWindow().isVisible()) << "the start-up watermark";

    menu().Dop.choose();
    EXPECT_TRUE(menu().Dop.checked());
    EXPECT_FALSE(menu().DOD.checked());
    EXPECT_TRUE(dialog().cbIcon.checked());
    EXPECT_FALSE(dialog().cbText.checked());
    EXPECT_EQ(stored("Config", "DOP"), "1");
    EXPECT_EQ(stored("Config", "DOD"), "0");

    dialog().cbText.click();
    EXPECT_TRUE(menu().DOD.checked());
    EXPECT_FALSE(menu().Dop.checked());
    EXPECT_FALSE(dialog().cbIcon.checked());
    EXPECT_EQ(stored("Config", "DOD"), "1");
    EXPECT_EQ(stored("Config", "DOP"), "0");

    // Choosing the checked one again leaves both off and takes the watermark away at once.
    ASSERT_TRUE(watermarkWindow().isVisible());
    menu().DOD.choose();
    EXPECT_FALSE(menu().DOD.checked());
    EXPECT_FALSE(menu().Dop.checked());
    EXPECT_FALSE(dialog().cbText.checked());
    EXPECT_FALSE(watermarkWindow().isVisible());
    EXPECT_FALSE(p.floatTXT->TimerTXT->enabled());
    EXPECT_EQ(stored("Config", "DOD"), "0");

    dialog().cbIcon.click();
    menu().Dop.choose();
    EXPECT_FALSE(menu().Dop.checked());
    EXPECT_FALSE(dialog().cbIcon.checked());
    EXPECT_FALSE(watermarkWindow().isVisible());
}

TEST_F(MenuCommandsTest, FirstSettingsOfARunChecksEveryTwinOfACheckedItemBeforeOpening) {
    writeConfig("[Config]\r\nDOD=1\r\nSOD=1\r\nSNL=1\r\nsound=1\r\nload=1\r\n[ConfigSD]\r\ncbTimer=1\r\n");
    start();
    stopPoll();
    pf.reg.values.clear();
    pf.disk.files.erase(configPath());
    watermarkWindow().hide();
    bool sawOpen = false;
    pf.prompts.whileModal.push_back([&] {
        sawOpen = true;
        for (const BasicTwin& twin : basicTwins())
            EXPECT_EQ((dialog().*twin.box).checked(), twin.box != &Tfcolors::cbIcon) << "Iconic is the one off";
        EXPECT_TRUE(runValue()) << "the Load twin's action wrote the Run value";
        EXPECT_EQ(stored("Config", "DOD"), "1") << "saved before opening";
        dialog().cancelClick();
    });
    menu().Setcolors1.choose();
    EXPECT_TRUE(sawOpen);
    EXPECT_TRUE(watermarkWindow().isVisible()) << "the textual twin showed the lock state";
    EXPECT_EQ(pf.prompts.modalsLeftOpen, 0);
}

TEST_F(MenuCommandsTest, AnUncheckedItemLeavesItsTwinAsItIs) {
    writeConfig("[Config]\r\nsound=0\r\n");
    start();
    dialog().cbSound.setChecked(true);
    menu().zvok.setChecked(false);
    dialog().menuCommands.prikaziCekiranje();
    EXPECT_TRUE(dialog().cbSound.checked()) << "the marks are copied on, never off";
}

TEST_F(MenuCommandsTest, WebLinksAboutAndMenuOpening) {
    start();
    bool aboutShown = false;
    dialog().menuCommands.showAbout = [&] { aboutShown = true; };
    menu().VisittheNorviwebsite1.choose();
    menu().UserGuide1.choose();
    menu().About1.choose();
    EXPECT_EQ(pf.web.opened, (std::vector<std::string>{"https://www.norvi.app/", "https://www.norvi.app/UserGuide/Norvi90.pdf"}));
    EXPECT_TRUE(aboutShown);

    pf.desk.foreground = 777;
    dialog().menuCommands.PopupMenuPopup();
    EXPECT_EQ(program->lock.LastForegroundWnd, 777u);
}

TEST_F(MenuCommandsTest, AFailingAboutBoxLeavesTheMenuUsable) {
    start();
    dialog().menuCommands.showAbout = [] { throw std::runtime_error("no about box"); };
    EXPECT_NO_THROW(menu().About1.choose());
    menu().zvok.choose();
    EXPECT_EQ(stored("Config", "sound"), "0");
}

TEST_F(MenuCommandsTest, NextDisplayOnlyWithTwoDisplaysAndAVisibleWatermark) {
    {
        start();
        EXPECT_FALSE(menu().Showonnextdisplay1.visible());
        EXPECT_FALSE(dialog().xiNextMonitorVisible);
    }
    program.reset();
    pf.display.displayList = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
    start();
    stopPoll();
    EXPECT_TRUE(menu().Showonnextdisplay1.visible());
    EXPECT_TRUE(dialog().xiNextMonitorVisible);
    ASSERT_TRUE(watermarkWindow().isVisible());
    menu().Showonnextdisplay1.choose();
    EXPECT_EQ(program->floatTXT->frame(), (Rect{1920, 0, 3840, 1080}));
    watermarkWindow().hide();
    menu().Showonnextdisplay1.choose();
    EXPECT_EQ(program->floatTXT->frame(), (Rect{1920, 0, 3840, 1080})) << "a hidden watermark stays";
}

}  // namespace
}  // namespace norvi::test
