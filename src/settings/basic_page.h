// The Basic page's seven boxes and the popup menu items they mirror.
#pragma once

#include <span>

#include "settings/tfcolors.h"
#include "tray/menu_commands.h"
#include "tray/popup_menu.h"

namespace norvi {

struct BasicTwin {
    ui::MenuItem PopupMenu::*item;
    ui::CheckBox Tfcolors::*box;
    // What the box's click action runs after mirroring; none for Keep Last Displayed Visible.
    void (MenuCommands::*followUp)();
};

// In page order: cbText, cbIcon, cbKeepDisplayed, cbNorviondesktop, cbNumTray, cbSound,
// cbLoadStart (the menu order of their items too).
std::span<const BasicTwin> basicTwins();

}  // namespace norvi
