// Norvi's layouts are written in 96-dpi units; a DpiScale turns them into the device
// pixels of a window's monitor. At 96 dpi every value comes back unchanged, so a layout is
// today's layout pixel for pixel there.
#pragma once

#include "platform/platform.h"

namespace norvi::ui {

constexpr int kBaseDpi = 96;

struct DpiScale {
    int dpi = kBaseDpi;

    // A screen reports nonsense now and then (0 from a failed call): 96 then.
    static constexpr DpiScale of(int dpi) { return {dpi >= 24 && dpi <= 2400 ? dpi : kBaseDpi}; }
    constexpr bool identity() const { return dpi == kBaseDpi; }

    // A coordinate or length in units to pixels, rounded to the nearest pixel (halves up).
    // Edges are scaled, not widths, so rectangles that touch in units touch in pixels.
    constexpr int px(int units) const { return floorDiv(2LL * units * dpi + kBaseDpi, 2LL * kBaseDpi); }
    constexpr Point px(Point p) const { return {px(p.x), px(p.y)}; }
    constexpr Size px(Size s) const { return {px(s.width), px(s.height)}; }
    constexpr Rect px(const Rect& r) const { return {px(r.left), px(r.top), px(r.right), px(r.bottom)}; }

    // The unit a device pixel lies in: the exact inverse of px (units(px(u)) == u).
    constexpr int units(int pixels) const { return floorDiv((2LL * pixels + 1) * kBaseDpi - 1, 2LL * dpi); }
    constexpr Point units(Point p) const { return {units(p.x), units(p.y)}; }
    // A length in pixels to the units that cover it (rounded up): a text's extent.
    constexpr int unitsCovering(int pixels) const { return static_cast<int>(-floorDiv(-1LL * pixels * kBaseDpi, dpi)); }
    constexpr Size unitsCovering(Size s) const { return {unitsCovering(s.width), unitsCovering(s.height)}; }

    // The thickness of a line that is `units` thick, the same wherever the line lies: at
    // least one pixel.
    constexpr int stroke(int units) const {
        const int t = px(units);
        return t < 1 && units > 0 ? 1 : t;
    }
    // The same font for this DPI: its character height scaled, as Windows scales a font.
    FontSpec font(FontSpec f) const {
        f.charHeight = px(f.charHeight);
        return f;
    }

    friend constexpr bool operator==(const DpiScale&, const DpiScale&) = default;

private:
    static constexpr int floorDiv(long long a, long long b) {
        const long long q = a / b;
        return static_cast<int>(q * b > a ? q - 1 : q);
    }
};

}  // namespace norvi::ui
