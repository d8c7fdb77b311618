// The text of an INI-style profile file, read and edited the way the Windows profile
// functions do it. Portable, so the fake platform and its tests share one definition.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvi::fake {

constexpr std::size_t kProfileValueMax = 2047;

// The raw value of the first matching key in the first matching section.
std::optional<std::string> profileRead(std::string_view text, std::string_view section, std::string_view key);
// Blanks trimmed, one pair of enclosing quotes (" or ') removed, cut to 2047 characters.
std::string cleanProfileValue(std::string_view value);
// What a read gives for a missing key: the fallback without its trailing spaces (leading
// ones stay) and without one pair of enclosing quotes, cut to 2047 characters.
std::string cleanProfileFallback(std::string_view fallback);
// The text after writing key=value: the first matching key gets the new value and keeps its
// own spelling of the name; a new key goes after
// the last key of its section; a new section is appended at the end.
std::string profileWrite(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace norvi::fake
