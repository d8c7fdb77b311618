// One running Norvi: the program-wide state, its five windows and its subsystems. Tests
// build as many as they like, each on its own platform.
#pragma once

#include <memory>
#include <string>

#include "about/tfabout.h"
#include "app/config.h"
#include "floating/floating_colours.h"
#include "floating/tmainform.h"
#include "monitor/dispatcher.h"
#include "monitor/lock_monitor.h"
#include "monitor/lock_state.h"
#include "monitor/sound_cues.h"
#include "platform/platform.h"
#include "settings/tffind.h"
#include "settings/tfcolors.h"
#include "tray/tray_icons.h"
#include "watermark/tfloattxt.h"
#include "watermark/watermark_state.h"

namespace norvi {

class Program {
public:
    explicit Program(Platform& platform);
    ~Program();

    // The whole start-up: the five windows in order, then the final step. Does not run
    // the message loop. False, with nothing made or written, when another Norvi of the
    // user runs in this session: that one has been asked for its settings dialog instead.
    bool start();
    // The message loop, until the main window closes.
    int run();

    Platform& platform;

    // Program-wide state.
    bool startupDone = false;
    std::string dataFolder;
    bool showMainFormOnStart = true;  // the application's show-main-window-at-start flag
    LockState lock;
    FloatingColours colours;
    WatermarkState watermark;

    // Subsystems that hold no window of their own.
    Config config{*this};
    LockMonitor monitor{*this};
    Dispatcher dispatcher{*this};
    SoundCues sounds{*this};
    TrayIcons tray{*this};

    // The five windows, created by start() in this order.
    std::unique_ptr<Tmainform> mainform;
    std::unique_ptr<Tfabout> fabout;
    std::unique_ptr<Tfcolors> fcolors;
    std::unique_ptr<TfFind> fFind;
    std::unique_ptr<TfloatTXT> floatTXT;

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

private:
    void finalStartupStep();
};

// The data folder below a local application data folder: a backslash when missing, then
// "norvi\".
std::string dataFolderBelow(std::string localAppData);
// Finds the data folder, creating it when missing (a failure is not an error: Norvi then
// runs on in-memory settings), and returns its path ending in a backslash.
std::string locateDataFolder(Platform& platform);

}  // namespace norvi
