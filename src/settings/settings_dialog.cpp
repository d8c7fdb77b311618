// Opening, closing, OK, Cancel and the window events of the settings dialog.
#include "app/program.h"
#include "settings/snapshot.h"
#include "watermark/placement.h"

namespace norvi {

void Tfcolors::Setcolors1Click() {
    try {
        menuCommands.prikaziCekiranje();
        p_.config.SaveSettings();
        // Local to this request: a second request while the dialog is open must not replace
        // what the first one's Cancel puts back.
        DialogSnapshot snapshot;
        snapshot.take(p_);
        refreshPositionGrid();
        snapshot.takeBasic(p_);
        resetirajBarvoIkone();
        if (visible_) {
            // While the sound finder runs, the dialog takes no input: the finder is what
            // the user must come back to.
            if (p_.fFind && p_.fFind->visible())
                p_.fFind->bringToFront();
            else if (onBringToFront)
                onBringToFront();
        } else {
            NastaviFont();
            showModal();
            if (modalResult_ == DialogResult::OK) {
                try {
                    p_.mainform->setOpacity(JTR.position());
                    p_.dispatcher.StartNiZagon();
                } catch (...) {
                }
            } else {
                snapshot.restore(p_);
            }
        }
        afterClosing();
    } catch (...) {
    }
}

void Tfcolors::showModal() {
    modalResult_ = DialogResult::None;
    FormShow();
    visible_ = true;
    try {
        FormActivate();
        p_.platform.dialogs().runModal([this] { return modalResult_ != DialogResult::None; });
    } catch (...) {
    }
    // Ended without a button (the program is quitting): as the close button does.
    if (modalResult_ == DialogResult::None) modalResult_ = DialogResult::Cancel;
    FormCloseQuery();
    FormClose();
    visible_ = false;
    if (onHideWindow) onHideWindow();
}

void Tfcolors::afterClosing() {
    recomputeTextTopOffset(p_);
    p_.platform.loop().processMessages();
    p_.dispatcher.StartNiZagon();
    p_.mainform->window->bringToFront();
}

void Tfcolors::BitBtn1Click() {
    modalResult_ = DialogResult::OK;
    p_.config.SaveSettings();
    p_.tray.barvajIkone();
    p_.dispatcher.StartNiZagon();
}

void Tfcolors::cancelClick() { modalResult_ = DialogResult::Cancel; }

void Tfcolors::FormShow() {
    position_ = {rememberedLeft, rememberedTop};
    if (onShowWindow) onShowWindow(position_);
}

void Tfcolors::FormActivate() {
    p_.mainform->Timer2->setEnabled(false);
    readColourFile();
    JTR.setPosition(p_.mainform->opacity());
    paintFloatingSwatches();
    colourSoundFields();
}

void Tfcolors::FormCloseQuery() {
    Timer& keepOnTop = *p_.mainform->Timer2;
    keepOnTop.setEnabled(false);
    keepOnTop.setEnabled(true);
    writeColourFile();
}

void Tfcolors::FormClose() {
    // A watermark reporting neither lock would never show again.
    if (!CbShowCaps.checked() && !cbShowNum.checked()) {
        CbShowCaps.setChecked(true);
        p_.dispatcher.zagonNapisa(code::kNumOn, "");
        p_.lock.capsCued = kForceRecue;
    }
    rememberedLeft = position_.x;
    rememberedTop = position_.y;
}

void Tfcolors::Timer1Timer() { setTopmost(!(p_.fFind && p_.fFind->visible())); }

void Tfcolors::setTopmost(bool topmost) {
    if (topmost == topmost_) return;
    topmost_ = topmost;
    if (onTopmostChanged) onTopmostChanged(topmost_);
}

// ---- "color.cld" ------------------------------------------------------------------------

std::string Tfcolors::colourFilePath() const { return p_.dataFolder + kColourFileName; }

void Tfcolors::readColourFile() {
    Files& files = p_.platform.files();
    std::optional<std::string> text;
    try {
        if (!files.fileExists(colourFilePath())) return;
        text = files.readFile(colourFilePath());
    } catch (...) {
    }
    const std::optional<CustomColours> colours = text ? parseColourFile(*text) : std::nullopt;
    if (colours) {
        ColorDialog->customColours = *colours;
        reportedColourFile_.reset();
        return;
    }
    // The picker keeps its colours; the next close writes a good file over this one. Until
    // then the same bad file is reported only once.
    const std::string seen = text.value_or(std::string("\0unreadable", 11));
    if (reportedColourFile_ == seen) return;
    reportedColourFile_ = seen;
    if (reportError) reportError("The custom colours in \"" + colourFilePath() + "\" cannot be read.");
}

void Tfcolors::writeColourFile() {
    // A folder that cannot be written must not keep the dialog from closing.
    try {
        p_.platform.files().writeFile(colourFilePath(), formatColourFile(ColorDialog->customColours));
    } catch (...) {
    }
}

}  // namespace norvi
