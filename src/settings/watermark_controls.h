// Groups of the watermark page's controls that several operations walk alike.
#pragma once

#include "settings/tfcolors.h"

namespace norvi {

// Text colours: Caps on, Caps off, Num on, Num off, then the hidden keyboard language's.
inline constexpr ui::Panel Tfcolors::*kTextSwatches[] = {&Tfcolors::Panel7, &Tfcolors::Panel11, &Tfcolors::Panel15,
                                                         &Tfcolors::Panel17, &Tfcolors::Panel19};
// The "Transparent" switches in the same order.
inline constexpr ui::CheckBox Tfcolors::*kTransparentBoxes[] = {&Tfcolors::sdclon, &Tfcolors::sdclOff, &Tfcolors::sdnlOn,
                                                                &Tfcolors::sdnlOff, &Tfcolors::sdLANG};
// The watermark texts: Caps on, Caps off, Num on, Num off.
inline constexpr ui::Edit Tfcolors::*kWatermarkTexts[] = {&Tfcolors::edclon, &Tfcolors::edcloff, &Tfcolors::ednlon,
                                                          &Tfcolors::ednloff};

}  // namespace norvi
