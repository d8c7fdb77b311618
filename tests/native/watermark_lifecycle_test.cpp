// The watermark window: its creation, the timeout and its wipe, keep-visible, hiding.
#include "fixture.h"

namespace norvi::test {
namespace {

class WatermarkLifecycle : public ProgramTest {
protected:
    Program& startQuiet() {
        start();
        stopPoll();
        return *program;
    }
    Timer& timer() { return *program->floatTXT->TimerTXT; }
    int ink() { return pixelsOtherThan(watermarkWindow().picture, kKeyColour); }
    // Nothing of the watermark can be seen: the picture and the area around it are key colour.
    bool blank() { return watermarkWindow().pictureBackground == kKeyColour && ink() == 0; }
    // Runs f inside the next message pump that happens inside a handler: the first pump of
    // the next advance() only queues it.
    void duringNextNestedPump(std::function<void()> f) {
        pf.clock.pendingEvents.push_back([this, f] { pf.clock.pendingEvents.push_back(f); });
    }
};

TEST_F(WatermarkLifecycle, CreatedHiddenAsASmallClickThroughTopmostOverlay) {
    writeConfig("[Config]\nDOD=0\n[ConfigSD]\nsdTimeOut=4000\n");
    Program& p = startQuiet();
    fake::FakeWindow& w = watermarkWindow();
    EXPECT_EQ(w.args.className, "TfloatTXT");
    EXPECT_TRUE(w.args.topmost);
    EXPECT_TRUE(w.args.layered);
    EXPECT_TRUE(w.args.clickThrough);
    EXPECT_TRUE(w.args.noActivate) << "a cue must not take the focus from the user's typing";
    EXPECT_FALSE(w.args.dropShadow);
    EXPECT_EQ(w.bounds(), (Rect{0, 0, 16, 16})) << "a blank in the work area's corner, not a screen";
    EXPECT_EQ(p.floatTXT->frame(), (Rect{0, 0, 1920, 1040}));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.layered, (LayeredAttributes{kKeyColour, true, true, 51}));
    EXPECT_EQ(timer().interval(), 4000);
    EXPECT_FALSE(timer().enabled());
    EXPECT_EQ(p.lock.capsPrev, kForcePanelCheck);
}

TEST_F(WatermarkLifecycle, OpacityUsesAlphaOnlyBelowFullAndAlwaysTheKey) {
    struct Case {
        const char* stored;
        LayeredAttributes expected;
    };
    const Case cases[] = {
        {"255", {kKeyColour, true, false, 255}},
        {"254", {kKeyColour, true, true, 254}},
        {"1", {kKeyColour, true, true, 1}},
        {"0", {kKeyColour, true, true, 1}},          // clamped by the slider
        {"99999", {kKeyColour, true, false, 255}},   // clamped by the slider
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        writeConfig(std::string("[ConfigSD]\nfloatOpa=") + c.stored + "\n");
        startQuiet();
        EXPECT_EQ(watermarkWindow().layered, c.expected);
    }
}

TEST_F(WatermarkLifecycle, StartUpCueShowsUntilTheTimeoutThenTheWipeBlanksIt) {
    Program& p = startQuiet();
    fake::FakeWindow& w = watermarkWindow();
    ASSERT_TRUE(w.isVisible());
    ASSERT_GT(ink(), 0) << "hollow \"a\": only its rim shows";
    ASSERT_TRUE(timer().enabled());
    run(1999);
    EXPECT_GT(ink(), 0);

    Size seenDuringWipe;
    std::uint64_t pumpedAt = 0;
    duringNextNestedPump([&] {
        seenDuringWipe = {w.picture.width(), w.picture.height()};
        pumpedAt = pf.clock.nowMilliseconds();
    });
    run(1);
    EXPECT_EQ(seenDuringWipe, (Size{16, 16})) << "the blank picture is painted first";
    EXPECT_EQ(pumpedAt, 2000u);
    EXPECT_EQ(pf.clock.nowMilliseconds(), 2100u) << "then a 100 ms pause";
    EXPECT_TRUE(blank());
    EXPECT_FALSE(timer().enabled());
    EXPECT_TRUE(w.isVisible()) << "the timeout never hides the window";
    EXPECT_TRUE(p.floatTXT->visible());
}

TEST_F(WatermarkLifecycle, SecondCueReplacesThePictureAndRestartsTheTimeout) {
    Program& p = startQuiet();
    run(1500);
    p.fcolors->Panel7.setColour(0x000000FF);
    p.dispatcher.zagonNapisa(code::kCapsOn, "B");
    EXPECT_NE(boxOf(watermarkWindow().picture, 0x000000FF), Rect{});
    run(1999);
    EXPECT_GT(ink(), 0);
    run(101);
    EXPECT_TRUE(blank());
}

TEST_F(WatermarkLifecycle, KeepVisibleHoldsThePictureAndReassertsTopmost) {
    Program& p = startQuiet();
    p.fcolors->cbTimer.setChecked(true);
    EXPECT_TRUE(p.mainform->menu.mfTimer.checked());
    run(10000);
    const int shown = ink();
    EXPECT_GT(shown, 0);
    EXPECT_TRUE(timer().enabled());

    fake::FakeWindow& w = watermarkWindow();
    w.topmost = false;  // something else took the top of the z-order
    const int before = w.makeTopmostCalls;
    run(2000);
    EXPECT_TRUE(w.isTopmost());
    EXPECT_EQ(w.makeTopmostCalls, before + 1);
    run(2000);
    EXPECT_EQ(w.makeTopmostCalls, before + 1) << "only when it was lost";

    p.dispatcher.zagonNapisa(code::kCapsOn, "WW");
    EXPECT_GT(ink(), shown) << "a later cue replaces it";
    p.fcolors->cbTimer.setChecked(false);
    run(2100);
    EXPECT_TRUE(blank()) << "unchecking takes effect at the next tick";
}

TEST_F(WatermarkLifecycle, TopmostIsReassertedBeforeAWipeToo) {
    startQuiet();
    watermarkWindow().topmost = false;
    run(2100);
    EXPECT_TRUE(watermarkWindow().isTopmost());
    EXPECT_TRUE(blank());
}

// A lock change handled while the wipe lets messages run is the newest cue: it keeps its
// picture and its own full timeout instead of being wiped by the same handler.
TEST_F(WatermarkLifecycle, CueArrivingDuringTheWipeSurvivesIt) {
    Program& p = startQuiet();
    run(1999);
    p.fcolors->Panel7.setColour(0x000000FF);
    duringNextNestedPump([&] { p.dispatcher.zagonNapisa(code::kCapsOn, "N"); });
    run(1);
    EXPECT_NE(boxOf(watermarkWindow().picture, 0x000000FF), Rect{});
    EXPECT_TRUE(timer().enabled());
    EXPECT_EQ(pf.clock.nowMilliseconds(), 2000u) << "no pause: nothing is wiped";
    run(1999);
    EXPECT_FALSE(blank());
    run(101);
    EXPECT_TRUE(blank());
}

TEST_F(WatermarkLifecycle, ChangingTheTimeoutWhileShowingRestartsTheCountdown) {
    Program& p = startQuiet();
    run(1000);
    p.fcolors->sdTimeOut.setPosition(5000);
    run(4999);
    EXPECT_FALSE(blank());
    run(101);
    EXPECT_TRUE(blank());
}

TEST_F(WatermarkLifecycle, OnlyTheIndicatorSwitchesHideTheWindow) {
    Program& p = startQuiet();
    run(2100);
    ASSERT_TRUE(watermarkWindow().isVisible());
    p.floatTXT->hideWatermark();
    EXPECT_FALSE(watermarkWindow().isVisible());
    EXPECT_FALSE(timer().enabled());
    p.dispatcher.zagonNapisa(code::kCapsOn, "A");
    EXPECT_TRUE(watermarkWindow().isVisible());
    EXPECT_TRUE(timer().enabled());
}

TEST_F(WatermarkLifecycle, ActivationHidesTheApplicationWindowAgain) {
    startQuiet();
    const int hides = pf.desk.applicationWindowHides;
    ASSERT_TRUE(watermarkWindow().onActivate);
    watermarkWindow().onActivate();
    EXPECT_EQ(pf.desk.applicationWindowHides, hides + 1);
}

TEST_F(WatermarkLifecycle, ResolutionChangeWhileRunningIsFollowedAtTheNextCue) {
    Program& p = startQuiet();
    pf.display.setPrimary(1280, 720, 30);
    p.dispatcher.zagonNapisa(code::kCapsOn, "A");
    EXPECT_EQ(p.floatTXT->frame(), (Rect{0, 0, 1280, 690}));
    // "A" in the middle of the 1280x720 canvas, which the 690-pixel work area shows 15 higher.
    const Rect b = watermarkWindow().bounds();
    EXPECT_EQ(b.left + b.width() / 2, 640);
    EXPECT_EQ(b.top, 720 / 2 - 480 / 2 + 5 + 80 - 2 - 15);
    EXPECT_GT(ink(), 0);
    run(2100);
    EXPECT_TRUE(blank());
}

}  // namespace
}  // namespace norvi::test
