#include "keycap_art.h"

#include <algorithm>
#include <cmath>

namespace norvi::artwork {

namespace {

// Design units: a 32 x 32 square.
constexpr double kDesign = 32.0;

struct Paint {
    std::uint8_t r, g, b;
};
constexpr Paint kBody{0x2B, 0x3A, 0x55};
constexpr Paint kFace{0x3F, 0x5A, 0x86};
constexpr Paint kLetter{0xFF, 0xFF, 0xFF};
constexpr Paint kLight{0x5B, 0xE3, 0x7D};

bool inRoundRect(double x, double y, double l, double t, double r, double b, double radius) {
    if (x < l || x > r || y < t || y > b) return false;
    const double cx = std::clamp(x, l + radius, r - radius);
    const double cy = std::clamp(y, t + radius, b - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool nearSegment(double x, double y, double x0, double y0, double x1, double y1, double halfWidth) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0, 1.0) : 0.0;
    const double px = x0 + t * dx - x, py = y0 + t * dy - y;
    return px * px + py * py <= halfWidth * halfWidth;
}

// The topmost shape under a design point, or nothing.
const Paint* paintAt(double x, double y) {
    if (nearSegment(x, y, 24.5, 8.0, 24.5, 8.0, 1.9)) return &kLight;
    constexpr double w = 2.1;
    if (nearSegment(x, y, 15.0, 7.0, 9.0, 23.0, w) || nearSegment(x, y, 15.0, 7.0, 21.0, 23.0, w) ||
        nearSegment(x, y, 11.5, 17.5, 18.5, 17.5, w * 0.85))
        return &kLetter;
    if (inRoundRect(x, y, 4.0, 3.0, 28.0, 26.0, 4.0)) return &kFace;
    if (inRoundRect(x, y, 1.0, 1.0, 31.0, 31.0, 6.0)) return &kBody;
    return nullptr;
}

}  // namespace

RgbaImage drawKeycap(int size, int samples) {
    RgbaImage image;
    image.size = size;
    image.bgra.assign(static_cast<std::size_t>(size) * size * 4, 0);
    const double unit = kDesign / size;
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0;
            int covered = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = (px + (sx + 0.5) / samples) * unit;
                    const double y = (py + (sy + 0.5) / samples) * unit;
                    if (const Paint* p = paintAt(x, y)) {
                        r += p->r;
                        g += p->g;
                        b += p->b;
                        ++covered;
                    }
                }
            std::uint8_t* out = &image.bgra[(static_cast<std::size_t>(py) * size + px) * 4];
            if (covered == 0) continue;
            out[0] = static_cast<std::uint8_t>(std::lround(b / covered));
            out[1] = static_cast<std::uint8_t>(std::lround(g / covered));
            out[2] = static_cast<std::uint8_t>(std::lround(r / covered));
            out[3] = static_cast<std::uint8_t>(std::lround(255.0 * covered / (samples * samples)));
        }
    return image;
}

Bitmap flatten(const RgbaImage& image, Colour background) {
    Bitmap picture(image.size, image.size, 24, background);
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size; ++x) {
            const std::uint8_t* p = &image.bgra[(static_cast<std::size_t>(y) * image.size + x) * 4];
            const int a = p[3];
            const auto mix = [a](int fore, int back) { return (fore * a + back * (255 - a) + 127) / 255; };
            picture.setPixel(x, y, rgb(mix(p[2], redOf(background)), mix(p[1], greenOf(background)),
                                       mix(p[0], blueOf(background))));
        }
    return picture;
}

}  // namespace norvi::artwork
