// One lock change through the whole program with the real artwork: the poll repaints the
// strip's cell, recolours and switches the tray picture and plays the built-in sound.
#include "fixture.h"

namespace norvi::test {
namespace {

bool hasColourIn(const Bitmap& b, Colour c, int x0, int x1) {
    for (int y = 0; y < b.height(); ++y)
        for (int x = x0; x < x1; ++x)
            if (b.pixel(x, y) == c) return true;
    return false;
}

class LockChange : public ProgramTest {
protected:
    Program& startAndSettle() {
        Program& p = start();
        run(130);
        pf.audio.played.clear();
        return p;
    }
    const Bitmap& strip() { return floatingWindow().picture; }
    fake::FakeTrayIcon& capsTray() { return *pf.trayIcon(1); }
    fake::FakeTrayIcon& numTray() { return *pf.trayIcon(2); }
    bool playedBuiltIn(const char* name) {
        if (pf.audio.played.empty()) return false;
        return pf.audio.played.back().memory == pf.res.find(name, "WAVE").data();
    }
};

TEST_F(LockChange, CapsLockOnPaintsTheCellTheTrayAndPlaysTheCue) {
    Program& p = startAndSettle();
    const FloatingColours& c = p.colours;
    EXPECT_EQ(strip().pixel(2, 2), c.capsOffColor);
    EXPECT_TRUE(hasColourIn(strip(), c.capsOffFontColor, 0, 75)) << "the off text is drawn";

    press(kVkCapital);
    run(125);
    EXPECT_EQ(strip().pixel(2, 2), c.capsOnColor) << "Caps cell";
    EXPECT_EQ(strip().pixel(76, 2), c.capsOnColor) << "the splitter takes the Caps colour";
    EXPECT_EQ(strip().pixel(100, 2), c.numOffColor) << "Num cell unchanged";
    EXPECT_EQ(capsTray().picture, p.tray.VelikiA);
    EXPECT_EQ(capsTray().picture.pixel(1, 1), c.capsOnColor);
    EXPECT_EQ(capsTray().picture.pixel(15, 19), c.capsOnFontColor);
    ASSERT_EQ(pf.audio.played.size(), 1u);
    EXPECT_TRUE(playedBuiltIn("CapsOn"));
    dumpPicture("strip_caps_on", strip());
    dumpPicture("tray_caps_on", capsTray().picture);

    press(kVkCapital);
    run(125);
    EXPECT_EQ(strip().pixel(2, 2), c.capsOffColor);
    EXPECT_EQ(capsTray().picture, p.tray.MaliA);
    EXPECT_TRUE(playedBuiltIn("CapsOff"));
}

TEST_F(LockChange, BothLocksInOnePollRepaintBothAndTheNumSoundComesLast) {
    Program& p = startAndSettle();
    press(kVkCapital);
    press(kVkNumLock);
    run(125);
    EXPECT_EQ(strip().pixel(2, 2), p.colours.capsOnColor);
    EXPECT_EQ(strip().pixel(100, 2), p.colours.numOnColor);
    EXPECT_EQ(numTray().picture, p.tray.Veliki7);
    ASSERT_EQ(pf.audio.played.size(), 2u);
    EXPECT_EQ(pf.audio.played[0].memory, pf.res.find("CapsOn", "WAVE").data());
    EXPECT_TRUE(playedBuiltIn("NumOn"));
    dumpPicture("strip_both_on", strip());
    dumpPicture("tray_num_on", numTray().picture);
}

TEST_F(LockChange, TheMasterSwitchOffKeepsEverythingButTheSound) {
    Program& p = startAndSettle();
    p.mainform->menu.zvok.setChecked(false);
    press(kVkNumLock);
    run(125);
    EXPECT_EQ(strip().pixel(100, 2), p.colours.numOnColor);
    EXPECT_EQ(numTray().picture, p.tray.Veliki7);
    EXPECT_TRUE(pf.audio.played.empty());
}

TEST_F(LockChange, AUserFileThatWasDeletedFallsBackToTheBuiltInSound) {
    pf.disk.files["C:\\sounds\\click.wav"] = "RIFF";
    Program& p = startAndSettle();
    p.fcolors->Edit3.setText("C:\\sounds\\click.wav");
    press(kVkNumLock);
    run(125);
    EXPECT_EQ(pf.audio.played.back().file, "C:\\sounds\\click.wav");
    pf.disk.files.erase("C:\\sounds\\click.wav");
    p.fcolors->Edit4.setText("C:\\sounds\\click.wav");
    press(kVkNumLock);
    run(125);
    EXPECT_TRUE(playedBuiltIn("NumOff"));
}

TEST_F(LockChange, ACellColourOfTheKeyColourMakesThatCellSeeThrough) {
    Program& p = startAndSettle();
    p.colours.capsOnColor = kFloatingKeyColour;
    press(kVkCapital);
    run(125);
    EXPECT_EQ(strip().pixel(2, 2), kFloatingKeyColour);
    EXPECT_EQ(floatingWindow().layered.key, kFloatingKeyColour);
    EXPECT_TRUE(floatingWindow().layered.useKey);
}

TEST_F(LockChange, StoredColoursWithTheTopByteSetPaintWithoutHarm) {
    writeConfig("[Config]\nO1=-2\n08=-16777216\n05=0x7F00FF00\n");
    Program& p = start();
    EXPECT_EQ(p.colours.capsOffColor, 0xFF000000u) << "kept as stored, so a save writes it back";
    EXPECT_EQ(strip().pixel(2, 2), 0x00000000u);
    press(kVkCapital);
    run(250);
    EXPECT_EQ(strip().pixel(2, 2), 0x00FFFFFEu);
    EXPECT_EQ(capsTray().picture.pixel(1, 1), 0x00FFFFFEu);
    EXPECT_EQ(capsTray().picture.pixel(15, 19), 0x0000FF00u);
}

}  // namespace
}  // namespace norvi::test
