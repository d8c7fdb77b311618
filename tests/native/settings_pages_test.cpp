// The Watermark, Floating and Sounds pages of the settings dialog.
#include "fixture.h"

namespace norvi::test {
namespace {

class SettingsPages : public ProgramTest {
protected:
    Tfcolors& d() { return *program->fcolors; }
    void answerColour(std::optional<Colour> c) {
        if (c) {
            pf.prompts.colourAnswers.push_back(fake::FakeDialogs::ColourAnswer{*c, std::nullopt});
        } else {
            pf.prompts.colourAnswers.push_back(std::nullopt);
        }
    }
    void openAndCancel(const std::function<void()>& edit) {
        pf.prompts.whileModal.push_back([this, edit] {
            edit();
            d().cancelClick();
        });
        program->mainform->Setcolors1Click();
        ASSERT_EQ(pf.prompts.modalsLeftOpen, 0);
    }
};

// ---- Watermark page -----------------------------------------------------------------------

TEST_F(SettingsPages, SliderLabels) {
    start();
    const std::pair<int, const char*> opacity[] = {{1, "0 %"}, {51, "20 %"}, {128, "50 %"}, {254, "99 %"}, {255, "100 %"}};
    for (const auto& [position, label] : opacity) {
        d().floatOpa.setPosition(position);
        EXPECT_EQ(d().opacityLabel, label) << position;
    }
    const std::pair<int, const char*> timeout[] = {{1999, "1 second"}, {2000, "2 seconds"}, {10000, "10 seconds"}};
    for (const auto& [position, label] : timeout) {
        d().sdTimeOut.setPosition(position);
        EXPECT_EQ(d().timeOutLabel, label) << position;
    }
    d().sdFontSize.setPosition(300);
    EXPECT_EQ(d().fontSizeLabel, "300 px");
}

TEST_F(SettingsPages, SliderPreviewsFollowTheIndicator) {
    Program& p = start();
    stopPoll();
    // Textual: the font size redraws the last text.
    pf.window("TfloatTXT")->hide();
    d().sdFontSize.setPosition(200);
    EXPECT_TRUE(watermarkWindow().isVisible());
    EXPECT_EQ(p.watermark.lastCode, code::kRedrawLastColour);
    // Iconic: the opacity shows the Caps-Lock-on icon; the font size an empty picture.
    p.mainform->menu.Dop.choose();
    int pictures = watermarkWindow().pictureCalls;
    d().floatOpa.setPosition(100);
    EXPECT_GT(watermarkWindow().pictureCalls, pictures);
    EXPECT_EQ(p.watermark.lastCode, code::kRedrawLastColour) << "no text was drawn";
}

TEST_F(SettingsPages, TextColourButtonChoosesAndPreviewsEvenWhenCancelled) {
    Program& p = start();
    stopPoll();
    d().Panel11.setColour(0x00010101);
    d().sdclOff.setChecked(false);
    p.dispatcher.StartNiZagon();  // the last text is now the Caps-off one in its colour
    answerColour(0x00ABCDEF);
    answerColour(std::nullopt);
    d().textColourClick(1);
    EXPECT_EQ(pf.prompts.colourRequests.back().initial, 0x00010101u);
    EXPECT_EQ(d().Panel11.colour(), 0x00ABCDEFu);
    EXPECT_EQ(p.watermark.lastColor, 0x00ABCDEFu) << "Caps is off and its text is not transparent";
    watermarkWindow().hide();
    d().textColourClick(1);
    EXPECT_EQ(d().Panel11.colour(), 0x00ABCDEFu);
    EXPECT_TRUE(watermarkWindow().isVisible()) << "the preview also after Cancel";
}

TEST_F(SettingsPages, IconColourNeverTheKeyColourAndSavedAtOnce) {
    start();
    std::vector<Colour> recoloured;
    d().recolourWatermarkIcons = [&](Colour c) { recoloured.push_back(c); };
    answerColour(kKeyColour);
    d().iconColourClick();
    EXPECT_EQ(d().Panel5.colour(), 0x00544A42u);
    EXPECT_EQ(stored("Config", "IconColor"), std::to_string(0x00544A42));
    // Cancelled: the recolouring and the save all the same.
    pf.disk.files.erase(configPath());
    answerColour(std::nullopt);
    d().iconColourClick();
    EXPECT_EQ(recoloured, (std::vector<Colour>{0x00544A42, 0x00544A42}));
    EXPECT_EQ(stored("Config", "IconColor"), std::to_string(0x00544A42));
}

TEST_F(SettingsPages, IconColourChangeOutlivesCancel) {
    start();
    openAndCancel([&] {
        answerColour(0x00000080);
        d().iconColourClick();
    });
    EXPECT_EQ(d().Panel5.colour(), 0x00C0C0C0u);
    program.reset();
    start();
    EXPECT_EQ(d().Panel5.colour(), 0x00C0C0C0u) << "Cancel's own save wrote the old colour back";
}

TEST_F(SettingsPages, PositionButtonsMoveTheCaptionAndShowTheLockStateThere) {
    Program& p = start();
    stopPoll();
    watermarkWindow().hide();
    d().choosePosition(3);
    EXPECT_EQ(p.watermark.TXTpolozaj, 3);
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(d().positionCaption(i), i == 3 ? "ABC" : "") << i;
    EXPECT_TRUE(watermarkWindow().isVisible());
    d().choosePosition(12);
    EXPECT_EQ(p.watermark.TXTpolozaj, 3) << "no such button";
    p.watermark.TXTpolozaj = 0;
    d().refreshPositionGrid();
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(d().positionCaption(i), "") << "a stored value outside 1 to 9 marks none";
}

TEST_F(SettingsPages, ResetRestoresTheDefaultsAndEndsWithTheGreyPreview) {
    writeConfig(
        "[Config]\r\ncbShowNum=1\r\ncbShowLang=1\r\nIconColor=255\r\n[ConfigSD]\r\np7=1\r\np19=2\r\nfloatOpa=200\r\n"
        "sdclon=0\r\nsdLang=1\r\nedclon=X\r\nednloFF=Y\r\nsdFontSize=40\r\nsdTimeOut=7000\r\nTXTpolozaj=1\r\n"
        "SelectedFont=Tahoma\r\ncbTimer=1\r\n");
    Program& p = start();
    stopPoll();
    std::vector<Colour> recoloured;
    d().recolourWatermarkIcons = [&](Colour c) { recoloured.push_back(c); };
    const int writes = pf.ini.writes;
    d().sbREset10Click();
    EXPECT_EQ(d().Panel7.colour(), 0x00C0C0C0u);
    EXPECT_EQ(d().Panel19.colour(), 0x00C0C0C0u);
    EXPECT_EQ(d().floatOpa.position(), 51);
    EXPECT_TRUE(d().sdclon.checked());
    EXPECT_FALSE(d().sdLANG.checked());
    EXPECT_EQ(d().edclon.text() + d().ednloff.text(), "A0");
    EXPECT_EQ(d().sdFontSize.position(), 300);
    EXPECT_EQ(d().sdTimeOut.position(), 2000);
    EXPECT_EQ(d().Panel5.colour(), 0x00C0C0C0u);
    EXPECT_EQ(recoloured, std::vector<Colour>{0x00C0C0C0});
    EXPECT_EQ(p.watermark.TXTpolozaj, 5);
    EXPECT_EQ(d().positionCaption(5), "ABC");
    EXPECT_EQ(p.watermark.SelectedFont, "Arial");
    EXPECT_EQ(d().sampleFace, "Arial");
    // Left alone, and nothing saved.
    EXPECT_TRUE(d().cbShowNum.checked());
    EXPECT_TRUE(d().cbShowLang.checked());
    EXPECT_TRUE(d().cbTimer.checked());
    EXPECT_EQ(pf.ini.writes, writes);
    // The last step: the last text in grey.
    EXPECT_EQ(p.watermark.lastCode, code::kGreyPreview);
    EXPECT_EQ(p.watermark.lastColor, 0x00808080u);
}

TEST_F(SettingsPages, ResetKeepsTheFaceWhenArialIsNotInstalled) {
    pf.text.faces = {"Courier New", "Tahoma"};
    writeConfig("[ConfigSD]\r\nSelectedFont=Tahoma\r\n");
    Program& p = start();
    d().sbREset10Click();
    EXPECT_EQ(p.watermark.SelectedFont, "Tahoma");
}

// ---- Floating page ------------------------------------------------------------------------

TEST_F(SettingsPages, FloatingColourButtonsOpenOnTheirOnColour) {
    Program& p = start();
    FloatingColours& c = p.colours;
    c = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    const FloatingColours before = c;
    // Button, the colour the picker opens on.
    const std::pair<int, Colour> cases[] = {{1, c.capsOnFontColor}, {5, c.capsOnFontColor}, {3, c.capsOnColor},
                                            {6, c.capsOnColor},     {2, c.numOnFontColor},  {7, c.numOnFontColor},
                                            {4, c.numOnColor},      {8, c.numOnColor}};
    for (const auto& [button, initial] : cases) {
        d().floatingColourClick(button);
        EXPECT_EQ(pf.prompts.colourRequests.back().initial, initial) << "XiButton" << button;
    }
    EXPECT_EQ(c, before) << "every picker was cancelled";
}

TEST_F(SettingsPages, AChosenFloatingColourShowsWhereItsStateShows) {
    Program& p = start();
    stopPoll();
    pf.keys.setToggled(kVkCapital, true);
    p.tray.barvajIkone();
    answerColour(0x00112233);
    d().floatingColourClick(6);  // Caps off background
    EXPECT_EQ(p.colours.capsOffColor, 0x00112233u);
    EXPECT_EQ(d().c8.colour(), 0x00112233u);
    EXPECT_EQ(p.mainform->Ctabla.colour(), p.colours.capsOnColor) << "Caps is on";
    pf.keys.setToggled(kVkCapital, false);
    p.tray.barvajIkone();
    EXPECT_EQ(p.mainform->Ctabla.colour(), 0x00112233u);
}

TEST_F(SettingsPages, FloatingResetThenCancelKeepsTextsAndWidthButNotColoursOrOpacity) {
    writeConfig("[Config]\r\nopacity=180\r\nCtablaW=50\r\nO1=255\r\nCtxt8=BIG\r\nround=1\r\n");
    Program& p = start();
    const FloatingColours colours = p.colours;
    openAndCancel([&] {
        d().SpeedButton6Click();
        EXPECT_EQ(p.mainform->opacity(), 255);
        EXPECT_FALSE(d().Xx1.checked());
        EXPECT_EQ(p.colours, FloatingColours{});
        EXPECT_EQ(d().c1.colour(), FloatingColours{}.capsOnColor);
    });
    EXPECT_EQ(p.colours, colours);
    EXPECT_EQ(p.mainform->opacity(), 180);
    EXPECT_TRUE(d().Xx1.checked());
    EXPECT_EQ(d().Edit8.text(), "ABC");
    EXPECT_EQ(p.mainform->Ctabla.width(), 75);
}

// ---- Sounds page --------------------------------------------------------------------------

TEST_F(SettingsPages, SoundFieldColourRule) {
    const std::string file = "C:\\Sounds\\click.wav";
    pf.disk.files[file] = "RIFF";
    start();
    const Colour white = 0x00FFFFFF, red = 0x00E6E6FF;
    const std::pair<std::string, Colour> cases[] = {
        {"Default", white}, {"default", red}, {"", white}, {file, white}, {"C:\\Sounds\\gone.wav", red}};
    for (const auto& [text, colour] : cases) {
        d().Edit2.setText("something else");
        d().Edit2.setText(text);
        EXPECT_EQ(d().Edit2.background(), colour) << text;
    }
    // A file deleted meanwhile shows at the next activation.
    d().Edit3.setText(file);
    pf.disk.files.erase(file);
    EXPECT_EQ(d().Edit3.background(), white);
    d().FormActivate();
    EXPECT_EQ(d().Edit3.background(), red);
}

TEST_F(SettingsPages, TestButtonTakesTheTextLiterallyUnlikeTheLiveCue) {
    const std::string file = "C:\\Sounds\\click.wav";
    pf.disk.files[file] = "RIFF";
    Program& p = start();
    // Text, what the test button plays, what the live cue plays ("" = built in).
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"Default", "", ""}, {"default", "default", ""}, {"", "", ""}, {file, file, file}};
    for (const auto& [text, tested, live] : cases) {
        SCOPED_TRACE(text);
        d().Edit1.setText(text);
        d().cb1.setChecked(false);  // the test ignores the enable box
        pf.audio.played.clear();
        d().testSoundClick(1);
        ASSERT_EQ(pf.audio.played.size(), 1u);
        EXPECT_EQ(pf.audio.played[0].file, tested);
        if (tested.empty() && text == "Default") {
            EXPECT_GT(pf.audio.played[0].memoryBytes, 0u);
        }
        d().cb1.setChecked(true);
        pf.audio.played.clear();
        p.sounds.playLockSound(Lock::Caps, true);
        ASSERT_EQ(pf.audio.played.size(), 1u);
        EXPECT_EQ(pf.audio.played[0].file, live);
    }
}

TEST_F(SettingsPages, OpenAndFindButtonsFillTheFieldOnlyWithAChosenFile) {
    const std::string file = "C:\\Sounds\\ключ.wav";
    pf.disk.files[file] = "RIFF";
    start();
    pf.prompts.fileAnswers = {std::nullopt, file};
    d().openSoundClick(4);
    EXPECT_EQ(d().Edit4.text(), "Default");
    d().openSoundClick(4);
    EXPECT_EQ(d().Edit4.text(), file);
    EXPECT_EQ(pf.prompts.fileFilters, (std::vector<std::string>{"Wave file ( .wav)|*.wav", "Wave file ( .wav)|*.wav"}));

    std::optional<std::string> finderAnswer;
    d().findSoundFile = [&] { return finderAnswer; };
    const std::optional<std::string> answers[] = {std::nullopt, std::string(), std::string("C:\\gone.wav")};
    for (const auto& answer : answers) {
        finderAnswer = answer;
        d().findSoundClick(2);
        EXPECT_EQ(d().Edit2.text(), "Default");
    }
    finderAnswer = file;
    d().findSoundClick(2);
    EXPECT_EQ(d().Edit2.text(), file);
}

TEST_F(SettingsPages, SoundsResetIsNotUndoneByCancel) {
    writeConfig("[Config]\r\nxvok2=0\r\n[Wav]\r\npath3=C:\\a.wav\r\n");
    start();
    openAndCancel([&] { d().SpeedButton22Click(); });
    for (ui::Edit* e : {&d().Edit1, &d().Edit2, &d().Edit3, &d().Edit4}) EXPECT_EQ(e->text(), "Default");
    for (ui::CheckBox* b : {&d().cb1, &d().cb2, &d().cb3, &d().cb4}) EXPECT_TRUE(b->checked());
    EXPECT_EQ(d().Edit3.background(), 0x00FFFFFFu);
}

}  // namespace
}  // namespace norvi::test
