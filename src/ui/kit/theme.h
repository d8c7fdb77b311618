// Norvi's dark dialog look as one table of colours, fonts and styles.
#pragma once

#include "ui/kit/styles.h"

namespace norvi::ui::kit {

struct Palette {
    Colour page = 0x00544A43;            // page area, title strip, bottom bar
    Colour stripBackground = 0x00525252;  // behind the tabs and the close button
    Colour unselectedTab = 0x0037312D;
    Colour separator = 0x00575757;
    Colour text = 0x00FFFFFF;
    Colour softText = 0x00EEEEEE;
    Colour editText = 0x00444444;
    Colour buttonFace = 0x00544A43;
    Colour buttonBorder = 0x0095867B;
    Colour buttonHover = 0x005E524A;
    Colour buttonPressed = 0x00978579;
    Colour buttonPressedText = 0x00000000;
    Colour closeFace = 0x00525252;
    Colour closeHover = 0x000000BB;
    Colour closePressed = 0x000121D3;
    Colour control = 0x0037312D;  // check boxes, slider track
    Colour white = 0x00FFFFFF;
};

struct Fonts {
    FontSpec label{"Segoe UI", 11};
    FontSpec caption{"Segoe UI", 13};
    FontSpec heading{"Segoe UI", 13, true};
    FontSpec edit{"Segoe UI", 13, true};
    FontSpec list{"Segoe UI", 12};
};

struct Theme {
    Palette colours;
    Fonts fonts;
    LabelStyle label;
    LabelStyle heading;
    ButtonStyle button;
    ButtonStyle closeButton;
    CheckBoxStyle checkBox;
    SliderStyle slider;
    EditStyle edit;
    TabStripStyle tabStrip;
    GroupBoxStyle groupBox;
    SwatchStyle swatch;
    ListBoxStyle listBox;
    ScrollAreaStyle scrollArea;
    TooltipStyle tooltip;  // light, as the system's tooltips
    // Fixed sizes of the dialog frame.
    int titleStripHeight = 30;
    int closePanelWidth = 28;
    int bottomBarHeight = 48;
    Size dialogButton{75, 25};
};

// The settings dialog's look; every view's default style comes from here.
const Theme& darkTheme();

}  // namespace norvi::ui::kit
