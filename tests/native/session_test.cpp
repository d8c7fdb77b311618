// Norvi and the user's session: the end of the session saves as "Exit" does, and a second
// start hands over to the Norvi that runs already.
#include "fixture.h"

namespace norvi::test {
namespace {

constexpr const char* kStored = "[Config]\r\nleft=400\r\ntop=300\r\nload=1\r\n[Mine]\r\nkeep=yes\r\n";

class Session : public ProgramTest {};

// What a day's run leaves behind: the strip moved, a setting changed, then an ending.
struct RunEnd {
    std::string file;
    std::optional<std::string> runValue;
    bool quit = false;
};
RunEnd runADay(const std::function<void(Program&, fake::FakePlatform&)>& end) {
    fake::FakePlatform pf;
    loadGeneratedResources(pf.res);
    pf.disk.directories[pf.disk.localAppData + "\\norvi"] = false;
    const std::string path = pf.disk.localAppData + "\\norvi\\norvi.cfg";
    pf.disk.files[path] = kStored;
    Program p(pf);
    p.start();
    p.mainform->moveTo(700, 500);
    p.fcolors->edclon.setText("Day");
    end(p, pf);
    return {pf.disk.files[path], pf.reg.readUserString(kRunKey, kRunValueName), pf.clock.quitRequested()};
}

TEST_F(Session, TheEndOfTheSessionSavesExactlyAsExitDoes) {
    const RunEnd exited = runADay([](Program& p, fake::FakePlatform&) { p.mainform->menu.Exit1.choose(); });
    const RunEnd loggedOff = runADay([](Program&, fake::FakePlatform& pf) { pf.desk.endSession(); });
    EXPECT_EQ(loggedOff.file, exited.file);
    EXPECT_NE(loggedOff.file.find("left=700"), std::string::npos) << loggedOff.file;
    EXPECT_NE(loggedOff.file.find("edclon=Day"), std::string::npos);
    EXPECT_NE(loggedOff.file.find("keep=yes"), std::string::npos);
    EXPECT_EQ(loggedOff.runValue, exited.runValue);
    EXPECT_TRUE(loggedOff.runValue.has_value());
    EXPECT_TRUE(loggedOff.quit);
}

TEST_F(Session, TheEndOfTheSessionWhileStartingWritesNothing) {
    writeConfig(kStored);
    bool ended = false;
    pf.clock.onProcessMessages = [&] {
        if (!ended && program && program->mainform) {
            ended = true;
            pf.desk.endSession();
        }
    };
    start();
    pf.clock.onProcessMessages = nullptr;
    EXPECT_TRUE(ended);
    EXPECT_EQ(configText(), kStored) << "the settings were not all read yet";
    pf.desk.endSession();  // a second broadcast (another window of Norvi's hears it too)
    EXPECT_EQ(configText(), kStored);
}

TEST_F(Session, ASecondStartAsksTheRunningNorviAndMakesAndWritesNothing) {
    writeConfig(kStored);
    pf.desk.anotherInstanceRuns = true;
    program = std::make_unique<Program>(pf);
    EXPECT_FALSE(program->start());
    EXPECT_EQ(pf.desk.settingsRequestsSent, 1);
    EXPECT_TRUE(pf.windows.empty());
    EXPECT_TRUE(pf.trayIcons.empty());
    EXPECT_FALSE(program->mainform);
    program.reset();
    EXPECT_EQ(pf.ini.writes, 0);
    EXPECT_EQ(configText(), kStored);
    EXPECT_TRUE(pf.reg.values.empty()) << "no Run value written or deleted";
    EXPECT_TRUE(pf.audio.played.empty());
}

TEST_F(Session, ALaterStartsRequestOpensTheSettingsAsTheMenuDoes) {
    Program& p = start();
    EXPECT_EQ(pf.desk.sessionClaims, 1);
    bool shown = false;
    pf.prompts.whileModal.push_back([&] {
        shown = p.fcolors->visible();
        p.fcolors->cancelClick();
    });
    pf.desk.requestSettings();
    EXPECT_TRUE(shown);
    EXPECT_EQ(pf.prompts.modalRuns, 1);
    EXPECT_EQ(stored("Config", "left"), std::to_string(p.mainform->left())) << "saved on opening, as the menu's";
    EXPECT_TRUE(p.fcolors->cbText.checked()) << "the Basic boxes took the menu's marks, as the menu's";
}

}  // namespace
}  // namespace norvi::test
