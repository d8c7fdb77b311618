#include "tray/menu_commands.h"

#include "app/program.h"
#include "settings/basic_page.h"
#include "tray/run_key.h"

namespace norvi {

namespace {
// Failures inside a command are dropped; the menu stays usable.
std::function<void()> guarded(MenuCommands& commands, void (MenuCommands::*command)()) {
    return [&commands, command] {
        try {
            (commands.*command)();
        } catch (...) {
        }
    };
}
}  // namespace

void MenuCommands::wire() {
    PopupMenu& m = p_.mainform->menu;
    const std::pair<ui::MenuItem*, void (MenuCommands::*)()> commands[] = {
        {&m.Setcolors1, &MenuCommands::Setcolors1Click},
        {&m.DOD, &MenuCommands::dodClick},
        {&m.Dop, &MenuCommands::DopClick},
        {&m.mfTimer, &MenuCommands::mfTimerClick},
        {&m.Showonnextdisplay1, &MenuCommands::Showonnextdisplay1Click},
        {&m.SOD, &MenuCommands::SODClick},
        {&m.SnL, &MenuCommands::SnLClick},
        {&m.zvok, &MenuCommands::zvokClick},
        {&m.Load, &MenuCommands::LoadClick},
        {&m.VisittheNorviwebsite1, &MenuCommands::VisittheNorviwebsite1Click},
        {&m.UserGuide1, &MenuCommands::UserGuide1Click},
        {&m.About1, &MenuCommands::About1Click},
    };
    for (const auto& [item, command] : commands) item->onClick = guarded(*this, command);
}

void MenuCommands::PopupMenuPopup() { p_.lock.LastForegroundWnd = p_.platform.desktop().foregroundWindow(); }

void MenuCommands::prikaziCekiranje() {
    PopupMenu& m = p_.mainform->menu;
    Tfcolors& d = *p_.fcolors;
    for (const BasicTwin& twin : basicTwins())
        if ((m.*twin.item).checked()) (d.*twin.box).setChecked(true);
    // A twin's click action above may have changed the floating indicator's item.
    if (m.SOD.checked()) d.cbNorviondesktop.setChecked(true);
}

void MenuCommands::Setcolors1Click() {
    prikaziCekiranje();
    p_.mainform->Setcolors1Click();
}

void MenuCommands::dodClick() {
    PopupMenu& m = p_.mainform->menu;
    indicatorChosen(m.DOD, m.Dop, p_.fcolors->cbText);
    Btextual();
}

void MenuCommands::DopClick() {
    PopupMenu& m = p_.mainform->menu;
    indicatorChosen(m.Dop, m.DOD, p_.fcolors->cbIcon);
    bIconic();
}

void MenuCommands::indicatorChosen(ui::MenuItem& chosen, ui::MenuItem& other, ui::CheckBox& twin) {
    // The indicators exclude each other; both may be off.
    if (chosen.checked()) other.setChecked(false);
    twin.setChecked(chosen.checked());
}

void MenuCommands::mfTimerClick() {
    const bool keep = p_.mainform->menu.mfTimer.checked();
    p_.fcolors->cbTimer.setChecked(keep);
    p_.fcolors->cbKeepDisplayed.setChecked(keep);
    p_.dispatcher.StartNiZagon();
    save();
}

void MenuCommands::Showonnextdisplay1Click() {
    if (p_.floatTXT) p_.floatTXT->xiNextMonitorClick();
}

void MenuCommands::SODClick() {
    p_.fcolors->cbNorviondesktop.setChecked(p_.mainform->menu.SOD.checked());
    ShowNorviOnDesktop();
}

void MenuCommands::SnLClick() {
    p_.fcolors->cbNumTray.setChecked(p_.mainform->menu.SnL.checked());
    SnlTray();
}

void MenuCommands::zvokClick() {
    p_.fcolors->cbSound.setChecked(p_.mainform->menu.zvok.checked());
    save();
    zvokGO();
}

void MenuCommands::LoadClick() {
    p_.fcolors->cbLoadStart.setChecked(p_.mainform->menu.Load.checked());
    LoadStart();
}

void MenuCommands::VisittheNorviwebsite1Click() { p_.platform.shell().openUrl(kWebsiteUrl); }

void MenuCommands::UserGuide1Click() { p_.platform.shell().openUrl(kUserGuideUrl); }

void MenuCommands::About1Click() {
    if (showAbout) showAbout();
}

void MenuCommands::Btextual() {
    if (!p_.mainform->menu.DOD.checked() && p_.floatTXT) p_.floatTXT->hideWatermark();
    p_.dispatcher.StartNiZagon();
    save();
}

void MenuCommands::bIconic() {
    if (!p_.mainform->menu.Dop.checked() && p_.floatTXT) p_.floatTXT->hideWatermark();
    save();
    p_.dispatcher.StartNiZagon();
}

void MenuCommands::ShowNorviOnDesktop() {
    const bool show = p_.mainform->menu.SOD.checked();
    if (show) {
        p_.mainform->show();
    } else {
        p_.mainform->hide();
    }
    p_.showMainFormOnStart = show;
    save();
}

void MenuCommands::SnlTray() {
    p_.tray.CTI2.setVisible(p_.mainform->menu.SnL.checked());
    save();
}

void MenuCommands::zvokGO() { save(); }

void MenuCommands::LoadStart() {
    // SaveSettings brings the Run value in line with the item once more.
    syncRunValue(p_.platform, p_.mainform->menu.Load.checked());
    save();
}

void MenuCommands::save() { p_.config.SaveSettings(); }

}  // namespace norvi
