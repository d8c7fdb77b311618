// The settings window's styles beyond the kit's dark theme: the light colour-chooser
// buttons, the white bold headings, the separators and the "Abc" sample.
#pragma once

#include "ui/kit/styles.h"
#include "ui/kit/theme.h"

namespace norvi {

struct SettingsStyles {
    ui::kit::LabelStyle heading;
    ui::kit::LabelStyle label;
    ui::kit::LabelStyle softLabel;
    ui::kit::LabelStyle sectionLabel;
    ui::kit::LabelStyle error;
    ui::kit::ButtonStyle colourButton;   // the button inside a colour swatch
    ui::kit::ButtonStyle pictureButton;  // the small glyph buttons
    ui::kit::EditStyle edit;
    Colour separator = 0;
    Colour columnRule = 0;    // between the Sounds page's two columns
    Colour swatchDivider = 0; // between a colour strip and its button
    int sampleHeight = 29;    // the "Abc" sample's em height
};

const SettingsStyles& settingsStyles();

}  // namespace norvi
