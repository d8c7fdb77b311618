// The load rules of norvi.cfg, each stored value against what Norvi makes of it.
#include "fixture.h"

namespace norvi::test {
namespace {

// Names the cases in test output by the stored text they load.
std::string printable(const char* config) {
    std::string s;
    for (const char* c = config; *c; ++c) {
        if (*c == '\r') continue;
        s += *c == '\n' ? std::string(" ") : std::string(1, *c);
    }
    return s;
}

struct FloatingCase {
    const char* config;
    int left, top, opacity;
};

void PrintTo(const FloatingCase& c, std::ostream* os) { *os << printable(c.config); }

class FloatingLoadRules : public ProgramTest, public ::testing::WithParamInterface<FloatingCase> {};

TEST_P(FloatingLoadRules, PlaceAndOpacity) {
    writeConfig(GetParam().config);
    Program& p = start();
    EXPECT_EQ(p.mainform->left(), GetParam().left);
    EXPECT_EQ(p.mainform->top(), GetParam().top);
    EXPECT_EQ(p.mainform->opacity(), GetParam().opacity);
    EXPECT_EQ(floatingWindow().layered.alpha, GetParam().opacity);
}

// Primary and first display 1920x1080.
INSTANTIATE_TEST_SUITE_P(Cases, FloatingLoadRules, ::testing::Values(
    FloatingCase{"[Config]\r\nleft=5\r\n", 300, 30, 255},
    FloatingCase{"[Config]\r\nleft=9\r\n", 300, 30, 255},
    FloatingCase{"[Config]\r\nleft=10\r\n", 10, 30, 255},
    FloatingCase{"[Config]\r\nleft=1880\r\n", 300, 30, 255},   // width - 40
    FloatingCase{"[Config]\r\nleft=1870\r\n", 1870, 30, 255},  // width - 50 stays
    FloatingCase{"[Config]\r\nleft=1921\r\n", 300, 30, 255},
    FloatingCase{"[Config]\r\nleft=0x64\r\n", 100, 30, 255},
    FloatingCase{"[Config]\r\nleft=0X1F4\r\n", 500, 30, 255},
    FloatingCase{"[Config]\r\nleft=$64\r\n", 100, 30, 255},
    FloatingCase{"[Config]\r\nleft=0x\r\n", 1720, 30, 255},    // too short for hex, not a number
    FloatingCase{"[Config]\r\nleft=12abc\r\n", 1720, 30, 255},
    FloatingCase{"[Config]\r\nleft= \"400\" \r\n", 400, 30, 255},
    FloatingCase{"[Config]\r\ntop=-1\r\n", 1720, 100, 255},
    FloatingCase{"[Config]\r\ntop=0\r\n", 1720, 0, 255},
    FloatingCase{"[Config]\r\ntop=1080\r\n", 1720, 1080, 255},
    FloatingCase{"[Config]\r\ntop=1081\r\n", 1720, 300, 255},
    FloatingCase{"[Config]\r\nopacity=60\r\n", 1720, 30, 150},
    FloatingCase{"[Config]\r\nopacity=124\r\n", 1720, 30, 150},
    FloatingCase{"[Config]\r\nopacity=125\r\n", 1720, 30, 125},
    FloatingCase{"[Config]\r\nopacity=300\r\n", 1720, 30, 255},
    FloatingCase{"[Config]\r\nleft=99999999999\r\ntop=zz\r\nopacity=\r\n", 1720, 30, 255}));

TEST_F(ProgramTest, FirstDisplayWidthGivesTheDefaultLeft) {
    pf.display.displayList = {{0, 0, 1280, 1024}, {1280, 0, 3200, 1200}};
    pf.display.primary = {1280, 1024};
    start();
    EXPECT_EQ(program->mainform->left(), 1080);
}

struct SwitchCase {
    const char* config;
    bool sound, load, dod, dop, showTI, snl, sod;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << printable(c.config); }

class MenuLoadRules : public ProgramTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(MenuLoadRules, CheckMarks) {
    writeConfig(GetParam().config);
    Program& p = start();
    const PopupMenu& m = p.mainform->menu;
    EXPECT_EQ(m.zvok.checked(), GetParam().sound);
    EXPECT_EQ(m.Load.checked(), GetParam().load);
    EXPECT_EQ(m.DOD.checked(), GetParam().dod);
    EXPECT_EQ(m.Dop.checked(), GetParam().dop);
    EXPECT_EQ(m.ShowTI.checked(), GetParam().showTI);
    EXPECT_EQ(m.SnL.checked(), GetParam().snl);
    EXPECT_EQ(m.SOD.checked(), GetParam().sod);
    EXPECT_EQ(p.tray.CTI2.visible(), GetParam().snl);
    EXPECT_EQ(floatingWindow().isVisible(), GetParam().sod);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuLoadRules, ::testing::Values(
    //                                                        sound  load   DOD    DOP    ShowTI SNL    SOD
    SwitchCase{"[Config]\r\nsound=2\r\n",                      false, true,  true,  false, false, true,  true},
    SwitchCase{"[Config]\r\nsound=0\r\nload=0\r\n",            false, false, true,  false, false, true,  true},
    SwitchCase{"[Config]\r\nload=2\r\n",                       true,  false, true,  false, false, true,  true},
    SwitchCase{"[Config]\r\nDOD=0\r\nDOP=7\r\n",               true,  true,  false, true,  false, true,  true},
    SwitchCase{"[Config]\r\nShowTI=1\r\nSNL=2\r\nSOD=0\r\n",   true,  true,  true,  false, true,  false, false},
    SwitchCase{"[Config]\r\nSNL=0\r\nSOD=5\r\n",               true,  true,  true,  false, false, false, false}));

TEST_F(ProgramTest, HiddenFloatingIndicatorStaysHiddenAfterTheLoopStarts) {
    writeConfig("[Config]\r\nSOD=0\r\n");
    start();
    EXPECT_FALSE(program->showMainFormOnStart);
    EXPECT_FALSE(floatingWindow().isVisible());
}

struct DialogCase {
    const char* config;
    std::function<void(const Program&)> check;
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << printable(c.config); }

class DialogLoadRules : public ProgramTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(DialogLoadRules, Controls) {
    writeConfig(GetParam().config);
    GetParam().check(start());
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogLoadRules, ::testing::Values(
    DialogCase{"[Config]\r\nxvok1=5\r\nxvok2=0\r\nxvok3=1\r\n",
               [](const Program& p) {
                   EXPECT_FALSE(p.fcolors->cb1.checked());
                   EXPECT_FALSE(p.fcolors->cb2.checked());
                   EXPECT_TRUE(p.fcolors->cb3.checked());
                   EXPECT_TRUE(p.fcolors->cb4.checked());
               }},
    DialogCase{"[ConfigSD]\r\nsdTimeOut=20000\r\nsdFontSize=1\r\nfloatOpa=0\r\n",
               [](const Program& p) {
                   EXPECT_EQ(p.fcolors->sdTimeOut.position(), 10000);
                   EXPECT_EQ(p.fcolors->sdFontSize.position(), 6);
                   EXPECT_EQ(p.fcolors->floatOpa.position(), 1);
                   EXPECT_EQ(p.fcolors->timeOutLabel, "10 seconds");
                   EXPECT_EQ(p.fcolors->fontSizeLabel, "6 px");
                   EXPECT_EQ(p.fcolors->opacityLabel, "0 %");
               }},
    DialogCase{"[ConfigSD]\r\nsdTimeOut=999\r\nsdFontSize=601\r\nfloatOpa=256\r\n",
               [](const Program& p) {
                   EXPECT_EQ(p.fcolors->sdTimeOut.position(), 1000);
                   EXPECT_EQ(p.fcolors->sdFontSize.position(), 600);
                   EXPECT_EQ(p.fcolors->floatOpa.position(), 255);
                   EXPECT_EQ(p.fcolors->timeOutLabel, "1 second");
               }},
    DialogCase{"[ConfigSD]\r\nsdclon=0\r\nsdcloFF=2\r\nsdnloN=1\r\nsdnloFF=0\r\nsdLang=1\r\n",
               [](const Program& p) {
                   EXPECT_FALSE(p.fcolors->sdclon.checked());
                   EXPECT_FALSE(p.fcolors->sdclOff.checked());
                   EXPECT_TRUE(p.fcolors->sdnlOn.checked());
                   EXPECT_FALSE(p.fcolors->sdnlOff.checked());
                   EXPECT_TRUE(p.fcolors->sdLANG.checked());
               }},
    DialogCase{"[ConfigSD]\r\ncbTimer=1\r\n",
               [](const Program& p) {
                   EXPECT_TRUE(p.fcolors->cbTimer.checked());
                   EXPECT_TRUE(p.fcolors->cbKeepDisplayed.checked()) << "through cbTimer's click action";
                   EXPECT_TRUE(p.mainform->menu.mfTimer.checked());
               }},
    DialogCase{"[Config]\r\nround=1\r\n",
               [](const Program& p) { EXPECT_TRUE(p.fcolors->Xx1.checked()); }},
    DialogCase{"[Config]\r\nround=7\r\n",
               [](const Program& p) { EXPECT_TRUE(p.fcolors->Xx1.checked()) << "left as created"; }},
    DialogCase{"[Config]\r\nIconColor=0x00112233\r\n02=-16777216\r\n",
               [](const Program& p) {
                   EXPECT_EQ(p.fcolors->Panel5.colour(), 0x00112233u);
                   EXPECT_EQ(p.colours.numOnColor, 0xFF000000u) << "a colour with the top byte set is kept";
               }},
    DialogCase{"[ConfigSD]\r\nedclon=\"  quoted  \"\r\nednloFF=  spaced  \r\nSelectedFont=Courier New\r\n",
               [](const Program& p) {
                   EXPECT_EQ(p.fcolors->edclon.text(), "  quoted  ");
                   EXPECT_EQ(p.fcolors->ednloff.text(), "spaced");
                   EXPECT_EQ(p.watermark.SelectedFont, "Courier New");
               }},
    DialogCase{"[ConfigSD]\r\nSelectedFont=arial\r\n",
               [](const Program& p) {
                   EXPECT_EQ(p.fcolors->FCB.selectedFace(), "Arial") << "faces are named without regard to case";
               }},
    DialogCase{"[ConfigSD]\r\nSelectedFont=Arial Black\r\n",
               [](const Program& p) { EXPECT_FALSE(p.fcolors->FCB.hasSelection()) << "a face not installed"; }}));

TEST_F(ProgramTest, RoundZeroAppliesTheRoundedShapeAgain) {
    writeConfig("[Config]\r\nround=0\r\n");
    start();
    EXPECT_EQ(floatingWindow().regionCalls, 2) << "once at creation, once more for round=0";
    EXPECT_EQ(floatingWindow().region, (Rect{120, 27, 5, 5}));
}

}  // namespace
}  // namespace norvi::test

namespace norvi::test {
namespace {

TEST_F(ProgramTest, AStoredIconColourEqualToTheKeyColourStaysVisible) {
    writeConfig("[Config]\r\nIconColor=5524035\r\n");
    EXPECT_EQ(start().fcolors->Panel5.colour(), 0x00544A42u);
}

}  // namespace
}  // namespace norvi::test
