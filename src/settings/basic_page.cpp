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
    cbText.onClick = [this] {
        PopupMenu& menu = p_.mainform->menu;
        menu.DOD.setChecked(cbText.checked());
        if (cbText.checked()) {
            menu.Dop.setChecked(false);
            cbIcon.setChecked(false);
        }
        menuCommands.Btextual();
    };
    cbIcon.onClick = [this] {
        PopupMenu& menu = p_.mainform->menu;
        menu.Dop.setChecked(cbIcon.checked());
        if (cbIcon.checked()) {
            menu.DOD.setChecked(false);
            cbText.setChecked(false);
        }
        menuCommands.bIconic();
    };
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

}  // namespace norvi
