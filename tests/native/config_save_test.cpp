// Writing norvi.cfg: order, conditions, round trip, and what a hostile file keeps.
#include "common/config_key_order.h"
#include "fixture.h"
#include "platform/fake/profile_text.h"

namespace norvi::test {
namespace {

class ConfigSave : public ProgramTest {};

TEST_F(ConfigSave, FirstWrittenFileHasTheFixedOrderAndTheDefaults) {
    start();
    program->mainform->close();
    EXPECT_EQ(keyOrder(configText()), firstWrittenKeyOrder());

    const std::pair<const char*, const char*> values[] = {
        {"left", "1720"}, {"top", "30"}, {"opacity", "255"}, {"shadow", "0"}, {"CtablaW", "75"},
        {"Ctxt8", "ABC"}, {"Ctxt9", "7"}, {"Ctxt6", "abc"}, {"Ctxt7", "7"}, {"load", "1"}, {"round", "0"},
        {"xvok1", "1"}, {"cbShowCaps", "1"}, {"cbShowNum", "0"}, {"ShowTI", "0"}, {"SOD", "1"}, {"SNL", "1"},
        {"sound", "1"}, {"DOD", "1"}, {"DOP", "0"}, {"IconColor", "12632256"}, {"O1", "33023"},
        {"02", "13041663"}, {"03", "8421504"}, {"04", "0"}, {"05", "16777215"}, {"06", "0"},
        {"07", "16777215"}, {"08", "8421504"}, {"09", "8421504"}};
    for (const auto& [key, value] : values) EXPECT_EQ(stored("Config", key), value) << key;
    EXPECT_EQ(stored("ConfigSD", "TXTpolozaj"), "5");
    EXPECT_EQ(stored("ConfigSD", "p7"), "12632256");
    EXPECT_EQ(stored("ConfigSD", "floatOpa"), "51");
    EXPECT_EQ(stored("ConfigSD", "sdclon"), "1");
    EXPECT_EQ(stored("ConfigSD", "sdLang"), "0");
    EXPECT_EQ(stored("ConfigSD", "sdFontSize"), "300");
    EXPECT_EQ(stored("ConfigSD", "sdTimeOut"), "2000");
    EXPECT_EQ(stored("ConfigSD", "ednloFF"), "0");
    EXPECT_EQ(stored("ConfigSD", "SelectedFont"), "Arial");
    EXPECT_EQ(stored("ConfigSD", "cbTimer"), "0");
    EXPECT_EQ(stored("Wav", "path1"), "Default");
}

TEST_F(ConfigSave, CaptionWidthOnlyWhileVisibleAndCapsTextOnlyAfterStartUp) {
    writeConfig("[Config]\r\nCtablaW=60\r\nCtxt8=kept\r\n");
    Program& p = start();
    p.mainform->Ctabla.setWidth(50);
    p.mainform->hide();
    p.startupDone = false;
    p.fcolors->Edit8.setText("new");
    p.config.SaveSettings();
    EXPECT_EQ(stored("Config", "CtablaW"), "60") << "a hidden window keeps the stored width";
    EXPECT_EQ(stored("Config", "Ctxt8"), "kept");
    p.mainform->show();
    p.startupDone = true;
    p.config.SaveSettings();
    EXPECT_EQ(stored("Config", "CtablaW"), "50");
    EXPECT_EQ(stored("Config", "Ctxt8"), "new");
}

TEST_F(ConfigSave, ReservedColourIsAlwaysZero) {
    writeConfig("[Config]\r\n04=777\r\n");
    start().config.SaveSettings();
    EXPECT_EQ(stored("Config", "04"), "0");
}

TEST_F(ConfigSave, TransparentBoxesRoundTripUnchanged) {
    writeConfig("[ConfigSD]\r\nsdnloN=1\r\nsdnloFF=0\r\n");
    start().config.SaveSettings();
    EXPECT_EQ(stored("ConfigSD", "sdnloN"), "1");
    EXPECT_EQ(stored("ConfigSD", "sdnloFF"), "0");
}

TEST_F(ConfigSave, EverySettingSurvivesASaveAndALoad) {
    // Paths and texts outside any 8-bit code page must come back as they were.
    const std::string path = "C:\\Users\\Zoë\\Звуки\\ключ 音.wav";
    {
        Program& p = start();
        Tfcolors& d = *p.fcolors;
        PopupMenu& m = p.mainform->menu;
        p.mainform->moveTo(400, 500);
        p.mainform->setOpacity(200);
        p.mainform->Ctabla.setWidth(60);
        d.Edit8.setText("ČŽŠ");
        d.Edit6.setText("čžš");
        d.Edit9.setText("N");
        d.Edit7.setText("n");
        p.watermark.TXTpolozaj = 9;
        d.Panel7.setColour(0x000000FF);
        d.Panel11.setColour(0x0000FF00);
        d.Panel15.setColour(0x00FF0000);
        d.Panel17.setColour(0x00123456);
        d.Panel19.setColour(0x00654321);
        d.floatOpa.setPosition(200);
        d.sdclon.setChecked(false);
        d.sdLANG.setChecked(true);
        d.sdFontSize.setPosition(120);
        d.sdTimeOut.setPosition(5000);
        d.edclon.setText("ВКЛ");
        d.edcloff.setText("выкл");
        d.ednlon.setText("N on");
        d.ednloff.setText("N off");
        p.watermark.SelectedFont = "Times New Roman";
        d.cbTimer.setChecked(true);
        m.Load.setChecked(false);
        d.Xx1.setChecked(true);
        d.cb2.setChecked(false);
        d.cbShowNum.setChecked(true);
        d.cbShowLang.setChecked(true);
        m.ShowTI.setChecked(true);
        m.SnL.setChecked(false);
        m.zvok.setChecked(false);
        m.DOD.setChecked(false);
        m.Dop.setChecked(true);
        d.Panel5.setColour(0x00336699);
        p.colours.capsOnColor = 1;
        p.colours.numOnColor = 2;
        p.colours.numOffFontColor = 3;
        p.colours.capsOnFontColor = 5;
        p.colours.numOnFontColor = 6;
        p.colours.capsOffFontColor = 7;
        p.colours.capsOffColor = 8;
        p.colours.numOffColor = 9;
        d.Edit1.setText(path);
        d.Edit4.setText("");
        p.mainform->close();
    }
    program.reset();
    Program& p = start();
    const Tfcolors& d = *p.fcolors;
    const PopupMenu& m = p.mainform->menu;
    EXPECT_EQ(p.mainform->left(), 400);
    EXPECT_EQ(p.mainform->top(), 500);
    EXPECT_EQ(p.mainform->opacity(), 200);
    EXPECT_EQ(p.mainform->Ctabla.width(), 60);
    EXPECT_EQ(d.Edit8.text(), "ČŽŠ");
    EXPECT_EQ(d.Edit6.text(), "čžš");
    EXPECT_EQ(d.Edit9.text(), "N");
    EXPECT_EQ(d.Edit7.text(), "n");
    EXPECT_EQ(p.watermark.TXTpolozaj, 9);
    EXPECT_EQ(d.Panel7.colour(), 0x000000FFu);
    EXPECT_EQ(d.Panel11.colour(), 0x0000FF00u);
    EXPECT_EQ(d.Panel15.colour(), 0x00FF0000u);
    EXPECT_EQ(d.Panel17.colour(), 0x00123456u);
    EXPECT_EQ(d.Panel19.colour(), 0x00654321u);
    EXPECT_EQ(d.floatOpa.position(), 200);
    EXPECT_FALSE(d.sdclon.checked());
    EXPECT_TRUE(d.sdLANG.checked());
    EXPECT_EQ(d.sdFontSize.position(), 120);
    EXPECT_EQ(d.sdTimeOut.position(), 5000);
    EXPECT_EQ(d.edclon.text(), "ВКЛ");
    EXPECT_EQ(d.edcloff.text(), "выкл");
    EXPECT_EQ(d.ednlon.text(), "N on");
    EXPECT_EQ(d.ednloff.text(), "N off");
    EXPECT_EQ(p.watermark.SelectedFont, "Times New Roman");
    EXPECT_TRUE(d.cbTimer.checked());
    EXPECT_TRUE(m.mfTimer.checked());
    EXPECT_FALSE(m.Load.checked());
    EXPECT_TRUE(d.Xx1.checked());
    EXPECT_FALSE(d.cb2.checked());
    EXPECT_TRUE(d.cb1.checked());
    EXPECT_TRUE(d.cbShowNum.checked());
    EXPECT_TRUE(d.cbShowLang.checked());
    EXPECT_TRUE(m.ShowTI.checked());
    EXPECT_FALSE(m.SnL.checked());
    EXPECT_FALSE(m.zvok.checked());
    EXPECT_FALSE(m.DOD.checked());
    EXPECT_TRUE(m.Dop.checked());
    EXPECT_EQ(d.Panel5.colour(), 0x00336699u);
    EXPECT_EQ(p.colours.capsOnColor, 1u);
    EXPECT_EQ(p.colours.numOnColor, 2u);
    EXPECT_EQ(p.colours.numOffFontColor, 3u);
    EXPECT_EQ(p.colours.capsOnFontColor, 5u);
    EXPECT_EQ(p.colours.numOnFontColor, 6u);
    EXPECT_EQ(p.colours.capsOffFontColor, 7u);
    EXPECT_EQ(p.colours.capsOffColor, 8u);
    EXPECT_EQ(p.colours.numOffColor, 9u);
    EXPECT_EQ(d.Edit1.text(), path);
    EXPECT_EQ(d.Edit4.text(), "");
}

TEST_F(ConfigSave, HostileFileLoadsWithDefaultsAndASaveKeepsWhatNorviDoesNotKnow) {
    std::string hostile = "\xEF\xBB\xBF garbage line\r\n[Config]\r\nleft=\x01\x02\xFF\r\ntop=120\r\ntop=999\r\n";
    hostile += "opacity=" + std::string(100000, '9') + "\r\n";
    hostile += "SOD\r\n=1\r\nsound=\r\n[Config]\r\nDOD=0\r\n";
    hostile += std::string("binary=\0\0\x7f", 11) + "\r\n";
    hostile += "[Unknown]\r\nkeep=me\r\n[ConfigSD]\r\nedclon=" + std::string(100000, 'x') + "\r\n";
    hostile += "TXTpolozaj=-2147483648\r\nsdFontSize=2147483647\r\n[Config\r\nmystery=1\r\n";
    writeConfig(hostile);
    Program& p = start();
    EXPECT_EQ(p.mainform->left(), 1720) << "garbage takes the default";
    EXPECT_EQ(p.mainform->top(), 120) << "the first of duplicate keys wins";
    EXPECT_EQ(p.mainform->opacity(), 255);
    EXPECT_TRUE(p.mainform->menu.zvok.checked()) << "an empty value does not parse: the default";
    EXPECT_TRUE(p.mainform->menu.DOD.checked()) << "a second [Config] section is not read";
    EXPECT_EQ(p.fcolors->edclon.text(), std::string(2047, 'x'));
    EXPECT_EQ(p.fcolors->sdFontSize.position(), 600);
    EXPECT_EQ(p.watermark.TXTpolozaj, INT32_MIN);
    p.mainform->close();
    EXPECT_EQ(stored("Unknown", "keep"), "me");
    EXPECT_EQ(stored("Config", "left"), "1720");
    EXPECT_EQ(stored("ConfigSD", "TXTpolozaj"), "-2147483648");
    program.reset();
    Program& again = start();
    EXPECT_EQ(again.fcolors->edclon.text(), std::string(2047, 'x'));
    EXPECT_EQ(again.mainform->top(), 120);
}

TEST_F(ConfigSave, UnwritableDataFolderRunsOnInMemorySettingsAndExitsCleanly) {
    pf.disk.directories[pf.disk.localAppData] = true;  // read-only
    Program& p = start();
    EXPECT_FALSE(pf.disk.directoryExists(dataFolder()));
    p.mainform->menu.zvok.setChecked(false);
    p.mainform->menu.Exit1.choose();
    EXPECT_TRUE(pf.clock.quitRequested());
    EXPECT_TRUE(pf.disk.files.empty());
    EXPECT_FALSE(p.mainform->menu.zvok.checked()) << "in-memory settings stay as the user set them";
}

TEST_F(ConfigSave, NoLocalAppDataFolderUsesTheDriveRoot) {
    pf.disk.localAppData = "";
    pf.disk.directories["\\"] = false;
    Program& p = start();
    EXPECT_EQ(p.dataFolder, "\\norvi\\");
    p.mainform->close();
    EXPECT_EQ(pf.ini.read("\\norvi\\norvi.cfg", "Config", "SOD", "?"), "1");
}

TEST_F(ConfigSave, AFailedWriteStopsTheSave) {
    start();
    pf.disk.directories[pf.disk.localAppData + "\\norvi"] = true;  // data folder turns read-only
    const int before = pf.ini.writes;
    program->config.SaveSettings();
    EXPECT_EQ(pf.ini.writes - before, 1) << "the first failing write ends the save";
}

TEST_F(ConfigSave, RunValueFollowsLoadAtStartupAndIsQuoted) {
    Program& p = start();
    p.config.SaveSettings();
    EXPECT_EQ(pf.reg.readUserString(kRunKey, "Norvi"), "\"" + pf.disk.program + "\"");
    p.mainform->menu.Load.setChecked(false);
    p.config.SaveSettings();
    EXPECT_FALSE(pf.reg.readUserString(kRunKey, "Norvi").has_value());
}

TEST_F(ConfigSave, ARegistryThatCannotBeOpenedDoesNotCostTheFile) {
    pf.reg.failOpen = true;
    start().config.SaveSettings();
    EXPECT_EQ(stored("Config", "SOD"), "1");
}

}  // namespace
}  // namespace norvi::test
