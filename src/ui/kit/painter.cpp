#include "ui/kit/painter.h"

#include <cstdlib>
#include <cstring>

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

Painter::Painter(Bitmap& target, Graphics& graphics, DpiScale scale)
    : Painter(target, graphics, scale, {0, 0}, {0, 0, target.width(), target.height()}) {}

Painter Painter::within(const Rect& part) const {
    return Painter(target_, graphics_, scale_, {origin_.x + part.left, origin_.y + part.top},
                   intersection(clip_, toTarget(part)));
}

Painter Painter::shifted(int dx, int dy) const {
    return Painter(target_, graphics_, scale_, {origin_.x + dx, origin_.y + dy}, clip_);
}

bool Painter::clippedAway() const { return isEmpty(clip_); }

// The origin is kept in units and scaled with the rectangle, so that a view's edges land
// on the same pixels however deeply it is nested.
Rect Painter::toTarget(const Rect& r) const { return scale_.px(offsetBy(r, origin_.x, origin_.y)); }

Point Painter::toTarget(Point p) const { return scale_.px(Point{p.x + origin_.x, p.y + origin_.y}); }

void Painter::fill(const Rect& r, Colour c) { fillTarget(intersection(toTarget(r), clip_), c); }

// Writes one row of the rectangle pixel by pixel, then copies it to the others: filling a
// whole form this way costs about one memcpy per row.
void Painter::fillTarget(const Rect& r, Colour c) {
    if (isEmpty(r)) return;
    const int bpp = target_.bytesPerPixel();
    const std::size_t rowBytes = static_cast<std::size_t>(r.width()) * bpp;
    std::uint8_t* first = target_.row(r.top) + static_cast<std::size_t>(r.left) * bpp;
    for (int x = 0; x < r.width(); ++x) {
        std::uint8_t* p = first + static_cast<std::size_t>(x) * bpp;
        p[0] = static_cast<std::uint8_t>(blueOf(c));
        p[1] = static_cast<std::uint8_t>(greenOf(c));
        p[2] = static_cast<std::uint8_t>(redOf(c));
    }
    for (int y = r.top + 1; y < r.bottom; ++y)
        std::memcpy(target_.row(y) + static_cast<std::size_t>(r.left) * bpp, first, rowBytes);
}

void Painter::frame(const Rect& r, Colour c) {
    if (isEmpty(r)) return;
    // Every side one stroke thick, inside the scaled rectangle.
    const Rect t = toTarget(r);
    const int w = stroke();
    fillTarget(intersection({t.left, t.top, t.right, t.top + w}, clip_), c);
    fillTarget(intersection({t.left, t.bottom - w, t.right, t.bottom}, clip_), c);
    fillTarget(intersection({t.left, t.top + w, t.left + w, t.bottom - w}, clip_), c);
    fillTarget(intersection({t.right - w, t.top + w, t.right, t.bottom - w}, clip_), c);
}

void Painter::dottedFrame(const Rect& r, Colour c) {
    if (isEmpty(r)) return;
    // A checkerboard of stroke-sized squares laid over the frame: the squares whose
    // distance from the top-left corner is even.
    const Rect t = toTarget(r);
    const int w = stroke();
    const auto dot = [&](int x, int y) {
        if (((x - t.left) / w + (y - t.top) / w) % 2 == 0 && contains(clip_, {x, y})) target_.setPixel(x, y, c);
    };
    for (int band = 0; band < w; ++band) {
        for (int x = t.left; x < t.right; ++x) {
            dot(x, t.top + band);
            dot(x, t.bottom - 1 - band);
        }
        for (int y = t.top + w; y < t.bottom - w; ++y) {
            dot(t.left + band, y);
            dot(t.right - 1 - band, y);
        }
    }
}

void Painter::horizontalLine(int x0, int x1, int y, Colour c) {
    const Rect t = toTarget(Rect{x0, y, x1, y + 1});
    fillTarget(intersection({t.left, t.top, t.right, t.top + stroke()}, clip_), c);
}

void Painter::verticalLine(int x, int y0, int y1, Colour c) {
    const Rect t = toTarget(Rect{x, y0, x + 1, y1});
    fillTarget(intersection({t.left, t.top, t.left + stroke(), t.bottom}, clip_), c);
}

void Painter::line(Point a, Point b, Colour c) {
    // Bresenham between the two end pixels' corners, each step a stroke-sized square: glyph
    // strokes are a few pixels long, so square by square is fine.
    const Point from = toTarget(a), to = toTarget(b);
    const int w = stroke();
    const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (Point p = from;;) {
        fillTarget(intersection(Rect::fromSize(p.x, p.y, w, w), clip_), c);
        if (p == to) break;
        const int e2 = 2 * error;
        if (e2 >= dy) { error += dy; p.x += sx; }
        if (e2 <= dx) { error += dx; p.y += sy; }
    }
}

void Painter::picture(Point p, const Bitmap& picture) {
    stretchedPicture(Rect::fromSize(p.x, p.y, picture.width(), picture.height()), picture);
}

void Painter::stretchedPicture(const Rect& where, const Bitmap& original) {
    if (original.bytesPerPixel() < 3 || isEmpty(where)) return;
    const Rect whole = toTarget(where);
    Bitmap resized;
    if (whole.width() != original.width() || whole.height() != original.height())
        resized = original.scaledTo(whole.width(), whole.height());
    const Bitmap& picture = resized.empty() ? original : resized;
    const Point p{whole.left, whole.top};
    const Rect r = intersection(whole, clip_);
    if (isEmpty(r)) return;
    const int from = picture.bytesPerPixel(), to = target_.bytesPerPixel();
    const bool blended = from == 4;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint8_t* s = picture.row(y - p.y) + static_cast<std::size_t>(r.left - p.x) * from;
        std::uint8_t* d = target_.row(y) + static_cast<std::size_t>(r.left) * to;
        for (int x = r.left; x < r.right; ++x, s += from, d += to) {
            const int a = blended ? s[3] : 255;
            // Rounded: a + (b - a) * alpha / 255.
            for (int i = 0; i < 3; ++i) d[i] = static_cast<std::uint8_t>((s[i] * a + d[i] * (255 - a) + 127) / 255);
        }
    }
}

Size Painter::measure(const FontSpec& font, std::string_view text) const {
    return scale_.unitsCovering(graphics_.textExtent(scale_.font(font), text));
}

// Text is placed in pixels, in the scaled rectangle, with the font at its scaled size.
void Painter::text(const Rect& r, const FontSpec& font, std::string_view text, Colour c, TextAlign align) {
    if (text.empty()) return;
    const FontSpec scaled = scale_.font(font);
    const Size extent = graphics_.textExtent(scaled, text);
    const Rect t = toTarget(r);
    Point cell{t.left, t.top + (t.height() - extent.height) / 2};
    if (align == TextAlign::Center) cell.x = t.left + (t.width() - extent.width) / 2;
    drawClippedText(cell, extent, intersection(t, clip_), scaled, text, c);
}

void Painter::textAt(Point p, const FontSpec& font, std::string_view text, Colour c) {
    if (text.empty()) return;
    const FontSpec scaled = scale_.font(font);
    drawClippedText(toTarget(p), graphics_.textExtent(scaled, text), clip_, scaled, text, c);
}

// The platform clips text only to the whole picture. Text that fits its clip is drawn
// straight on; text that overflows is drawn on a copy of the clip area, which is then put
// back, so nothing outside the clip changes.
void Painter::drawClippedText(Point cell, Size extent, const Rect& clip, const FontSpec& font,
                              std::string_view text, Colour c) {
    if (isEmpty(clip)) return;
    const Rect cellRect = Rect::fromSize(cell.x, cell.y, extent.width, extent.height);
    const TextDraw direct{cell.x, cell.y, c};
    if (intersection(cellRect, clip) == cellRect) {
        graphics_.drawText(target_, font, text, {&direct, 1});
        return;
    }
    if (isEmpty(intersection(cellRect, clip))) return;
    Bitmap scratch(clip.width(), clip.height(), target_.bitsPerPixel());
    scratch.blit(target_, -clip.left, -clip.top);
    const TextDraw shifted{cell.x - clip.left, cell.y - clip.top, c};
    graphics_.drawText(scratch, font, text, {&shifted, 1});
    target_.blit(scratch, clip.left, clip.top);
}

}  // namespace norvi::ui::kit
