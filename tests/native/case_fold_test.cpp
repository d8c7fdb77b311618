// The fake platform's comparison without regard to case, which stands in for the system's
// in every native test of ordering and matching.
#include <gtest/gtest.h>

#include "platform/fake/case_fold.h"

namespace norvi::test {
namespace {

TEST(CaseFold, CapitalsOfLatinGreekAndCyrillicMatchTheirSmallLetters) {
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"ARIAL", "arial", 0},
        {"\xC4\x8C", "\xC4\x8D", 0},           // Č č: Latin Extended-A, capital first
        {"\xC4\xB9", "\xC4\xBA", 0},           // Ĺ ĺ: a run where the capital is odd
        {"\xC5\xBD", "\xC5\xBE", 0},           // Ž ž
        {"\xC5\xB8", "\xC3\xBF", 0},           // Ÿ ÿ: partners in different blocks
        {"\xC3\x89", "\xC3\xA9", 0},           // É é
        {"\xCE\xA9", "\xCF\x89", 0},           // Ω ω
        {"\xCE\x86", "\xCE\xAC", 0},           // Ά ά
        {"\xD0\x81", "\xD1\x91", 0},           // Ё ё
        {"\xD0\x96", "\xD0\xB6", 0},           // Ж ж
        {"\xC3\x97", "\xC3\xB7", -1},          // × and ÷ are no letters: as they are
        {"a", "\xC4\x8D", -1},                 // by folded code point
        {"ab", "a", 1},
        {"", "", 0},
        {"\xFF" "a", "\xFF" "A", 0},           // an invalid byte stands for itself
        {"\xC4", "\xC4\x8D", -1},              // a cut sequence too
    };
    for (const auto& c : cases) {
        const int order = fake::compareFolded(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.order) << c.a << " / " << c.b;
        const int reverse = fake::compareFolded(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.order) << c.b << " / " << c.a;
    }
}

}  // namespace
}  // namespace norvi::test
