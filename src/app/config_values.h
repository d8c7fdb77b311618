// How the configuration file's texts become values and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvi {

// An integer as stored: "0x"/"0X" followed by hex digits (the text at least three long),
// or a signed decimal, or "$" hex, optionally signed. Hex wraps to 32 bits as the stored
// colours need; anything else, or a decimal outside 32 bits, gives nothing.
std::optional<std::int32_t> parseConfigInt(std::string_view text);

std::string formatConfigInt(std::int64_t value);

}  // namespace norvi
