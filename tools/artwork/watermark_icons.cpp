#include "watermark_icons.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>

namespace norvi::artwork {

namespace {

constexpr int kSize = 256;
// The background is the watermark's key colour, so the icon needs no mask.
constexpr Colour kBackground = 0x00544A43;
constexpr Colour kInk = 0x00969696;

// Shapes are tested at pixel centres in continuous coordinates, where pixel (x, y) covers
// [x, x + 1) by [y, y + 1): one sample per pixel keeps every edge hard.
struct Vec {
    double x, y;
};
using Shape = std::function<bool(Vec)>;

Bitmap render(const Shape& ink) {
    Bitmap picture(kSize, kSize, 24, kBackground);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (ink({x + 0.5, y + 0.5})) picture.setPixel(x, y, kInk);
    return picture;
}

bool inRect(Vec p, double left, double top, double right, double bottom) {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

bool inRoundedRect(Vec p, double left, double top, double right, double bottom, double radius) {
    if (!inRect(p, left, top, right, bottom)) return false;
    const double cx = std::clamp(p.x, left + radius, right - radius);
    const double cy = std::clamp(p.y, top + radius, bottom - radius);
    return (p.x - cx) * (p.x - cx) + (p.y - cy) * (p.y - cy) <= radius * radius;
}

bool inEllipse(Vec p, Vec centre, double rx, double ry) {
    const double dx = (p.x - centre.x) / rx, dy = (p.y - centre.y) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// Even-odd rule; the glyph outlines are simple polygons.
bool inPolygon(Vec p, std::initializer_list<Vec> corners) {
    bool inside = false;
    const Vec* v = corners.begin();
    const std::size_t n = corners.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Vec a = v[i], b = v[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

// The frame every icon shares: outer edges at columns 12 and 244 and rows 10 and 244, a
// 10-pixel stroke, outer corners of radius 22 and inner ones of 12.
constexpr double kFrameLeft = 12, kFrameTop = 10, kFrameRight = 245, kFrameBottom = 245;
constexpr double kFrameStroke = 10, kFrameRadius = 22;

bool inFrame(Vec p) {
    return inRoundedRect(p, kFrameLeft, kFrameTop, kFrameRight, kFrameBottom, kFrameRadius) &&
           !inRoundedRect(p, kFrameLeft + kFrameStroke, kFrameTop + kFrameStroke, kFrameRight - kFrameStroke,
                          kFrameBottom - kFrameStroke, kFrameRadius - kFrameStroke);
}

// Capital A, columns 40 to 213 and rows 40 to 212: two legs 44 pixels wide along each row
// under a flat apex, a counter above the crossbar and the opening between the feet.
bool inCapitalA(Vec p) {
    constexpr double top = 40, foot = 213, left = 40, right = 214;
    constexpr double apexLeft = 101, apexRight = 153, legWidth = 44;
    constexpr double barTop = 146, barBottom = 176;
    if (!inPolygon(p, {{left, foot}, {apexLeft, top}, {apexRight, top}, {right, foot}})) return false;
    const double lean = (apexLeft - left) / (foot - top);  // columns per row of the outer edges
    const double innerLeft = left + legWidth + lean * (foot - p.y);
    const double innerRight = right - legWidth - lean * (foot - p.y);
    const bool betweenLegs = p.x >= innerLeft && p.x < innerRight;
    return !betweenLegs || (p.y >= barTop && p.y < barBottom);
}

// Small a, columns 70 to 186 and rows 60 to 191: an arch ending in an angled terminal on
// the left, the stem on the right, and a bowl joined to the stem by a flat top stroke, with
// a notch where the bowl's foot meets the stem.
bool inSmallA(Vec p) {
    constexpr Vec archCentre{128, 112};
    constexpr double archRx = 59, archRy = 52, archInnerRx = 26, archInnerRy = 21;
    const bool inArchRing =
        inEllipse(p, archCentre, archRx, archRy) && !inEllipse(p, archCentre, archInnerRx, archInnerRy);
    // Measured from the right, counter-clockwise: the arch runs from the stem over the top
    // to its terminal at 155 degrees.
    const double angle = std::atan2(archCentre.y - p.y, p.x - archCentre.x) * 180.0 / 3.14159265358979;
    const bool arch = inArchRing && p.y < archCentre.y && angle <= 155.0;
    const bool stem = inRect(p, archCentre.x + archInnerRx, archCentre.y, archCentre.x + archRx, 192);

    constexpr Vec bowlCentre{113, 160};
    const bool bowlBody = inEllipse(p, bowlCentre, 43, 32) || inRect(p, bowlCentre.x, 128, 160, 166);
    const bool counter = inEllipse(p, {116, 160}, 21, 13);
    return arch || stem || (bowlBody && !counter);
}

// Digit 7, columns 70 to 182 and rows 40 to 210: a 32-pixel bar and a 43-pixel stem
// leaning from under the bar's right end down to the foot.
bool inSeven(Vec p) {
    if (inRect(p, 70, 40, 183, 72)) return true;
    return inPolygon(p, {{140, 72}, {183, 72}, {132, 211}, {89, 211}});
}

// The strike of the Num-off icon: 12 pixels thick, from the frame's left inner edge at
// row 175 up to its right inner edge at row 87. Its ends stop inside the frame's stroke.
bool inStrike(Vec p) {
    constexpr Vec from{kFrameLeft + kFrameStroke, 175}, to{kFrameRight - kFrameStroke, 87};
    constexpr double halfThickness = 6;
    if (p.x < kFrameLeft + kFrameStroke / 2 || p.x >= kFrameRight - kFrameStroke / 2) return false;
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double distance = std::abs(dy * (p.x - from.x) - dx * (p.y - from.y)) / std::hypot(dx, dy);
    return distance <= halfThickness;
}

}  // namespace

Bitmap capsOnIcon() {
    return render([](Vec p) { return inFrame(p) || inCapitalA(p); });
}

Bitmap capsOffIcon() {
    return render([](Vec p) { return inFrame(p) || inSmallA(p); });
}

Bitmap numOnIcon() {
    return render([](Vec p) { return inFrame(p) || inSeven(p); });
}

Bitmap numOffIcon() {
    return render([](Vec p) { return inFrame(p) || inSeven(p) || inStrike(p); });
}

}  // namespace norvi::artwork
