#include "ui/kit/utf8.h"

namespace norvi::ui::kit {

namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::size_t nextCodePoint(std::string_view text, std::size_t at) {
    if (at >= text.size()) return text.size();
    ++at;
    while (at < text.size() && isContinuation(static_cast<unsigned char>(text[at]))) ++at;
    return at;
}

std::size_t previousCodePoint(std::string_view text, std::size_t at) {
    if (at == 0) return 0;
    if (at > text.size()) return text.size();
    --at;
    while (at > 0 && isContinuation(static_cast<unsigned char>(text[at]))) --at;
    return at;
}

int codePointCount(std::string_view text) {
    int n = 0;
    for (unsigned char c : text) n += !isContinuation(c);
    return n;
}

bool appendUtf8(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return true;
}

}  // namespace norvi::ui::kit
