#include "tray_glyphs.h"

#include <cmath>
#include <span>

namespace norvi::artwork {

namespace {

constexpr int kSize = 32;
constexpr Colour kGlyph = 0x00FFFFFF;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;
constexpr Colour kGrey = 0x00808080;

// One run of glyph pixels on a row, both ends included.
struct Span {
    int row, first, last;
};

// Small a, drawn as pixel art: a hook on top, the stem on the right, the bowl below,
// whose top stroke crosses row 16 from column 9 to 22.
constexpr Span kSmallA[] = {
    {7, 12, 19},  {8, 10, 21},  {9, 10, 12},  {9, 18, 22},  {10, 10, 11}, {10, 19, 22},
    {11, 19, 22}, {12, 19, 22}, {13, 19, 22}, {14, 19, 22}, {15, 10, 22}, {16, 9, 22},
    {17, 8, 12},  {17, 19, 22}, {18, 8, 11},  {18, 19, 22}, {19, 8, 11},  {19, 19, 22},
    {20, 8, 11},  {20, 19, 22}, {21, 8, 11},  {21, 19, 22}, {22, 8, 12},  {22, 18, 23},
    {23, 9, 23},  {24, 10, 17}, {24, 20, 23},
};

// Digit 7: the bar, then a stem that leans hard at the top and straightens towards the foot.
constexpr Span kSeven[] = {
    {6, 8, 21},   {7, 8, 21},   {8, 8, 21},   {9, 18, 20},  {10, 17, 20}, {11, 17, 20},
    {12, 16, 19}, {13, 15, 18}, {14, 15, 18}, {15, 14, 17}, {16, 14, 17}, {17, 13, 16},
    {18, 13, 16}, {19, 12, 15}, {20, 12, 15}, {21, 12, 15}, {22, 11, 14}, {23, 11, 14},
    {24, 11, 14}, {25, 11, 14}, {26, 11, 13},
};

Bitmap fromSpans(Colour background, std::span<const Span> spans) {
    Bitmap picture(kSize, kSize, 24, background);
    for (const Span& s : spans)
        for (int x = s.first; x <= s.last; ++x) picture.setPixel(x, s.row, kGlyph);
    return picture;
}

void fillRow(Bitmap& picture, int row, int first, int last) {
    for (int x = first; x <= last; ++x) picture.setPixel(x, row, kGlyph);
}

}  // namespace

Bitmap capsOnPicture() {
    // Capital A: a 3-pixel apex on rows 6-7, two 4-pixel legs spreading by 8 columns each
    // down to rows 25-26, and a crossbar on rows 18-20 between the legs.
    Bitmap picture(kSize, kSize, 24, kRed);
    fillRow(picture, 6, 14, 16);
    fillRow(picture, 7, 14, 16);
    for (int row = 8; row <= 26; ++row) {
        const int spread = static_cast<int>(std::lround(8.0 * std::min(row - 7, 18) / 18.0));
        const int leftOuter = 14 - spread;
        const int rightOuter = 16 + spread;
        fillRow(picture, row, leftOuter, leftOuter + 3);
        fillRow(picture, row, rightOuter - 3, rightOuter);
        if (row >= 18 && row <= 20) fillRow(picture, row, leftOuter, rightOuter);
    }
    return picture;
}

Bitmap capsOffPicture() { return fromSpans(kGrey, kSmallA); }
Bitmap numOnPicture() { return fromSpans(kBlue, kSeven); }
Bitmap numOffPicture() { return fromSpans(kGrey, kSeven); }

}  // namespace norvi::artwork
