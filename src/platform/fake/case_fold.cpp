#include "platform/fake/case_fold.h"

namespace norvi::fake {

namespace {

// A run of letters that alternate upper, lower, upper, lower … from its first one.
struct PairedRun {
    char32_t first, last;
};
constexpr PairedRun kPairedRuns[] = {
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x0139, 0x0148}, {0x014A, 0x0177}, {0x0179, 0x017E},  // Latin Extended-A
    {0x0182, 0x0185}, {0x01A0, 0x01A5}, {0x01CD, 0x01DC}, {0x01DE, 0x01EF},                    // Latin Extended-B
    {0x01F8, 0x021F}, {0x0222, 0x0233}, {0x0246, 0x024F},
    {0x03D8, 0x03EF},                                                                           // Greek archaic letters
    {0x0460, 0x0481}, {0x048A, 0x04BF}, {0x04C1, 0x04CE}, {0x04D0, 0x052F},                    // Cyrillic
    {0x1E00, 0x1E95}, {0x1EA0, 0x1EFF},                                                         // Latin Extended Additional
};

// A block of capitals whose small letters lie a fixed distance further on.
struct ShiftedBlock {
    char32_t first, last;
    char32_t distance;
};
constexpr ShiftedBlock kShiftedBlocks[] = {
    {0x0041, 0x005A, 0x20},  {0x00C0, 0x00D6, 0x20}, {0x00D8, 0x00DE, 0x20},  // Basic Latin, Latin-1
    {0x0391, 0x03A1, 0x20},  {0x03A3, 0x03AB, 0x20},                          // Greek capitals
    {0x0388, 0x038A, 0x25},  {0x038E, 0x038F, 0x3F},                          // Greek with tonos
    {0x0410, 0x042F, 0x20},  {0x0400, 0x040F, 0x50},                          // Cyrillic
};

// Decodes the code point at text[at] and moves at past it.
char32_t next(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length <= 1 || at + static_cast<std::size_t>(length) > text.size()) {
        ++at;
        return lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const unsigned char part = byte(at + static_cast<std::size_t>(i));
        if ((part & 0xC0) != 0x80) {
            ++at;
            return lead;
        }
        c = (c << 6) | (part & 0x3F);
    }
    at += static_cast<std::size_t>(length);
    return c;
}

}  // namespace

char32_t foldCase(char32_t c) {
    for (const ShiftedBlock& b : kShiftedBlocks)
        if (c >= b.first && c <= b.last) return c + b.distance;
    for (const PairedRun& r : kPairedRuns)
        if (c >= r.first && c <= r.last) return ((c - r.first) % 2 == 0) ? c + 1 : c;
    switch (c) {
        case 0x0178: return 0x00FF;  // Ÿ
        case 0x0386: return 0x03AC;  // Ά
        case 0x038C: return 0x03CC;  // Ό
        case 0x03C2: return 0x03C3;  // final sigma matches sigma
        default: return c;
    }
}

int compareFolded(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = foldCase(next(a, i)), y = foldCase(next(b, j));
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace norvi::fake
