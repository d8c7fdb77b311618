// Small value types shared by the platform interfaces and the portable core.
#pragma once

#include <cstdint>

namespace norvi {

// A Windows colour value 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Opaque identity of a native window, comparable across calls (an HWND on Windows).
using WindowHandle = std::uintptr_t;
constexpr WindowHandle kNoWindow = 0;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    static Rect fromSize(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Virtual-key codes of the two locks.
constexpr int kVkCapital = 20;
constexpr int kVkNumLock = 144;

}  // namespace norvi
