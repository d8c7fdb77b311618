// Stepping through UTF-8 text by code point, for the caret of an edit field. Invalid
// bytes count as one code point each, so the caret can never land inside a sequence.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace norvi::ui::kit {

std::size_t nextCodePoint(std::string_view text, std::size_t at);
std::size_t previousCodePoint(std::string_view text, std::size_t at);
int codePointCount(std::string_view text);
// Appends the UTF-8 form of c; surrogates and values beyond U+10FFFF are refused.
bool appendUtf8(std::string& out, char32_t c);

}  // namespace norvi::ui::kit
