#include "ui/kit/painter.h"

#include <cstdlib>
#include <cstring>

#include "ui/kit/geometry.h"

namespace norvi::ui::kit {

Painter::Painter(Bitmap& target, Graphics& graphics)
    : Painter(target, graphics, {0, 0}, {0, 0, target.width(), target.height()}) {}

Painter Painter::within(const Rect& part) const {
    const Rect r = toTarget(part);
    return Painter(target_, graphics_, {r.left, r.top}, intersection(clip_, r));
}

Painter Painter::shifted(int dx, int dy) const {
    return Painter(target_, graphics_, {origin_.x + dx, origin_.y + dy}, clip_);
}

bool Painter::clippedAway() const { return isEmpty(clip_); }

Rect Painter::toTarget(const Rect& r) const { return offsetBy(r, origin_.x, origin_.y); }

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
    horizontalLine(r.left, r.right, r.top, c);
    horizontalLine(r.left, r.right, r.bottom - 1, c);
    verticalLine(r.left, r.top + 1, r.bottom - 1, c);
    verticalLine(r.right - 1, r.top + 1, r.bottom - 1, c);
}

void Painter::dottedFrame(const Rect& r, Colour c) {
    if (isEmpty(r)) return;
    // A checkerboard laid over the frame: the pixels whose distance from the top-left
    // corner is even.
    const auto dot = [&](int x, int y) {
        const Point t{x + origin_.x, y + origin_.y};
        if ((x - r.left + y - r.top) % 2 == 0 && contains(clip_, t)) target_.setPixel(t.x, t.y, c);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        dot(r.right - 1, y);
    }
}

void Painter::horizontalLine(int x0, int x1, int y, Colour c) { fill({x0, y, x1, y + 1}, c); }

void Painter::verticalLine(int x, int y0, int y1, Colour c) { fill({x, y0, x + 1, y1}, c); }

void Painter::line(Point a, Point b, Colour c) {
    // Bresenham: glyph strokes are a few pixels long, so pixel by pixel is fine.
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int error = dx + dy;
    for (Point p = a;;) {
        const Point t{p.x + origin_.x, p.y + origin_.y};
        if (contains(clip_, t)) target_.setPixel(t.x, t.y, c);
        if (p == b) break;
        const int e2 = 2 * error;
        if (e2 >= dy) { error += dy; p.x += sx; }
        if (e2 <= dx) { error += dx; p.y += sy; }
    }
}

void Painter::picture(Point p, const Bitmap& picture) {
    if (picture.bytesPerPixel() < 3) return;
    const Rect r = intersection(toTarget(Rect::fromSize(p.x, p.y, picture.width(), picture.height())), clip_);
    if (isEmpty(r)) return;
    const int from = picture.bytesPerPixel(), to = target_.bytesPerPixel();
    const bool blended = from == 4;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint8_t* s = picture.row(y - origin_.y - p.y) + static_cast<std::size_t>(r.left - origin_.x - p.x) * from;
        std::uint8_t* d = target_.row(y) + static_cast<std::size_t>(r.left) * to;
        for (int x = r.left; x < r.right; ++x, s += from, d += to) {
            const int a = blended ? s[3] : 255;
            // Rounded: a + (b - a) * alpha / 255.
            for (int i = 0; i < 3; ++i) d[i] = static_cast<std::uint8_t>((s[i] * a + d[i] * (255 - a) + 127) / 255);
        }
    }
}

Size Painter::measure(const FontSpec& font, std::string_view text) const {
    return graphics_.textExtent(font, text);
}

void Painter::text(const Rect& r, const FontSpec& font, std::string_view text, Colour c, TextAlign align) {
    if (text.empty()) return;
    const Size extent = measure(font, text);
    Point cell{r.left, r.top + (r.height() - extent.height) / 2};
    if (align == TextAlign::Center) cell.x = r.left + (r.width() - extent.width) / 2;
    const Rect clip = intersection(toTarget(r), clip_);
    drawClippedText({cell.x + origin_.x, cell.y + origin_.y}, extent, clip, font, text, c);
}

void Painter::textAt(Point p, const FontSpec& font, std::string_view text, Colour c) {
    if (text.empty()) return;
    drawClippedText({p.x + origin_.x, p.y + origin_.y}, measure(font, text), clip_, font, text, c);
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
