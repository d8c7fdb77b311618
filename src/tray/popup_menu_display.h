// Shows the shared popup menu through the platform and runs what the user chose.
#pragma once

#include <vector>

#include "platform/platform.h"
#include "tray/popup_menu.h"

namespace norvi {

class Program;

// What the user sees of the menu: every visible item in menu order, and for each entry
// the item it shows (items[i] is shown by entries[i]).
struct MenuShowing {
    std::vector<PopupMenuEntry> entries;
    std::vector<ui::MenuItem*> items;
};
MenuShowing visibleEntries(PopupMenu& menu);

// The menu at a screen point, owned by one of Norvi's windows: the pop-up handler runs
// first, the chosen item's choice after the menu has closed. Ignored until start-up has
// finished, since the commands are wired only then.
void showSharedPopupMenu(Program& program, Point screen, WindowHandle owner);

}  // namespace norvi
