// Which colour the watermark text body takes for each indicator code, and its outline.
#pragma once

#include "platform/types.h"

namespace norvi {

class Tfcolors;

// A colour value whose top byte is 0x80 names a system colour (index in the low byte)
// rather than an RGB value, as a colour swatch may hold one.
constexpr bool isSystemColourReference(Colour c) { return (c >> 24) == 0x80; }

// The plain RGB value of c: a system colour reference becomes that colour of the default
// Windows scheme (an unknown index gives black); any other top byte is dropped.
Colour resolveColour(Colour c);

// The complementary colour of c's RGB value, for the outline.
Colour InverseColor(Colour c);

// Body colour of the text drawn for a resolved code (30 already replaced by the last
// code). Code 20, and any code without a colour of its own, keeps lastColor.
Colour bodyColourFor(int code, const Tfcolors& settings, Colour lastColor);

}  // namespace norvi
