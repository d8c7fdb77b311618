// The one place where the widget kit puts pixels on a picture. A Painter works in the
// local coordinates of one view (origin at the view's top-left corner) and never draws
// outside its clip rectangle, so a view cannot spill over its neighbours. Coordinates,
// sizes and fonts are 96-dpi units; the painter draws them natively at its scale (edges
// scaled, lines a whole number of pixels thick, text at the scaled font size), so at
// 96 dpi a unit is a pixel.
#pragma once

#include <string_view>

#include "platform/bitmap.h"
#include "platform/platform.h"
#include "ui/dpi_scale.h"

namespace norvi::ui::kit {

enum class TextAlign { Left, Center };

class Painter {
public:
    // Paints on the whole of target, whose pixels are units at the given scale.
    Painter(Bitmap& target, Graphics& graphics, DpiScale scale = {});

    // A painter for a part of this one: origin moved to part's corner, clip narrowed to it.
    Painter within(const Rect& part) const;
    // The same clip with the origin moved by (dx, dy): for scrolled content.
    Painter shifted(int dx, int dy) const;
    bool clippedAway() const;
    DpiScale scale() const { return scale_; }

    void fill(const Rect& r, Colour c);
    // A one-pixel frame just inside r.
    void frame(const Rect& r, Colour c);
    // The same frame dotted, every other pixel, as Windows draws a focus mark.
    void dottedFrame(const Rect& r, Colour c);
    // Horizontal line from x0 to x1 (x1 excluded) at row y; vertical likewise.
    void horizontalLine(int x0, int x1, int y, Colour c);
    void verticalLine(int x, int y0, int y1, Colour c);
    // A one-pixel line from a to b, both ends included (for glyphs such as a tick).
    void line(Point a, Point b, Colour c);
    // A picture with its top-left corner at p, one unit per picture pixel, clipped: a 32-bit
    // one blended over what is painted there by its fourth byte (opacity, not
    // premultiplied), a 24-bit one opaque.
    void picture(Point p, const Bitmap& picture);
    // The same stretched over r, nearest neighbour (each pixel takes the picture pixel it
    // falls on).
    void stretchedPicture(const Rect& r, const Bitmap& picture);
    // Text vertically centred in r, aligned left or centred, clipped to r.
    void text(const Rect& r, const FontSpec& font, std::string_view text, Colour c,
              TextAlign align = TextAlign::Left);
    // Text with its cell's top-left corner at p, clipped to this painter's clip.
    void textAt(Point p, const FontSpec& font, std::string_view text, Colour c);
    // The units the text's extent covers.
    Size measure(const FontSpec& font, std::string_view text) const;

private:
    Painter(Bitmap& target, Graphics& graphics, DpiScale scale, Point origin, Rect clip)
        : target_(target), graphics_(graphics), scale_(scale), origin_(origin), clip_(clip) {}
    // Local units to target pixels.
    Rect toTarget(const Rect& r) const;
    Point toTarget(Point p) const;
    // A line's thickness in pixels.
    int stroke() const { return scale_.stroke(1); }
    void fillTarget(const Rect& r, Colour c);
    void drawClippedText(Point cell, Size extent, const Rect& clip, const FontSpec& font,
                         std::string_view text, Colour c);

    Bitmap& target_;
    Graphics& graphics_;
    DpiScale scale_;
    Point origin_;  // this painter's (0, 0) in target units
    Rect clip_;     // in target pixels
};

}  // namespace norvi::ui::kit
