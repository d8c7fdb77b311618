// The dispatcher: which renderer a request reaches, and what StartNiZagon reports.
#include "fixture.h"

namespace norvi::test {
namespace {

class Dispatch : public ProgramTest {
protected:
    Program& startWith(bool textual, bool iconic) {
        writeConfig(std::string("[Config]\nDOD=") + (textual ? "1" : "0") + "\nDOP=" + (iconic ? "1" : "0") + "\n");
        start();
        stopPoll();
        return *program;
    }
    const Bitmap& picture() { return watermarkWindow().picture; }
};

TEST_F(Dispatch, RequestReachesTheEnabledRenderersOnly) {
    struct Case {
        bool textual, iconic;
        bool shown;
        Size picture;           // of the last paint: the text's, or the icon renderer's blank
        std::string lastText;   // what the text renderer remembers
    };
    const Case cases[] = {
        {true, false, true, {184, 364}, "Q"},
        {false, true, true, {16, 16}, ""},
        // Both on (only a stored file can say so): the text first, the icon's empty picture last.
        {true, true, true, {16, 16}, "Q"},
        {false, false, false, {0, 0}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.textual) + std::to_string(c.iconic));
        Program& p = startWith(c.textual, c.iconic);
        p.floatTXT->hideWatermark();
        p.watermark.lastText.clear();
        watermarkWindow().picture = Bitmap();
        p.dispatcher.zagonNapisa(code::kCapsOn, "Q");
        EXPECT_EQ(watermarkWindow().isVisible(), c.shown);
        EXPECT_EQ(p.floatTXT->TimerTXT->enabled(), c.shown);
        EXPECT_EQ((Size{picture().width(), picture().height()}), c.picture);
        EXPECT_EQ(p.watermark.lastText, c.lastText);
    }
}

TEST_F(Dispatch, RequestBeforeStartUpIsDoneDoesNothing) {
    Program& p = startWith(true, false);
    p.floatTXT->hideWatermark();
    p.startupDone = false;
    const int pictures = watermarkWindow().pictureCalls;
    p.dispatcher.zagonNapisa(code::kCapsOn, "Q");
    EXPECT_FALSE(watermarkWindow().isVisible());
    EXPECT_FALSE(p.floatTXT->TimerTXT->enabled());
    EXPECT_EQ(watermarkWindow().pictureCalls, pictures);
}

TEST_F(Dispatch, PendingMessagesRunBeforeThePaint) {
    Program& p = startWith(true, false);
    // A colour edit queued meanwhile is already in force when the request draws.
    pf.clock.pendingEvents.push_back([&] { p.fcolors->Panel7.setColour(0x000000FF); });
    p.dispatcher.zagonNapisa(code::kCapsOn, "Q");
    EXPECT_EQ(p.watermark.lastColor, 0x000000FFu);
}

TEST_F(Dispatch, StartNiZagonReportsTheCurrentStateOfTheFirstShownLock) {
    struct Case {
        const char* name;
        bool showCaps, showNum;
        bool capsOn, numOn;
        bool transparent;  // the reported state's "Transparent" box
        int code;
        const char* text;
    };
    const Case cases[] = {
        {"caps on", true, false, true, false, false, code::kCapsOn, "A"},
        {"caps off", true, false, false, true, false, code::kCapsOff, "a"},
        {"num on", false, true, false, true, false, code::kNumOn, "7"},
        {"num off", false, true, true, false, false, code::kNumOff, "0"},
        {"caps on, transparent", true, false, true, false, true, code::kHollow, "A"},
        {"num off, transparent", false, true, false, false, true, code::kHollow, "0"},
        {"both shown: caps only", true, true, false, true, false, code::kCapsOff, "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program& p = startWith(true, false);
        Tfcolors& d = *p.fcolors;
        d.CbShowCaps.setChecked(c.showCaps);
        d.cbShowNum.setChecked(c.showNum);
        for (ui::CheckBox* box : {&d.sdclon, &d.sdclOff, &d.sdnlOn, &d.sdnlOff}) box->setChecked(c.transparent);
        pf.keys.setToggled(kVkCapital, c.capsOn);
        pf.keys.setToggled(kVkNumLock, c.numOn);
        p.lock.capsPrev = 0;
        p.watermark.lastCode = 0;
        p.dispatcher.StartNiZagon();
        EXPECT_EQ(p.watermark.lastCode, c.code);
        EXPECT_EQ(p.watermark.lastText, c.text);
        EXPECT_EQ(p.lock.capsPrev, kForcePanelCheck);
    }
}

TEST_F(Dispatch, StartNiZagonWithNoLockShownOnlyForcesThePanelCheck) {
    Program& p = startWith(true, false);
    p.fcolors->CbShowCaps.setChecked(false);
    p.fcolors->cbShowNum.setChecked(false);
    p.floatTXT->hideWatermark();
    const int pictures = watermarkWindow().pictureCalls;
    const std::size_t played = pf.audio.played.size();
    p.lock.capsPrev = 0;
    p.dispatcher.StartNiZagon();
    EXPECT_EQ(p.lock.capsPrev, kForcePanelCheck);
    EXPECT_EQ(watermarkWindow().pictureCalls, pictures);
    EXPECT_FALSE(watermarkWindow().isVisible());
    EXPECT_EQ(pf.audio.played.size(), played) << "no sound";
}

TEST_F(Dispatch, StartNiZagonWithTheIconicIndicatorPaintsTheIcon) {
    Program& p = startWith(false, true);
    p.watermark.lastText = "kept";
    p.dispatcher.StartNiZagon();
    EXPECT_TRUE(watermarkWindow().isVisible());
    EXPECT_EQ((Size{picture().width(), picture().height()}), (Size{256, 256})) << "the icon";
    EXPECT_EQ(p.watermark.lastText, "kept") << "the text renderer is not involved";
}

TEST_F(Dispatch, StartNiZagonWithBothIndicatorsEndsOnTheIconRequest) {
    Program& p = startWith(true, true);
    p.fcolors->Panel11.setColour(0x0000FF00);
    pf.keys.setToggled(kVkCapital, false);
    p.fcolors->sdclOff.setChecked(false);
    p.dispatcher.StartNiZagon();
    // The icon code reaches the text renderer with an empty text: no colour of its own.
    EXPECT_EQ(p.watermark.lastCode, code::kIconCapsOff);
    EXPECT_EQ(p.watermark.lastColor, 0x0000FF00u);
    EXPECT_EQ(p.watermark.lastText, "");
    EXPECT_EQ(picture().height(), 256) << "the icon is the last picture";
    EXPECT_NE(boxOf(picture(), 0x00C0C0C0), Rect{}) << "the Caps-off icon in the icon colour";
}

TEST_F(Dispatch, LockChangeWhileShownReplacesTheCueAndRestartsTheTimeout) {
    writeConfig("[Config]\nDOD=1\n[ConfigSD]\nsdclon=0\nsdcloFF=0\n");
    Program& p = start();
    p.fcolors->Panel7.setColour(0x000000FF);
    run(1000);
    press(kVkCapital);
    run(125);
    EXPECT_EQ(p.watermark.lastCode, code::kCapsOn);
    EXPECT_NE(boxOf(picture(), 0x000000FF), Rect{});
    const std::uint64_t cueAt = pf.clock.nowMilliseconds();
    run(1900);
    EXPECT_NE(boxOf(picture(), 0x000000FF), Rect{}) << "the timeout counts from the change";
    run(static_cast<int>(cueAt + 2000 + 100 - pf.clock.nowMilliseconds()));
    EXPECT_EQ(pixelsOtherThan(picture(), kKeyColour), 0);
}

}  // namespace
}  // namespace norvi::test
