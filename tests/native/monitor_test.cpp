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
    writeConfig("[ConfigSD]\r\nsdclon=0\r\n");
    Program& p = startAndSettle();
    p.fcolors->Panel7.setColour(0x000000FF);
    bool fail = true;
    pf.clock.onProcessMessages = [&] {
        if (fail && p.lock.capsShown == 1 && p.lock.capsCued == 0) {
            fail = false;
            throw std::runtime_error("drawing failed");
        }
    };
    press(kVkCapital);
    run(125);  // the panel repaints, the sound plays, then the watermark's drawing fails
    EXPECT_EQ(p.lock.capsCued, 0);
    EXPECT_EQ(p.lock.capsPrev, 1) << "steps after the guarded block still run";
    EXPECT_EQ(soundsPlayed(), "CapsOn ");
    EXPECT_EQ(watermarkShows(), 0);
    resetRecords();
    run(125);  // no key pressed: the cues are still owed, all of them
    EXPECT_EQ(p.lock.capsCued, 1);
    EXPECT_EQ(soundsPlayed(), "CapsOn ");
    EXPECT_EQ(watermarkShows(), 1);
    EXPECT_EQ(p.watermark.lastCode, code::kCapsOn);
    EXPECT_NE(boxOf(watermarkWindow().picture, 0x000000FF), Rect{}) << "the Caps-on text in its colour";
    pf.clock.onProcessMessages = nullptr;
}

// Both locks change in one poll with both Show boxes on: each lock's watermark is drawn,
// Caps first, in the code and text of its new state; the Num one stays.
TEST(MonitorWatermark, BothLocksGiveTheirWatermarksCapsFirstThenNum) {
    struct Case {
        const char* what;
        const char* config;
        bool startOn;  // both locks on before the presses
        bool iconic;
        int capsCode, numCode;
        const char* capsText;
        const char* numText;
    };
    // Texts of different lengths, so that every picture differs from the others.
    constexpr const char* kPlain = "[Config]\nDOD=1\nDOP=0\ncbShowCaps=1\ncbShowNum=1\n[ConfigSD]\n"
                                   "sdclon=0\nsdcloFF=0\nsdnlon=0\nsdnloFF=0\nednlon=77\nednloFF=000\n";
    constexpr const char* kTransparent = "[Config]\nDOD=1\nDOP=0\ncbShowCaps=1\ncbShowNum=1\n[ConfigSD]\n"
                                         "ednlon=77\nednloFF=000\n";
    constexpr const char* kIconic = "[Config]\nDOD=0\nDOP=1\ncbShowCaps=1\ncbShowNum=1\n";
    const Case cases[] = {
        {"text, on", kPlain, false, false, code::kCapsOn, code::kNumOn, "A", "77"},
        {"text, off", kPlain, true, false, code::kCapsOff, code::kNumOff, "a", "000"},
        {"transparent text, on", kTransparent, false, false, code::kHollow, code::kHollow, "A", "77"},
        {"transparent text, off", kTransparent, true, false, code::kHollow, code::kHollow, "a", "000"},
        {"icon, on", kIconic, false, true, code::kIconCapsOn, code::kIconNumOn, "", ""},
        {"icon, off", kIconic, true, true, code::kIconCapsOff, code::kIconNumOff, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::FakePlatform pf;
        loadGeneratedResources(pf.res);
        pf.disk.directories[pf.disk.localAppData + "\\norvi"] = false;
        pf.disk.files[pf.disk.localAppData + "\\norvi\\norvi.cfg"] = c.config;
        pf.keys.setToggled(kVkCapital, c.startOn);
        pf.keys.setToggled(kVkNumLock, c.startOn);
        Program p(pf);
        p.start();
        pf.clock.advance(130);  // the first poll primes the cues
        fake::FakeWindow& w = *pf.window("TfloatTXT");
        // Every picture the watermark shows while the poll runs: each request lets messages
        // run before it draws, so the one before it is seen there.
        std::vector<Bitmap> shown;
        w.picture = Bitmap();
        const auto record = [&] {
            if (!w.picture.empty() && (shown.empty() || shown.back() != w.picture)) shown.push_back(w.picture);
        };
        pf.clock.onProcessMessages = record;
        pf.keys.toggle(kVkCapital);
        pf.keys.toggle(kVkNumLock);
        pf.clock.advance(125);
        pf.clock.onProcessMessages = nullptr;
        record();
        // What each request draws on its own, for comparison.
        p.mainform->Timer1->setEnabled(false);
        const auto drawn = [&](int code, const char* text) {
            if (c.iconic) {
                p.floatTXT->PaintIcon(code);
            } else {
                p.floatTXT->PaintText(code, text);
            }
            return w.picture;
        };
        const std::vector<Bitmap> expected{drawn(c.capsCode, c.capsText), drawn(c.numCode, c.numText)};
        ASSERT_NE(expected[0], expected[1]) << "the two requests draw different pictures";
        EXPECT_TRUE(shown == expected) << shown.size() << " pictures shown";
        EXPECT_EQ(p.lock.numCued, c.startOn ? 0 : 1);
    }
}

}  // namespace
}  // namespace norvi::test
