#include <cctype>
#include <cstdio>

#include "settings/colour_picker.h"

namespace norvi {

namespace {

constexpr std::size_t kSlots = 16;
// A real file is a few hundred bytes; anything far larger is not ours.
constexpr std::size_t kMaxFileBytes = 64 * 1024;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// "ColorA" .. "ColorP", any case: the slot index, or nothing.
std::optional<std::size_t> slotOf(std::string_view key) {
    constexpr std::string_view prefix = "color";
    if (key.size() != prefix.size() + 1) return std::nullopt;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(key[i])) != prefix[i]) return std::nullopt;
    const int letter = std::toupper(static_cast<unsigned char>(key.back()));
    if (letter < 'A' || letter >= 'A' + static_cast<int>(kSlots)) return std::nullopt;
    return static_cast<std::size_t>(letter - 'A');
}

// Up to eight hex digits. A colour has no fourth byte; one in the file is dropped.
std::optional<Colour> hexColour(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    Colour value = 0;
    for (const char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        value = (value << 4) | static_cast<Colour>(d);
    }
    return value & 0x00FFFFFF;
}

}  // namespace

std::string formatColourFile(const CustomColours& colours) {
    std::string text;
    for (std::size_t i = 0; i < kSlots; ++i) {
        text += "Color";
        text += static_cast<char>('A' + i);
        text += '=';
        if (colours[i]) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(*colours[i]));
            text += hex;
        }
        text += "\r\n";
    }
    return text;
}

std::optional<CustomColours> parseColourFile(std::string_view text) {
    if (text.size() > kMaxFileBytes) return std::nullopt;
    CustomColours colours;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty()) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const auto slot = slotOf(trimmed(line.substr(0, equals)));
        if (!slot) return std::nullopt;
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (value.empty()) {
            colours[*slot].reset();
            continue;
        }
        const auto colour = hexColour(value);
        if (!colour) return std::nullopt;
        colours[*slot] = colour;
    }
    return colours;
}

std::optional<Colour> ColourPicker::choose(Colour initial) {
    const std::optional<ColourChoice> choice = dialogs_.chooseColour(initial, customColours);
    if (!choice) return std::nullopt;
    customColours = choice->customColours;
    return choice->colour;
}

}  // namespace norvi
