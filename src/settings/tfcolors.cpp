#include "settings/tfcolors.h"

#include "app/program.h"
#include "watermark/placement.h"

namespace norvi {

std::string fontSizeLabelText(int position) { return std::to_string(position) + " px"; }

std::string opacityLabelText(int position) { return std::to_string(position * 100 / 255) + " %"; }

std::string timeOutLabelText(int milliseconds) {
    const int seconds = milliseconds / 1000;
    return std::to_string(seconds) + " second" + (seconds >= 2 ? "s" : "");
}

Tfcolors::Tfcolors(Program& program) : p_(program) { wireHandlers(); }

void Tfcolors::wireHandlers() {
    cbTimer.onClick = [this] {
        p_.mainform->menu.mfTimer.setChecked(cbTimer.checked());
        cbKeepDisplayed.setChecked(cbTimer.checked());
    };
    cbKeepDisplayed.onClick = [this] {
        p_.mainform->menu.mfTimer.setChecked(cbKeepDisplayed.checked());
        cbTimer.setChecked(cbKeepDisplayed.checked());
    };
    sdFontSize.onChange = [this] { fontSizeLabel = fontSizeLabelText(sdFontSize.position()); };
    floatOpa.onChange = [this] {
        if (p_.floatTXT) p_.floatTXT->applyOpacity(floatOpa.position());
        opacityLabel = opacityLabelText(floatOpa.position());
    };
    sdTimeOut.onChange = [this] {
        if (p_.floatTXT) p_.floatTXT->applyTimeout(sdTimeOut.position());
        timeOutLabel = timeOutLabelText(sdTimeOut.position());
    };
    JTR.onChange = [this] { p_.mainform->setOpacity(JTR.position()); };
}

void Tfcolors::FormCreate() {
    Platform& pf = p_.platform;
    p_.dataFolder = locateDataFolder(pf);
    const Size screen = pf.screen().primarySize();
    rememberedLeft = (screen.width - kSettingsWidth) / 2;
    rememberedTop = (screen.height - kSettingsHeight) / 2;
    Timer1 = pf.loop().createTimer(1000);
    try {
        p_.config.loadDialogSettings();
    } catch (...) {
    }
    p_.watermark.monitorIndex = GetPolozaj(pf.screen().displays(), rememberedLeft + kSettingsWidth / 2);
    recomputeTextTopOffset(p_);
    if (pf.screen().displays().size() > 1) p_.mainform->menu.Showonnextdisplay1.setVisible(true);
    p_.tray.barvajIkone();
    Timer1->setEnabled(true);
    p_.mainform->Timer1->setEnabled(true);
}

void Tfcolors::showStoredPosition() {
    for (auto& c : positionCaptions_) c.clear();
    const int pos = p_.watermark.TXTpolozaj;
    if (pos >= 1 && pos <= 9) positionCaptions_[pos - 1] = "ABC";
}

const std::string& Tfcolors::positionCaption(int position) const {
    static const std::string none;
    return position >= 1 && position <= 9 ? positionCaptions_[position - 1] : none;
}

void Tfcolors::NastaviFont() {}

}  // namespace norvi
