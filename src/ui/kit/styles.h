// How each kind of view looks: colours, fonts and sizes as data. A Theme (theme.h) holds
// one of each; a view copies the style it is given, so a page can restyle one control.
#pragma once

#include "platform/platform.h"

namespace norvi::ui::kit {

struct LabelStyle {
    FontSpec font;
    Colour text = 0x00FFFFFF;
};

struct ButtonStyle {
    FontSpec font;
    Colour face = 0;
    Colour border = 0;  // the same as face for a button without a visible border
    Colour text = 0x00FFFFFF;
    Colour hoverFace = 0;
    Colour pressedFace = 0;
    Colour pressedText = 0;
};

struct CheckBoxStyle {
    FontSpec font;
    Colour text = 0x00FFFFFF;
    Colour box = 0;          // inside of the box
    Colour boxBorder = 0;
    Colour hoverBorder = 0;  // the box's border under the pointer
    Colour tick = 0x00FFFFFF;
    int boxSize = 13;
    int gap = 6;  // between the box and the caption
};

struct SliderStyle {
    Colour track = 0;
    Colour trackFilled = 0;  // the track left of the thumb
    Colour thumb = 0;
    Colour thumbHover = 0;
    Colour thumbPressed = 0;
    int trackHeight = 4;
    int thumbWidth = 10;
    int thumbHeight = 18;
};

struct EditStyle {
    FontSpec font;
    Colour text = 0;
    Colour border = 0;
    Colour caret = 0;
    int padding = 4;  // between the border and the text
};

struct TabStripStyle {
    FontSpec font;
    Colour background = 0;  // the strip behind and beside the tabs
    Colour tab = 0;
    Colour selectedTab = 0;
    Colour hoverTab = 0;
    Colour text = 0x00FFFFFF;
    int tabHeight = 26;
    int padding = 8;  // inside each tab, either side of its caption
    int gap = 2;      // between two tabs
    int indent = 4;   // before the first tab
};

struct GroupBoxStyle {
    FontSpec font;
    Colour frame = 0;
    Colour text = 0x00FFFFFF;
    int captionIndent = 8;  // from the frame's left edge to the caption
};

struct SwatchStyle {
    Colour border = 0;
    int buttonWidth = 110;
};

struct ScrollBarStyle {
    Colour track = 0;
    Colour thumb = 0;
    Colour thumbPressed = 0;
    int width = 17;       // the bar's share of its owner's width
    int thumbWidth = 7;   // drawn centred in the bar
    int minimumThumb = 24;
};

struct ListBoxStyle {
    FontSpec font;
    Colour background = 0x00FFFFFF;
    Colour text = 0;
    Colour border = 0;
    Colour selected = 0;
    Colour selectedText = 0x00FFFFFF;
    int rowHeight = 16;
    int padding = 4;  // left of each row's text
    int wheelRows = 3;  // rows per wheel notch
    ScrollBarStyle scrollBar;
};

struct TooltipStyle {
    FontSpec font{"Segoe UI", 12};
    Colour background = 0x00FFFFFF;
    Colour border = 0x00767676;
    Colour text = 0x00000000;
    int paddingX = 6;  // between the border and the text
    int paddingY = 3;
    Point offset{10, 20};  // from the pointer's tip to the tooltip's corner, below the arrow
};

struct ScrollAreaStyle {
    int wheelStep = 8;  // pixels per wheel notch
    ScrollBarStyle scrollBar;
};

}  // namespace norvi::ui::kit
