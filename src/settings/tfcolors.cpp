#include "settings/tfcolors.h"

#include "app/program.h"
#include "app/startup_step.h"
#include "settings/window/settings_window.h"
#include "ui/dpi_scale.h"
#include "watermark/placement.h"

namespace norvi {

std::string fontSizeLabelText(int position) { return std::to_string(position) + " px"; }

std::string opacityLabelText(int position) { return std::to_string(position * 100 / 255) + " %"; }

std::string timeOutLabelText(int milliseconds) {
    const int seconds = milliseconds / 1000;
    return std::to_string(seconds) + " second" + (seconds >= 2 ? "s" : "");
}

Tfcolors::Tfcolors(Program& program)
    : FCB(program.platform.textCompare()), menuCommands(program), p_(program) {
    ColorDialog = std::make_unique<ColourPicker>(program.platform.dialogs());
    wireHandlers();
}

void Tfcolors::wireHandlers() {
    wireBasicPage();
    wireWatermarkPage();
    wireSoundsPage();
    JTR.onChange = [this] { p_.mainform->setOpacity(JTR.position()); };
}

void Tfcolors::FormCreate() {
    Platform& pf = p_.platform;
    // Centred in device pixels: the dialog's size at the primary display's scale.
    Size dialog{kSettingsWidth, kSettingsHeight};
    runStartupStep([&] {
        p_.dataFolder = locateDataFolder(pf);
        const Size screen = pf.screen().primarySize();
        dialog = ui::DpiScale::of(pf.screen().dpiAt(Rect::fromSize(0, 0, screen.width, screen.height))).px(dialog);
        rememberedLeft = (screen.width - dialog.width) / 2;
        rememberedTop = (screen.height - dialog.height) / 2;
        position_ = {rememberedLeft, rememberedTop};
    });
    Timer1 = pf.loop().createTimer(1000);
    Timer1->onTick = [this] { Timer1Timer(); };
    runStartupStep([&] { FCB.setItems(pf.graphics().fontFaces()); });
    runStartupStep([this] { p_.config.loadDialogSettings(); });
    // Whatever happened while reading, each later step runs, and the lock poll starts last.
    runStartupStep([&] {
        p_.watermark.monitorIndex = GetPolozaj(pf.screen().displays(), rememberedLeft + dialog.width / 2);
    });
    runStartupStep([this] { recomputeTextTopOffset(p_); });
    runStartupStep([&] {
        if (pf.screen().displays().size() > 1) {
            p_.mainform->menu.Showonnextdisplay1.setVisible(true);
            xiNextMonitorVisible = true;
        }
    });
    menuCommands.wire();
    p_.mainform->openSettings = [this] { Setcolors1Click(); };
    runStartupStep([this] { p_.tray.barvajIkone(); });
    runStartupStep([this] { createNativeWindow(); });
    Timer1->setEnabled(true);
    p_.mainform->Timer1->setEnabled(true);
}

void Tfcolors::createNativeWindow() {
    nativeWindow = SettingsWindow::create(p_, *this);
    SettingsWindow* window = nativeWindow.get();
    if (!window) return;
    onShowWindow = [window](Point at) { window->showAt(at); };
    onHideWindow = [window] { window->hide(); };
    onBringToFront = [window] { window->bringToFront(); };
    onTopmostChanged = [window](bool topmost) { window->setTopmost(topmost); };
    reportError = [window](const std::string& message) { window->showError(message); };
}

}  // namespace norvi
