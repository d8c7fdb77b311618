#include "app/program.h"
#include "settings/watermark_controls.h"
#include "watermark/placement.h"

namespace norvi {

namespace {
constexpr Colour kDefaultTextColour = 0x00C0C0C0;
constexpr Colour kDefaultIconColour = 0x00C0C0C0;
constexpr const char* kDefaultFace = "Arial";
constexpr const char* kDefaultTexts[] = {"A", "a", "7", "0"};
// Which of the "Transparent" switches a reset checks (the hidden language one it clears).
constexpr bool kDefaultTransparent[] = {true, true, true, true, false};
}  // namespace

void Tfcolors::wireWatermarkPage() {
    cbTimer.onClick = [this] {
        p_.mainform->menu.mfTimer.setChecked(cbTimer.checked());
        cbKeepDisplayed.setChecked(cbTimer.checked());
    };
    sdFontSize.onChange = [this] {
        fontSizeLabel = fontSizeLabelText(sdFontSize.position());
        preview(code::kRedrawLastColour);
    };
    FCB.onChange = [this] {
        p_.watermark.SelectedFont = FCB.selectedFace();
        sampleFace = p_.watermark.SelectedFont;
        preview(code::kRedrawLastColour);
    };
    floatOpa.onChange = [this] {
        if (p_.floatTXT) p_.floatTXT->applyOpacity(floatOpa.position());
        opacityLabel = opacityLabelText(floatOpa.position());
        if (!p_.startupDone) return;
        const PopupMenu& menu = p_.mainform->menu;
        if (menu.DOD.checked()) preview(code::kRedrawLastColour);
        if (menu.Dop.checked()) p_.dispatcher.zagonNapisa(code::kIconCapsOn, "");
    };
    sdTimeOut.onChange = [this] {
        if (p_.floatTXT) p_.floatTXT->applyTimeout(sdTimeOut.position());
        timeOutLabel = timeOutLabelText(sdTimeOut.position());
    };
}

void Tfcolors::preview(int code) {
    if (p_.startupDone) p_.dispatcher.zagonNapisa(code, p_.watermark.lastText);
}

void Tfcolors::textColourClick(int button) {
    if (button < 0 || button >= 4) return;
    ui::Panel& swatch = this->*kTextSwatches[button];
    if (const auto chosen = ColorDialog->choose(swatch.colour())) swatch.setColour(*chosen);
    preview(code::kRedrawLastCode);
}

void Tfcolors::iconColourClick() {
    if (const auto chosen = ColorDialog->choose(Panel5.colour())) Panel5.setColour(*chosen);
    if (Panel5.colour() == kKeyColour) Panel5.setColour(kNearKeyIconColour);
    p_.platform.loop().processMessages();
    resetirajBarvoIkone();
    p_.config.SaveSettings();
}

void Tfcolors::resetirajBarvoIkone() {
    if (recolourWatermarkIcons) recolourWatermarkIcons(Panel5.colour());
}

void Tfcolors::xiNextMonitorClick() {
    if (p_.floatTXT) p_.floatTXT->xiNextMonitorClick();
}

// ---- the position grid ------------------------------------------------------------------

void Tfcolors::showStoredPosition() {
    for (auto& c : positionCaptions_) c.clear();
    const int pos = p_.watermark.TXTpolozaj;
    if (pos >= 1 && pos <= 9) positionCaptions_[pos - 1] = "ABC";
}

const std::string& Tfcolors::positionCaption(int position) const {
    static const std::string none;
    return position >= 1 && position <= 9 ? positionCaptions_[position - 1] : none;
}

void Tfcolors::choosePosition(int position) {
    if (position < 1 || position > 9) return;
    p_.watermark.TXTpolozaj = position;
    showStoredPosition();
    afterPositionChange();
}

void Tfcolors::refreshPositionGrid() {
    showStoredPosition();
    afterPositionChange();
}

void Tfcolors::resetPosition() {
    p_.watermark.TXTpolozaj = kDefaultPosition;
    showStoredPosition();
    afterPositionChange();
}

void Tfcolors::afterPositionChange() {
    recomputeTextTopOffset(p_);
    p_.platform.loop().processMessages();
    preview(code::kRedrawLastColour);
    p_.dispatcher.StartNiZagon();
}

// ---- font -------------------------------------------------------------------------------

void Tfcolors::NastaviFont() {
    FCB.select(p_.watermark.SelectedFont);
    sampleFace = p_.watermark.SelectedFont;
}

// ---- reset ------------------------------------------------------------------------------

void Tfcolors::sbREset10Click() {
    for (auto swatch : kTextSwatches) (this->*swatch).setColour(kDefaultTextColour);
    floatOpa.setPosition(51);
    for (std::size_t i = 0; i < std::size(kTransparentBoxes); ++i)
        (this->*kTransparentBoxes[i]).setChecked(kDefaultTransparent[i]);
    for (std::size_t i = 0; i < std::size(kWatermarkTexts); ++i) (this->*kWatermarkTexts[i]).setText(kDefaultTexts[i]);
    sdFontSize.setPosition(300);
    sdTimeOut.setPosition(2000);
    Panel5.setColour(kDefaultIconColour);
    resetirajBarvoIkone();
    resetPosition();
    // Without "Arial" installed the face stays the one selected; with nothing selected, as it was.
    FCB.select(kDefaultFace);
    if (FCB.hasSelection()) p_.watermark.SelectedFont = FCB.selectedFace();
    NastaviFont();
    preview(code::kGreyPreview);
}

}  // namespace norvi
