#include "floating/floating_layout.h"

#include <algorithm>

#include "floating/tmainform.h"

namespace norvi {

namespace {
// Characters as the user sees them: UTF-8 continuation bytes do not count.
int characterCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}
}  // namespace

StripPart stripPartAt(int x, int capsWidth) {
    const int caps = std::max(0, capsWidth);
    if (x < 0 || x >= kFloatingWidth) return StripPart::Outside;
    if (x < caps) return StripPart::Caps;
    if (x < caps + kSplitWidth) return StripPart::Splitter;
    return StripPart::Num;
}

ui::Alignment capsCellAlignment(std::string_view caption, int width) {
    return characterCount(caption) + 10 < width ? ui::Alignment::Center : ui::Alignment::Left;
}

int clampSplitWidth(int capsWidth) {
    return std::clamp(capsWidth, kMinCellWidth, kFloatingWidth - kSplitWidth - kMinCellWidth);
}

}  // namespace norvi
