// The settings dialog's opening, OK, Cancel, closing and its colour file.
#include "fixture.h"
#include "settings/basic_page.h"

namespace norvi::test {
namespace {

class SettingsDialog : public ProgramTest {
protected:
    Tfcolors& d() { return *program->fcolors; }
    PopupMenu& menu() { return program->mainform->menu; }
    std::string colourFile() const { return dataFolder() + "color.cld"; }
    // Opens the dialog; while it is open, runs edit, then presses OK or Cancel.
    void openAndClose(const std::function<void()>& edit, bool ok) {
        pf.prompts.whileModal.push_back([&, edit, ok] {
            if (edit) edit();
            if (ok) {
                d().BitBtn1Click();
            } else {
                d().cancelClick();
            }
        });
        program->mainform->Setcolors1Click();
        ASSERT_EQ(pf.prompts.modalsLeftOpen, 0);
    }
    void chooseColour(Colour c) { pf.prompts.colourAnswers.push_back(fake::FakeDialogs::ColourAnswer{c, std::nullopt}); }
};

TEST_F(SettingsDialog, CancelPutsBackTheSnapshotAndKeepsWhatIsOutsideIt) {
    writeConfig("[Config]\r\nopacity=200\r\n");
    Program& p = start();
    stopPoll();
    const FloatingColours colours = p.colours;
    const bool rounded = d().Xx1.checked();
    CustomColours custom;
    custom[3] = 0x00123456;
    openAndClose(
        [&] {
            p.colours.capsOnColor = 0x000000FF;
            d().JTR.setPosition(100);
            for (ui::Panel* s : {&d().Panel7, &d().Panel11, &d().Panel15, &d().Panel17, &d().Panel19}) s->setColour(1);
            d().floatOpa.setPosition(200);
            d().sdTimeOut.setPosition(9000);
            d().sdFontSize.setPosition(40);
            for (ui::Edit* e : {&d().edclon, &d().edcloff, &d().ednlon, &d().ednloff}) e->setText("x");
            for (ui::CheckBox* b : {&d().sdclon, &d().sdclOff, &d().sdnlOn, &d().sdnlOff}) b->setChecked(false);
            d().sdLANG.setChecked(true);
            d().FCB.choose("Tahoma");
            d().Xx1.click();
            d().cbTimer.setChecked(true);
            d().CbShowCaps.setChecked(false);
            d().cbShowNum.setChecked(true);
            d().cbShowLang.setChecked(true);
            d().Panel5.setColour(0x000000AA);
            d().choosePosition(1);
            d().cbSound.click();
            // Outside the snapshot.
            d().Edit8.setText("CAPS");
            d().Edit1.setText("C:\\x.wav");
            d().cb1.setChecked(false);
            pf.prompts.colourAnswers.push_back(fake::FakeDialogs::ColourAnswer{0x00010203, custom});
            d().floatingColourClick(3);  // also a floating colour, undone below
        },
        false);

    EXPECT_EQ(p.mainform->opacity(), 200);
    EXPECT_EQ(p.colours, colours);
    EXPECT_EQ(p.mainform->Ctabla.colour(), colours.capsOffColor) << "the floating cells show the old colours at once";
    for (ui::Panel* s : {&d().Panel7, &d().Panel11, &d().Panel15, &d().Panel17, &d().Panel19})
        EXPECT_EQ(s->colour(), 0x00C0C0C0u);
    EXPECT_EQ(d().floatOpa.position(), 51);
    EXPECT_EQ(d().opacityLabel, "20 %");
    EXPECT_EQ(d().sdTimeOut.position(), 2000);
    EXPECT_EQ(p.floatTXT->TimerTXT->interval(), 2000);
    EXPECT_EQ(d().sdFontSize.position(), 300);
    EXPECT_EQ(d().edclon.text() + d().edcloff.text() + d().ednlon.text() + d().ednloff.text(), "Aa70");
    for (ui::CheckBox* b : {&d().sdclon, &d().sdclOff, &d().sdnlOn, &d().sdnlOff}) EXPECT_TRUE(b->checked());
    EXPECT_FALSE(d().sdLANG.checked());
    EXPECT_EQ(p.watermark.SelectedFont, "Arial");
    EXPECT_EQ(d().FCB.selectedFace(), "Arial");
    EXPECT_EQ(d().Xx1.checked(), rounded);
    EXPECT_FALSE(d().cbTimer.checked());
    EXPECT_FALSE(menu().mfTimer.checked());
    EXPECT_TRUE(d().CbShowCaps.checked());
    EXPECT_FALSE(d().cbShowNum.checked());
    EXPECT_FALSE(d().cbShowLang.checked());
    EXPECT_EQ(d().Panel5.colour(), 0x00C0C0C0u);
    EXPECT_EQ(p.watermark.TXTpolozaj, 5);
    EXPECT_TRUE(menu().zvok.checked());
    EXPECT_TRUE(d().cbSound.checked());

    EXPECT_EQ(d().Edit8.text(), "CAPS");
    EXPECT_EQ(d().Edit1.text(), "C:\\x.wav");
    EXPECT_FALSE(d().cb1.checked());
    EXPECT_EQ(d().ColorDialog->customColours, custom);

    // The click actions ran once more: the file holds the restored values and the kept edits.
    EXPECT_EQ(stored("Config", "sound"), "1");
    EXPECT_EQ(stored("ConfigSD", "p7"), "12632256");
    EXPECT_EQ(stored("Config", "Ctxt8"), "CAPS");
    EXPECT_EQ(stored("Wav", "path1"), "C:\\x.wav");
}

TEST_F(SettingsDialog, OkKeepsTheEditsAndSavesThem) {
    Program& p = start();
    stopPoll();
    openAndClose(
        [&] {
            d().Panel7.setColour(0x00112233);
            d().JTR.setPosition(120);
            d().edclon.setText("ON");
            d().choosePosition(9);
        },
        true);
    EXPECT_EQ(stored("ConfigSD", "p7"), std::to_string(0x00112233));
    EXPECT_EQ(stored("ConfigSD", "edclon"), "ON");
    EXPECT_EQ(stored("ConfigSD", "TXTpolozaj"), "9");
    EXPECT_EQ(stored("Config", "opacity"), "120");
    EXPECT_EQ(p.mainform->opacity(), 120);
    EXPECT_FALSE(d().visible());
    EXPECT_GE(floatingWindow().bringToFrontCalls, 1);
}

TEST_F(SettingsDialog, ClosingWithBothShowBoxesOffBringsCapsBack) {
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        writeConfig("");
        Program& p = start();
        stopPoll();
        p.lock.capsCued = 0;
        openAndClose(
            [&] {
                d().CbShowCaps.setChecked(false);
                d().cbShowNum.setChecked(false);
                p.lock.capsCued = 0;
            },
            ok);
        EXPECT_EQ(p.lock.capsCued, kForceRecue);
        EXPECT_TRUE(d().CbShowCaps.checked());
        EXPECT_FALSE(d().cbShowNum.checked());
        program.reset();
    }
}

TEST_F(SettingsDialog, ShowsAtTheRememberedPlaceAndRemembersWhereItWasMoved) {
    Program& p = start();
    std::vector<Point> shownAt;
    d().onShowWindow = [&](Point at) { shownAt.push_back(at); };
    const Point centre{(1920 - 1075) / 2, (1080 - 750) / 2};
    openAndClose([&] { d().moveTo({10, 20}); }, false);
    openAndClose(nullptr, false);
    EXPECT_EQ(shownAt, (std::vector<Point>{centre, {10, 20}}));
    EXPECT_EQ(p.mainform->Timer2->enabled(), true) << "the keep-on-top timer runs again after closing";
}

TEST_F(SettingsDialog, ASecondRequestWhileOpenOnlyRaisesItAndCancelStillRestores) {
    start();
    stopPoll();
    int raised = 0;
    d().onBringToFront = [&] { ++raised; };
    openAndClose(
        [&] {
            d().Panel7.setColour(0x00000001);
            program->mainform->Setcolors1Click();  // from the tray
            EXPECT_TRUE(d().visible());
            EXPECT_EQ(stored("ConfigSD", "p7"), "1") << "the second request saves the edited values";
        },
        false);
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(pf.prompts.modalRuns, 1);
    EXPECT_EQ(d().Panel7.colour(), 0x00C0C0C0u) << "Cancel puts back the first opening's values";
}

TEST_F(SettingsDialog, ActivationStopsKeepOnTopAndSyncsTheFloatingPage) {
    Program& p = start();
    p.mainform->setOpacity(180);
    p.colours.numOnColor = 0x00ABCDEF;
    openAndClose(
        [&] {
            EXPECT_FALSE(p.mainform->Timer2->enabled());
            EXPECT_EQ(d().JTR.position(), 180);
            EXPECT_EQ(d().c2.colour(), 0x00ABCDEFu);
        },
        true);
}

TEST_F(SettingsDialog, LayeringFollowsTheSoundFinder) {
    start();
    std::vector<bool> layers;
    d().onTopmostChanged = [&](bool top) { layers.push_back(top); };
    d().findSoundFile = [] { return std::optional<std::string>(); };
    EXPECT_TRUE(d().topmost());
    d().findSoundClick(1);
    EXPECT_FALSE(d().topmost());
    run(1000);
    EXPECT_TRUE(d().topmost());
    run(3000);
    EXPECT_EQ(layers, (std::vector<bool>{false, true})) << "an unchanged layer is not set again";
}

// ---- color.cld ----------------------------------------------------------------------------

TEST_F(SettingsDialog, CustomColoursSurviveTheRun) {
    CustomColours custom;
    custom[0] = 0x00000000;
    custom[15] = 0x00FEDCBA;
    start();
    openAndClose(
        [&] {
            pf.prompts.colourAnswers.push_back(fake::FakeDialogs::ColourAnswer{0x00FF0000, custom});
            d().textColourClick(0);
        },
        true);
    const std::string file = pf.disk.files[colourFile()];
    EXPECT_NE(file.find("ColorA=000000\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("ColorB=\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("ColorP=FEDCBA\r\n"), std::string::npos) << file;

    program.reset();
    start();
    openAndClose([&] { d().textColourClick(1); }, false);
    ASSERT_EQ(pf.prompts.colourRequests.size(), 2u);
    EXPECT_EQ(pf.prompts.colourRequests[1].customColours, custom);
}

TEST_F(SettingsDialog, AnUnusableColourFileIsReportedOnceAndTheDialogStaysUsable) {
    for (const std::string& bad : std::vector<std::string>{"ColorA=12345G\r\n", "garbage", "ColorQ=000000", "ColorA=123456789",
                                  std::string(100000, 'A')}) {
        SCOPED_TRACE(bad.substr(0, 20));
        writeConfig("");
        pf.disk.files[colourFile()] = bad;
        start();
        std::vector<std::string> reports;
        d().reportError = [&](const std::string& m) { reports.push_back(m); };
        openAndClose([&] { d().Panel7.setColour(0x00000007); }, true);
        EXPECT_EQ(reports.size(), 1u);
        EXPECT_EQ(d().ColorDialog->customColours, CustomColours{});
        EXPECT_EQ(stored("ConfigSD", "p7"), "7") << "OK still saved";
        EXPECT_EQ(parseColourFile(pf.disk.files[colourFile()]), CustomColours{}) << "replaced by a good file";
        // The same bad file again (say the folder refused the good one): no second report.
        pf.disk.files[colourFile()] = bad;
        openAndClose(nullptr, false);
        EXPECT_EQ(reports.size(), 1u);
        program.reset();
    }
}

TEST(ColourFile, ReadsWhatItWritesAndToleratesHarmlessVariations) {
    CustomColours all;
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<Colour>(i * 0x00111111 & 0x00FFFFFF);
    EXPECT_EQ(parseColourFile(formatColourFile(all)), all);
    EXPECT_EQ(parseColourFile(formatColourFile(CustomColours{})), CustomColours{});

    CustomColours some;
    some[1] = 0x00ABCDEF;
    some[2] = 0x00000010;
    EXPECT_EQ(parseColourFile("colorb = abcdef\n\nColorC=10\nColorD=\n"), some);
    // A fourth byte has no meaning for a colour.
    CustomColours masked;
    masked[0] = 0x00FFFFFF;
    EXPECT_EQ(parseColourFile("ColorA=FFFFFFFF"), masked);
    EXPECT_EQ(parseColourFile(""), CustomColours{});
}

}  // namespace
}  // namespace norvi::test
