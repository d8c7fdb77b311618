// The commands of the shared popup menu. Each check item has a twin box on the settings
// dialog; a command sets its twin, whose own click action (when the state changes) applies
// the same idempotent effect, so an effect or a save may happen twice.
#pragma once

#include <functional>

namespace norvi {

class Program;
namespace ui {
class CheckBox;
class MenuItem;
}  // namespace ui

constexpr const char* kWebsiteUrl = "https://www.norvi.app/";
constexpr const char* kUserGuideUrl = "https://www.norvi.app/UserGuide/Norvi90.pdf";

class MenuCommands {
public:
    explicit MenuCommands(Program& program) : p_(program) {}

    // Points every item's onClick at its command ("Exit" keeps the floating window's own).
    void wire();

    // Run each time the menu opens, before it shows.
    void PopupMenuPopup();
    // Checks the twin of every checked item; never clears one.
    void prikaziCekiranje();

    // The commands.
    void Setcolors1Click();
    void dodClick();
    void DopClick();
    void mfTimerClick();
    void Showonnextdisplay1Click();
    void SODClick();
    void SnLClick();
    void zvokClick();
    void LoadClick();
    void VisittheNorviwebsite1Click();
    void UserGuide1Click();
    void About1Click();

    // The follow-ups the commands and the twins share.
    void Btextual();
    void bIconic();
    void ShowNorviOnDesktop();
    void SnlTray();
    void zvokGO();
    void LoadStart();

    // Shows the about box without waiting for it.
    std::function<void()> showAbout;

    MenuCommands(const MenuCommands&) = delete;
    MenuCommands& operator=(const MenuCommands&) = delete;

private:
    void indicatorChosen(ui::MenuItem& chosen, ui::MenuItem& other, ui::CheckBox& twin);
    void save();
    Program& p_;
};

}  // namespace norvi
