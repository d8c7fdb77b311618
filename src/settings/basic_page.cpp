#include "settings/basic_page.h"

#include "app/program.h"

namespace norvi {

namespace {
constexpr BasicTwin kBasicTwins[] = {
    {&PopupMenu::DOD, &Tfcolors::cbText, &MenuCommands::Btextual},
    {&PopupMenu::Dop, &Tfcolors::cbIcon, &MenuCommands::bIconic},
    {&PopupMenu::mfTimer, &Tfcolors::cbKeepDisplayed, nullptr},
    {&PopupMenu::SOD, &Tfcolors::cbNorviondesktop, &MenuCommands::ShowNorviOnDesktop},
    {&PopupMenu::SnL, &Tfcolors::cbNumTray, &MenuCommands::SnlTray},
    {&PopupMenu::zvok, &Tfcolors::cbSound, &MenuCommands::zvokGO},
    {&PopupMenu::Load, &Tfcolors::cbLoadStart, &MenuCommands::LoadStart},
};
}  // namespace

std::span<const BasicTwin> basicTwins() { return kBasicTwins; }

void Tfcolors::wireBasicPage() {
    // The two indicators exclude each other; both may be off.
    cbText.onClick = [this] { indicatorBoxClick(cbText, cbIcon, &PopupMenu::DOD, &PopupMenu::Dop, &MenuCommands::Btextual); };
    cbIcon.onClick = [this] { indicatorBoxClick(cbIcon, cbText, &PopupMenu::Dop, &PopupMenu::DOD, &MenuCommands::bIconic); };
    cbKeepDisplayed.onClick = [this] {
        p_.mainform->menu.mfTimer.setChecked(cbKeepDisplayed.checked());
        cbTimer.setChecked(cbKeepDisplayed.checked());
    };
    // The other four mirror their item and run its follow-up.
    for (const BasicTwin& twin : std::span(kBasicTwins).subspan(3)) {
        ui::CheckBox& box = this->*twin.box;
        box.onClick = [this, &box, twin] {
            (p_.mainform->menu.*twin.item).setChecked(box.checked());
            (menuCommands.*twin.followUp)();
        };
    }
}

void Tfcolors::indicatorBoxClick(ui::CheckBox& box, ui::CheckBox& otherBox, ui::MenuItem PopupMenu::*item,
                                 ui::MenuItem PopupMenu::*otherItem, void (MenuCommands::*followUp)()) {
    PopupMenu& menu = p_.mainform->menu;
    (menu.*item).setChecked(box.checked());
    if (box.checked()) {
        (menu.*otherItem).setChecked(false);
        otherBox.setChecked(false);
    }
    (menuCommands.*followUp)();
}

}  // namespace norvi
