// What Cancel on the settings dialog puts back: the values taken when it opened.
#pragma once

#include <string>

#include "floating/floating_colours.h"

namespace norvi {

class Program;

struct DialogSnapshot {
    int opacity = 255;  // the floating window's
    FloatingColours colours;
    Colour textColours[5] = {};
    int sliders[3] = {};  // floatOpa, sdTimeOut, sdFontSize
    std::string texts[4];
    bool transparent[5] = {};
    std::string font;
    bool rounded = false;
    bool keepVisible = false;  // cbTimer
    bool shows[3] = {};        // CbShowCaps, cbShowNum, cbShowLang
    Colour iconColour = 0;
    int position = 5;
    bool basic[7] = {};  // the Basic page's boxes

    // Everything but the Basic boxes; the floating opacity also goes to the JTR slider.
    void take(Program& program);
    void takeBasic(Program& program);
    // Puts every value back in the fixed order, then runs every Basic click action once
    // more, so that the menu, the windows, the Run value and the file follow.
    void restore(Program& program) const;
};

}  // namespace norvi
