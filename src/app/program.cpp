#include "app/program.h"

#include "app/startup_step.h"

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

bool Program::start() {
    // A second start must not make a second strip, second tray icons and a second writer
    // of the same norvi.cfg.
    if (!platform.desktop().claimSession()) return false;
    mainform = std::make_unique<Tmainform>(*this);
    // A log-off or shutdown ends Norvi without an "Exit": save as that close does.
    platform.desktop().onSessionEnding([this] {
        if (mainform) mainform->close();
    });
    mainform->FormCreate();
    // Each window's creation contains its own failures: a window that could not be made
    // whole is missing something, but Norvi runs.
    fabout = std::make_unique<Tfabout>(*this);
    runStartupStep([this] { fabout->FormCreate(); });
    fcolors = std::make_unique<Tfcolors>(*this);
    fcolors->FormCreate();
    fcolors->menuCommands.showAbout = [this] { fabout->show(); };
    fFind = std::make_unique<TfFind>(*this);
    runStartupStep([this] { fFind->FormCreate(); });
    floatTXT = std::make_unique<TfloatTXT>(*this);
    floatTXT->FormCreate();
    finalStartupStep();
    // A later start of Norvi: as the menu's "Settings". Only now, so that a request made
    // while this one was starting waits for the windows it needs.
    platform.desktop().onSettingsRequested([this] {
        if (mainform) mainform->menu.Setcolors1.choose();
    });
    return true;
}

void Program::finalStartupStep() {
    EventLoop& loop = platform.loop();
    loop.processMessages();
    startupDone = true;
    loop.processMessages();
    lock.capsPrev = kForcePanelCheck;
    runStartupStep([this] { dispatcher.StartNiZagon(); });
    platform.desktop().hideApplicationWindow();
}

int Program::run() {
    runStartupStep([this] {
        if (showMainFormOnStart && !mainform->visible()) mainform->show();
    });
    return platform.loop().run();
}

}  // namespace norvi
