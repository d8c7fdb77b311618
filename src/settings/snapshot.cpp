#include "settings/snapshot.h"

#include "app/program.h"
#include "settings/basic_page.h"
#include "settings/watermark_controls.h"

namespace norvi {

namespace {
inline constexpr ui::Slider Tfcolors::*kSliders[] = {&Tfcolors::floatOpa, &Tfcolors::sdTimeOut, &Tfcolors::sdFontSize};
inline constexpr ui::CheckBox Tfcolors::*kShowBoxes[] = {&Tfcolors::CbShowCaps, &Tfcolors::cbShowNum,
                                                         &Tfcolors::cbShowLang};
}  // namespace

void DialogSnapshot::take(Program& p) {
    Tfcolors& d = *p.fcolors;
    colours = p.colours;
    opacity = p.mainform->opacity();
    d.JTR.setPosition(opacity);
    for (std::size_t i = 0; i < 5; ++i) textColours[i] = (d.*kTextSwatches[i]).colour();
    for (std::size_t i = 0; i < 3; ++i) sliders[i] = (d.*kSliders[i]).position();
    for (std::size_t i = 0; i < 4; ++i) texts[i] = (d.*kWatermarkTexts[i]).text();
    for (std::size_t i = 0; i < 5; ++i) transparent[i] = (d.*kTransparentBoxes[i]).checked();
    font = p.watermark.SelectedFont;
    rounded = d.Xx1.checked();
    keepVisible = d.cbTimer.checked();
    for (std::size_t i = 0; i < 3; ++i) shows[i] = (d.*kShowBoxes[i]).checked();
    iconColour = d.Panel5.colour();
    position = p.watermark.TXTpolozaj;
}

void DialogSnapshot::takeBasic(Program& p) {
    Tfcolors& d = *p.fcolors;
    const auto twins = basicTwins();
    for (std::size_t i = 0; i < twins.size(); ++i) basic[i] = (d.*twins[i].box).checked();
}

void DialogSnapshot::restore(Program& p) const {
    Tfcolors& d = *p.fcolors;
    p.mainform->setOpacity(opacity);
    p.colours = colours;
    p.tray.barvajIkone();
    for (std::size_t i = 0; i < 5; ++i) (d.*kTextSwatches[i]).setColour(textColours[i]);
    for (std::size_t i = 0; i < 3; ++i) (d.*kSliders[i]).setPosition(sliders[i]);
    for (std::size_t i = 0; i < 4; ++i) (d.*kWatermarkTexts[i]).setText(texts[i]);
    for (std::size_t i = 0; i < 5; ++i) (d.*kTransparentBoxes[i]).setChecked(transparent[i]);
    d.cbTimer.setChecked(keepVisible);
    // The font as it was, also when the list does not hold it (a face uninstalled since);
    // the list shows it whenever it can.
    d.FCB.select(font);
    p.watermark.SelectedFont = font;
    d.sampleFace = font;
    d.Xx1.setChecked(rounded);
    p.mainform->Roundx();
    p.watermark.TXTpolozaj = position;
    p.dispatcher.zagonNapisa(code::kRedrawLastColour, p.watermark.lastText);
    for (std::size_t i = 0; i < 3; ++i) (d.*kShowBoxes[i]).setChecked(shows[i]);
    d.Panel5.setColour(iconColour);
    d.resetirajBarvoIkone();
    const auto twins = basicTwins();
    for (std::size_t i = 0; i < twins.size(); ++i) (d.*twins[i].box).setChecked(basic[i]);
    for (const BasicTwin& twin : twins) {
        ui::CheckBox& box = d.*twin.box;
        if (box.onClick) box.onClick();
    }
}

}  // namespace norvi
