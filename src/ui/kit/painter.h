// The one place where the widget kit puts pixels on a picture. A Painter works in the
// local coordinates of one view (origin at the view's top-left corner) and never draws
// outside its clip rectangle, so a view cannot spill over its neighbours.
#pragma once

#include <string_view>

#include "platform/bitmap.h"
#include "platform/platform.h"

namespace norvi::ui::kit {

enum class TextAlign { Left, Center };

class Painter {
public:
    // Paints on the whole of target.
    Painter(Bitmap& target, Graphics& graphics);

    // A painter for a part of this one: origin moved to part's corner, clip narrowed to it.
    Painter within(const Rect& part) const;
    // The same clip with the origin moved by (dx, dy): for scrolled content.
    Painter shifted(int dx, int dy) const;
    bool clippedAway() const;

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
    // A picture with its top-left corner at p, clipped: a 32-bit one blended over what is
    // painted there by its fourth byte (opacity, not premultiplied), a 24-bit one opaque.
    void picture(Point p, const Bitmap& picture);
    // Text vertically centred in r, aligned left or centred, clipped to r.
    void text(const Rect& r, const FontSpec& font, std::string_view text, Colour c,
              TextAlign align = TextAlign::Left);
    // Text with its cell's top-left corner at p, clipped to this painter's clip.
    void textAt(Point p, const FontSpec& font, std::string_view text, Colour c);
    Size measure(const FontSpec& font, std::string_view text) const;

private:
    Painter(Bitmap& target, Graphics& graphics, Point origin, Rect clip)
        : target_(target), graphics_(graphics), origin_(origin), clip_(clip) {}
    Rect toTarget(const Rect& r) const;
    void fillTarget(const Rect& r, Colour c);
    void drawClippedText(Point cell, Size extent, const Rect& clip, const FontSpec& font,
                         std::string_view text, Colour c);

    Bitmap& target_;
    Graphics& graphics_;
    Point origin_;  // this painter's (0, 0) in target pixels
    Rect clip_;     // in target pixels
};

}  // namespace norvi::ui::kit
