#include "watermark/text_colours.h"

#include <array>

#include "monitor/dispatcher.h"
#include "settings/tfcolors.h"
#include "watermark/watermark_state.h"

namespace norvi {

namespace {

// GetSysColor's values of the default scheme, by COLOR_* index. Norvi reads no live system
// colours: a swatch only holds a reference when a stored file says so, and the default
// scheme's value is a faithful enough answer for an outline.
constexpr std::array<Colour, 31> kDefaultSystemColours = {
    rgb(200, 200, 200), rgb(0, 0, 0),       rgb(153, 180, 209), rgb(191, 205, 219),
    rgb(240, 240, 240), rgb(255, 255, 255), rgb(100, 100, 100), rgb(0, 0, 0),
    rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(180, 180, 180), rgb(244, 247, 252),
    rgb(171, 171, 171), rgb(0, 120, 215),   rgb(255, 255, 255), rgb(240, 240, 240),
    rgb(160, 160, 160), rgb(109, 109, 109), rgb(0, 0, 0),       rgb(0, 0, 0),
    rgb(255, 255, 255), rgb(105, 105, 105), rgb(227, 227, 227), rgb(0, 0, 0),
    rgb(255, 255, 225), rgb(0, 0, 0),       rgb(0, 102, 204),   rgb(185, 209, 234),
    rgb(215, 228, 242), rgb(51, 153, 255),  rgb(240, 240, 240),
};

// One row per code with a colour of its own: a fixed colour or a swatch of the settings.
struct BodyColourRow {
    int code;
    const ui::Panel Tfcolors::*swatch;  // nullptr: the fixed colour applies
    Colour fixed;
};

constexpr BodyColourRow kBodyColours[] = {
    {code::kGreyPreview, nullptr, 0x00808080},
    {code::kHollow, nullptr, kKeyColour},
    {code::kCapsOn, &Tfcolors::Panel7, 0},
    {code::kCapsOff, &Tfcolors::Panel11, 0},
    {code::kNumOn, &Tfcolors::Panel15, 0},
    {code::kNumOff, &Tfcolors::Panel17, 0},
    {code::kLanguage, &Tfcolors::Panel19, 0},
};

}  // namespace

Colour resolveColour(Colour c) {
    if (isSystemColourReference(c)) {
        const std::size_t index = c & 0xFF;
        return index < kDefaultSystemColours.size() ? kDefaultSystemColours[index] : 0;
    }
    return c & 0x00FFFFFF;
}

Colour InverseColor(Colour c) {
    const Colour plain = resolveColour(c);
    return rgb(255 - redOf(plain), 255 - greenOf(plain), 255 - blueOf(plain));
}

Colour bodyColourFor(int code, const Tfcolors& settings, Colour lastColor) {
    for (const BodyColourRow& row : kBodyColours)
        if (row.code == code) return row.swatch ? (settings.*row.swatch).colour() : row.fixed;
    return lastColor;
}

}  // namespace norvi
