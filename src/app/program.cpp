#include "app/program.h"

namespace norvi {

std::string dataFolderBelow(std::string localAppData) {
    if (localAppData.empty() || localAppData.back() != '\\') localAppData += '\\';
    return localAppData + "norvi\\";
}

std::string locateDataFolder(Platform& platform) {
    Files& files = platform.files();
    std::string base = files.localAppDataFolder();
    if (base.empty() || base.back() != '\\') base += '\\';
    try {
        if (!files.directoryExists(base + "norvi")) files.createDirectory(base + "norvi");
    } catch (...) {
    }
    platform.loop().processMessages();
    return dataFolderBelow(base);
}

Program::Program(Platform& p) : platform(p) {}

Program::~Program() {
    // The watermark and dialogs refer to the main window; take them down first.
    floatTXT.reset();
    fFind.reset();
    fcolors.reset();
    fabout.reset();
    mainform.reset();
}

void Program::start() {
    mainform = std::make_unique<Tmainform>(*this);
    mainform->FormCreate();
    fabout = std::make_unique<Tfabout>(*this);
    fabout->FormCreate();
    fcolors = std::make_unique<Tfcolors>(*this);
    fcolors->FormCreate();
    fcolors->menuCommands.showAbout = [this] { fabout->show(); };
    fFind = std::make_unique<TfFind>(*this);
    fFind->FormCreate();
    floatTXT = std::make_unique<TfloatTXT>(*this);
    floatTXT->FormCreate();
    finalStartupStep();
}

void Program::finalStartupStep() {
    EventLoop& loop = platform.loop();
    loop.processMessages();
    startupDone = true;
    loop.processMessages();
    lock.capsPrev = kForcePanelCheck;
    dispatcher.StartNiZagon();
    platform.desktop().hideApplicationWindow();
}

int Program::run() {
    if (showMainFormOnStart && !mainform->visible()) mainform->show();
    return platform.loop().run();
}

}  // namespace norvi
