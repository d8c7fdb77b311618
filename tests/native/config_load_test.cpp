// Loading norvi.cfg: defaults, load rules and hostile files.
#include "fixture.h"

namespace norvi::test {
namespace {

class ConfigLoad : public ProgramTest {};

TEST_F(ConfigLoad, EmptyDataFolderGivesEveryDefault) {
    Program& p = start();
    EXPECT_TRUE(pf.disk.directoryExists(dataFolder())) << "the data folder is created";
    EXPECT_EQ(p.dataFolder, dataFolder());
    EXPECT_EQ(floatingWindow().bounds().left, 1920 - 200);
    EXPECT_EQ(floatingWindow().bounds().top, 30);
    EXPECT_EQ(p.mainform->opacity(), 255);
    const PopupMenu& m = p.mainform->menu;
    EXPECT_TRUE(m.zvok.checked());
    EXPECT_TRUE(m.DOD.checked());
    EXPECT_FALSE(m.Dop.checked());
    EXPECT_TRUE(m.SOD.checked());
    EXPECT_TRUE(m.SnL.checked());
    EXPECT_FALSE(m.ShowTI.checked());
    EXPECT_TRUE(m.Load.checked());
    EXPECT_FALSE(m.mfTimer.checked());
    EXPECT_EQ(p.mainform->Ctabla.width(), 75);
    EXPECT_EQ(p.colours, FloatingColours{});
    const Tfcolors& d = *p.fcolors;
    EXPECT_EQ(d.Panel5.colour(), 0x00C0C0C0u);
    EXPECT_EQ(d.Edit8.text(), "ABC");
    EXPECT_EQ(d.Edit6.text(), "abc");
    EXPECT_EQ(d.Edit9.text(), "7");
    EXPECT_EQ(d.Edit7.text(), "7");
    EXPECT_EQ(p.watermark.TXTpolozaj, 5);
    EXPECT_TRUE(d.CbShowCaps.checked());
    EXPECT_FALSE(d.cbShowNum.checked());
    EXPECT_FALSE(d.cbShowLang.checked());
    for (const ui::Panel* panel : {&d.Panel7, &d.Panel11, &d.Panel15, &d.Panel17, &d.Panel19})
        EXPECT_EQ(panel->colour(), 0x00C0C0C0u);
    EXPECT_EQ(d.floatOpa.position(), 51);
    EXPECT_FALSE(d.cbTimer.checked());
    EXPECT_TRUE(d.sdclon.checked());
    EXPECT_TRUE(d.sdclOff.checked());
    EXPECT_TRUE(d.sdnlOn.checked());
    EXPECT_TRUE(d.sdnlOff.checked());
    EXPECT_FALSE(d.sdLANG.checked());
    EXPECT_EQ(d.sdFontSize.position(), 300);
    EXPECT_EQ(d.sdTimeOut.position(), 2000);
    EXPECT_EQ(d.edclon.text(), "A");
    EXPECT_EQ(d.edcloff.text(), "a");
    EXPECT_EQ(d.ednlon.text(), "7");
    EXPECT_EQ(d.ednloff.text(), "0");
    EXPECT_EQ(p.watermark.SelectedFont, "Arial");
    for (const ui::Edit* e : {&d.Edit1, &d.Edit2, &d.Edit3, &d.Edit4}) EXPECT_EQ(e->text(), "Default");
    for (const ui::CheckBox* b : {&d.cb1, &d.cb2, &d.cb3, &d.cb4}) EXPECT_TRUE(b->checked());
    EXPECT_FALSE(d.Xx1.checked()) << "\"round\" defaults to 0";
    EXPECT_EQ(d.timeOutLabel, "2 seconds");
    EXPECT_EQ(d.opacityLabel, "20 %");
    EXPECT_EQ(d.fontSizeLabel, "300 px");
    EXPECT_TRUE(configText().empty()) << "start-up writes nothing";
}

}  // namespace
}  // namespace norvi::test
