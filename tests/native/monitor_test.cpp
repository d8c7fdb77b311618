// The lock poll: repaint only on disagreement, one set of cues per change, markers and
// first-poll silence.
#include <cstring>

#include "fixture.h"

namespace norvi::test {
namespace {

class Monitor : public ProgramTest {
protected:
    void SetUp() override {
        for (const char* name : {"CapsOn", "CapsOff", "NumOn", "NumOff"})
            pf.res.items[name]["WAVE"] = std::vector<std::uint8_t>(name, name + std::strlen(name));
    }
    // Starts Norvi and lets its first poll run, so every later poll is primed.
    Program& startAndSettle() {
        Program& p = start();
        run(130);
        resetRecords();
        return p;
    }
    void resetRecords() {
        pf.audio.played.clear();
        capsTray().modifies = 0;
        numTray().modifies = 0;
        watermarkShows0 = watermarkWindow().showCalls;
    }
    int watermarkShows() { return watermarkWindow().showCalls - watermarkShows0; }
    fake::FakeTrayIcon& capsTray() { return *pf.trayIcon(1); }
    fake::FakeTrayIcon& numTray() { return *pf.trayIcon(2); }
    std::string soundsPlayed() {
        std::string s;
        for (const auto& p : pf.audio.played) s += std::string(reinterpret_cast<const char*>(p.memory), p.memoryBytes) + " ";
        return s;
    }
    int watermarkShows0 = 0;
};

TEST_F(Monitor, NothingHappensWhileTheKeysStay) {
    Program& p = startAndSettle();
    const int pictures = floatingWindow().pictureCalls;
    run(1000);
    EXPECT_EQ(soundsPlayed(), "");
    EXPECT_EQ(capsTray().modifies, 0);
    EXPECT_EQ(watermarkShows(), 0);
    EXPECT_EQ(floatingWindow().pictureCalls, pictures);
    EXPECT_EQ(p.lock.capsCued, p.lock.capsShown);
}

TEST_F(Monitor, AToggleRepaintsAndCuesOnceInTheSamePoll) {
    Program& p = startAndSettle();
    press(kVkCapital);
    run(125);
    EXPECT_EQ(p.mainform->Ctabla.caption(), "ABC");
    EXPECT_EQ(p.mainform->Ctabla.colour(), p.colours.capsOnColor);
    EXPECT_EQ(p.mainform->Split.colour(), p.colours.capsOnColor);
    EXPECT_EQ(p.mainform->Ctabla.fontColour(), p.colours.capsOnFontColor);
    EXPECT_EQ(p.lock.capsShown, 1);
    EXPECT_EQ(p.lock.capsCued, 1);
    EXPECT_EQ(soundsPlayed(), "CapsOn ");
    EXPECT_GE(capsTray().modifies, 1);
    EXPECT_EQ(watermarkShows(), 1);
    resetRecords();
    run(500);
    EXPECT_EQ(soundsPlayed(), "") << "one set of cues per change";
    EXPECT_EQ(watermarkShows(), 0);
    press(kVkCapital);
    run(125);
    EXPECT_EQ(p.mainform->Ctabla.caption(), "abc");
    EXPECT_EQ(soundsPlayed(), "CapsOff ");
}

TEST_F(Monitor, BothLocksInOnePollPlayCapsThenNum) {
    Program& p = startAndSettle();
    press(kVkCapital);
    press(kVkNumLock);
    run(125);
    EXPECT_EQ(soundsPlayed(), "CapsOn NumOn ");
    EXPECT_EQ(p.mainform->NTABLA.colour(), p.colours.numOnColor);
    EXPECT_EQ(p.lock.numShown, 1);
}

TEST_F(Monitor, PanelCheckMarkerRepaintsNothingAndCuesNothing) {
    Program& p = startAndSettle();
    const int pictures = floatingWindow().pictureCalls;
    p.lock.capsPrev = kForcePanelCheck;
    run(125);
    EXPECT_EQ(floatingWindow().pictureCalls, pictures);
    EXPECT_EQ(soundsPlayed(), "");
    EXPECT_EQ(watermarkShows(), 0);
    EXPECT_EQ(p.lock.capsPrev, 0);
}

TEST_F(Monitor, RecueMarkerAnnouncesCapsAgainWithoutAKey) {
    Program& p = startAndSettle();
    p.lock.capsCued = kForceRecue;
    run(125);
    EXPECT_EQ(capsTray().modifies, 1);
    EXPECT_EQ(soundsPlayed(), "CapsOff ");
    EXPECT_EQ(watermarkShows(), 1);
    EXPECT_EQ(p.lock.capsCued, p.lock.capsShown);
}

TEST_F(Monitor, FirstPollAfterStartUpIsSilent) {
    pf.keys.setToggled(kVkCapital, true);
    Program& p = start();
    resetRecords();
    p.lock.capsCued = 0;  // the cues have not announced anything yet
    run(125);
    EXPECT_EQ(soundsPlayed(), "");
    EXPECT_EQ(watermarkShows(), 0);
    EXPECT_EQ(capsTray().modifies, 1) << "the tray picture is re-assigned all the same";
    EXPECT_EQ(p.lock.capsPrimed, 1);
    EXPECT_EQ(p.lock.capsCued, 1);
}

TEST_F(Monitor, SwitchesGateTheirOwnCuesOnly) {
    Program& p = startAndSettle();
    p.fcolors->CbShowCaps.setChecked(false);
    p.fcolors->cb1.setChecked(false);
    press(kVkCapital);
    run(125);
    EXPECT_EQ(p.mainform->Ctabla.caption(), "ABC") << "the panel is repainted";
    EXPECT_GE(capsTray().modifies, 1) << "the tray picture changes";
    EXPECT_EQ(soundsPlayed(), "") << "the Caps Lock On sound is disabled";
    EXPECT_EQ(watermarkShows(), 0) << "\"Show Caps Lock\" is off";
    press(kVkCapital);
    run(125);
    EXPECT_EQ(soundsPlayed(), "CapsOff ");
    p.mainform->menu.zvok.setChecked(false);
    press(kVkCapital);
    run(125);
    EXPECT_EQ(soundsPlayed(), "CapsOff ") << "the master switch silences every cue";
}

TEST_F(Monitor, HiddenFloatingWindowIsKeptInStep) {
    Program& p = startAndSettle();
    p.mainform->hide();
    press(kVkNumLock);
    run(125);
    EXPECT_EQ(p.mainform->NTABLA.colour(), p.colours.numOnColor);
    EXPECT_EQ(p.lock.numShown, 1);
}

TEST_F(Monitor, ActivationResetsShownAndCuedWithoutCues) {
    Program& p = startAndSettle();
    press(kVkCapital);
    floatingWindow().onActivate();
    EXPECT_EQ(p.lock.capsShown, 1);
    EXPECT_EQ(p.lock.capsCued, 1);
    run(125);
    EXPECT_EQ(soundsPlayed(), "") << "activation neither repaints nor cues";
    EXPECT_EQ(p.mainform->Ctabla.caption(), "abc") << "the panel waits for the next change or a forced check";
}

TEST_F(Monitor, ForegroundIsRecordedWhileTheWatermarkIsVisible) {
    Program& p = startAndSettle();
    ASSERT_TRUE(watermarkWindow().isVisible()) << "the start-up watermark shows it";
    pf.desk.foreground = 777;
    run(125);
    EXPECT_EQ(p.lock.LastForegroundWnd, 777u);
    watermarkWindow().hide();
    pf.desk.foreground = 888;
    run(125);
    EXPECT_EQ(p.lock.LastForegroundWnd, 777u);
}

TEST_F(Monitor, AFailingCueIsGivenByTheNextPoll) {
    Program& p = startAndSettle();
    bool fail = true;
    pf.clock.onProcessMessages = [&] {
        if (fail && p.lock.capsShown == 1 && p.lock.capsCued == 0) {
            fail = false;
            throw std::runtime_error("drawing failed");
        }
    };
    press(kVkCapital);
    run(125);  // the panel repaints, then the dispatcher's drawing fails
    EXPECT_EQ(p.lock.capsCued, 0);
    EXPECT_EQ(p.lock.capsPrev, 1) << "steps after the guarded block still run";
    run(125);
    EXPECT_EQ(p.lock.capsCued, 1);
    pf.clock.onProcessMessages = nullptr;
}

}  // namespace
}  // namespace norvi::test
