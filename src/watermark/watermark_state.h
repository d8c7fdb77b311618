// State the watermark parts and the settings page share for the whole run.
#pragma once

#include <array>
#include <string>

#include "platform/bitmap.h"
#include "platform/types.h"

namespace norvi {

// The watermark window's transparent colour key; every watermark picture starts as it.
constexpr Colour kKeyColour = 0x00544A43;

struct WatermarkState {
    std::string lastText;
    int lastCode = 0;
    Colour lastColor = 0;
    int TXTpolozaj = 5;
    int textTopOffset = 25;
    int monitorIndex = 0;
    std::string SelectedFont = "Arial";
    // The icons in the icon colour on the key colour, 24-bit (Caps on, Caps off, Num on, Num off).
    std::array<Bitmap, 4> iconImages;
};

}  // namespace norvi
