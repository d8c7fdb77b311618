// Start-up order, the start-up watermark, and a quiet start even when the poll runs early.
#include "fixture.h"

namespace norvi::test {
namespace {

class Startup : public ProgramTest {};

TEST_F(Startup, WindowsAreCreatedInOrderAndThePollRunsAfterTheDialog) {
    Program& p = start();
    ASSERT_GE(pf.windows.size(), 2u);
    EXPECT_EQ(pf.windows.front()->args.className, "Tmainform");
    EXPECT_EQ(pf.windows.back()->args.className, "TfloatTXT");
    EXPECT_TRUE(p.startupDone);
    EXPECT_TRUE(p.mainform->Timer1->enabled());
    EXPECT_EQ(p.mainform->Timer1->interval(), 125);
    EXPECT_FALSE(p.mainform->Timer2->enabled()) << "keep-on-top starts only when the dialog first closes";
    EXPECT_GE(pf.desk.applicationWindowHides, 3);
    EXPECT_EQ(floatingWindow().args.title, "Norvi" + std::string(37, ' '));
}

TEST_F(Startup, PanelsShowTheKeyStatesFromTheStart) {
    pf.keys.setToggled(kVkCapital, true);
    Program& p = start();
    EXPECT_EQ(p.mainform->Ctabla.caption(), "ABC");
    EXPECT_EQ(p.mainform->Ctabla.colour(), p.colours.capsOnColor);
    EXPECT_EQ(p.mainform->NTABLA.caption(), "7");
    EXPECT_EQ(p.mainform->NTABLA.colour(), p.colours.numOffColor);
    EXPECT_EQ(p.lock.capsShown, 1);
    EXPECT_EQ(p.lock.numShown, 0);
}

struct IndicatorCase {
    const char* config;
    int watermarkShows;
};

class StartupWatermark : public ProgramTest, public ::testing::WithParamInterface<IndicatorCase> {};

TEST_P(StartupWatermark, FollowsTheIndicatorType) {
    writeConfig(GetParam().config);
    start();
    EXPECT_EQ(watermarkWindow().showCalls, GetParam().watermarkShows);
    EXPECT_EQ(watermarkWindow().isVisible(), GetParam().watermarkShows > 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupWatermark, ::testing::Values(
    IndicatorCase{"[Config]\r\nDOD=1\r\nDOP=0\r\n", 1},
    IndicatorCase{"[Config]\r\nDOD=0\r\nDOP=1\r\n", 1},
    IndicatorCase{"[Config]\r\nDOD=0\r\nDOP=0\r\n", 0},
    IndicatorCase{"[Config]\r\ncbShowCaps=0\r\ncbShowNum=0\r\n", 0}));

TEST_F(Startup, APollDuringStartUpGivesNoCue) {
    for (const char* name : {"CapsOn", "CapsOff", "NumOn", "NumOff"})
        pf.res.items[name]["WAVE"] = {1, 2, 3};
    pf.keys.setToggled(kVkNumLock, true);
    int pollsBeforeStartupDone = 0;
    // Time passes while the windows are being created: once the poll is enabled, every
    // place that lets messages run can deliver a tick before start-up is complete.
    pf.clock.onProcessMessages = [&] {
        if (program && program->mainform && program->mainform->Timer1->enabled() && !program->startupDone &&
            pollsBeforeStartupDone < 3) {
            pf.clock.sleep(130);
            ++pollsBeforeStartupDone;
        }
    };
    start();
    pf.clock.onProcessMessages = nullptr;
    EXPECT_GE(pollsBeforeStartupDone, 1);
    EXPECT_TRUE(pf.audio.played.empty());
    EXPECT_EQ(watermarkWindow().showCalls, 1) << "only the start-up watermark";
    run(500);
    EXPECT_TRUE(pf.audio.played.empty());
    EXPECT_EQ(watermarkWindow().showCalls, 1);
}

}  // namespace
}  // namespace norvi::test

namespace norvi::test {
namespace {

TEST_F(Startup, ACloseDuringStartUpNeitherCrashesNorOverwritesTheFile) {
    const std::string stored = "[Config]\r\nleft=400\r\n[ConfigSD]\r\nedclon=mine\r\n";
    writeConfig(stored);
    // The user closes the floating window while the later windows are still being created.
    bool closed = false;
    pf.clock.onProcessMessages = [&] {
        if (!closed && program && program->mainform && program->mainform->window) {
            closed = true;
            program->mainform->close();
        }
    };
    start();
    pf.clock.onProcessMessages = nullptr;
    EXPECT_TRUE(closed);
    EXPECT_TRUE(pf.clock.quitRequested());
    EXPECT_EQ(configText(), stored);
}

}  // namespace
}  // namespace norvi::test

namespace norvi::test {
namespace {

// A failure while a later window is made costs that window (or part of it), never the
// start: the poll runs and the cues come.
struct CreationFailure {
    const char* what;
    std::function<void(fake::FakePlatform&)> inject;
    friend void PrintTo(const CreationFailure& c, std::ostream* os) { *os << c.what; }
};

class StartupFailure : public ProgramTest, public ::testing::WithParamInterface<CreationFailure> {};

TEST_P(StartupFailure, StartUpGoesOnAndThePollRuns) {
    GetParam().inject(pf);
    ASSERT_NO_THROW(start()) << GetParam().what;
    Program& p = *program;
    EXPECT_TRUE(p.startupDone);
    EXPECT_TRUE(p.mainform->Timer1->enabled());
    EXPECT_EQ(pf.trayIcon(1)->picture, p.tray.MaliA) << "the tray shows the state pictures";
    pf.text.failTextExtent = false;
    run(250);  // the first poll only takes the states in
    const std::size_t sounds = pf.audio.played.size();
    press(kVkCapital);
    run(125);
    EXPECT_EQ(pf.audio.played.size(), sounds + 1);
    EXPECT_EQ(p.mainform->Ctabla.caption(), "ABC");
    // Exit still saves.
    p.mainform->menu.Exit1.choose();
    EXPECT_EQ(stored("Config", "sound"), "1");
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupFailure, ::testing::Values(
    CreationFailure{"the about box's window", [](fake::FakePlatform& pf) { pf.failingWindowClasses = {"Tfabout"}; }},
    CreationFailure{"the settings dialog's window", [](fake::FakePlatform& pf) { pf.failingWindowClasses = {"Tfcolors"}; }},
    CreationFailure{"the sound finder's window", [](fake::FakePlatform& pf) { pf.failingWindowClasses = {"TfFind"}; }},
    CreationFailure{"every text measurement", [](fake::FakePlatform& pf) { pf.text.failTextExtent = true; }}));

}  // namespace
}  // namespace norvi::test
