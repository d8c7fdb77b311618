#include "tray/popup_menu_display.h"

#include "app/program.h"

namespace norvi {

namespace {
PopupMenuEntry::Kind entryKindOf(ui::MenuItem::Kind kind) {
    switch (kind) {
        case ui::MenuItem::Kind::Check:
            return PopupMenuEntry::Kind::Check;
        case ui::MenuItem::Kind::Separator:
            return PopupMenuEntry::Kind::Separator;
        case ui::MenuItem::Kind::Command:
            break;
    }
    return PopupMenuEntry::Kind::Command;
}
}  // namespace

MenuShowing visibleEntries(PopupMenu& menu) {
    MenuShowing showing;
    for (ui::MenuItem* item : menu.items()) {
        if (!item->visible()) continue;
        PopupMenuEntry entry;
        entry.caption = item->caption();
        entry.kind = entryKindOf(item->kind());
        entry.checked = item->checked();
        entry.isDefault = item->isDefault();
        showing.entries.push_back(std::move(entry));
        showing.items.push_back(item);
    }
    return showing;
}

void showSharedPopupMenu(Program& p, Point screen, WindowHandle owner) {
    if (!p.startupDone || !p.mainform || !p.fcolors) return;
    p.fcolors->menuCommands.PopupMenuPopup();
    const MenuShowing showing = visibleEntries(p.mainform->menu);
    const std::optional<int> chosen =
        p.platform.menus().showPopupMenu(showing.entries, screen, owner);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(showing.items.size())) return;
    showing.items[static_cast<std::size_t>(*chosen)]->choose();
}

}  // namespace norvi
