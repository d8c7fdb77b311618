// The eight colours of the floating cells, also used by the tray pictures.
#pragma once

#include "platform/types.h"

namespace norvi {

struct FloatingColours {
    Colour capsOnColor = 0x000080FF;
    Colour capsOnFontColor = 0x00FFFFFF;
    Colour capsOffColor = 0x00808080;
    Colour capsOffFontColor = 0x00FFFFFF;
    Colour numOnColor = 0x00C6FFFF;
    Colour numOnFontColor = 0x00000000;
    Colour numOffColor = 0x00808080;
    Colour numOffFontColor = 0x00808080;
    Colour reserved04 = 0;  // written as "04", never read

    friend bool operator==(const FloatingColours&, const FloatingColours&) = default;
};

}  // namespace norvi
