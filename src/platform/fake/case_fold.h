// The fake platform's comparison without regard to case: a simple Unicode case fold of
// the Latin, Greek and Cyrillic letters, so that "Č" and "č" or "Ω" and "ω" match as
// Windows matches them. Texts are UTF-8; an invalid byte stands for itself.
#pragma once

#include <string_view>

namespace norvi::fake {

// The lower-case partner of a code point in those scripts; others are returned as they are.
char32_t foldCase(char32_t c);
// Negative, zero or positive as a comes before, with or after b, by folded code points.
int compareFolded(std::string_view a, std::string_view b);

}  // namespace norvi::fake
