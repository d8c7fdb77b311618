// The one colour chooser every colour button of the settings dialog shares, with its
// sixteen custom colours, and their file "color.cld" in the data folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace norvi {

constexpr const char* kColourFileName = "color.cld";

class ColourPicker {
public:
    explicit ColourPicker(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Opens the chooser on initial. On OK the custom colours are taken back and the chosen
    // colour returned; on Cancel nothing changes.
    std::optional<Colour> choose(Colour initial);

    CustomColours customColours;

private:
    Dialogs& dialogs_;
};

// "color.cld" as clear text: one line "ColorA=" to "ColorP=" per custom colour, each the
// 0x00BBGGRR value in at least six upper-case hex digits, nothing after '=' for an empty slot.
std::string formatColourFile(const CustomColours& colours);
// Nothing when the text is not such a file. Missing lines are empty slots.
std::optional<CustomColours> parseColourFile(std::string_view text);

}  // namespace norvi
