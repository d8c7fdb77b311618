// Rectangle arithmetic the widget kit needs; every rectangle is half-open: right and
// bottom lie just outside.
#pragma once

#include <algorithm>

#include "platform/types.h"

namespace norvi::ui::kit {

inline bool contains(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

inline bool isEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline Rect intersection(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return isEmpty(r) ? Rect{} : r;
}

inline Rect offsetBy(const Rect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Shrinks by d on every side (grows for a negative d).
inline Rect inset(const Rect& r, int d) { return {r.left + d, r.top + d, r.right - d, r.bottom - d}; }

inline Rect sized(Size s) { return {0, 0, s.width, s.height}; }

}  // namespace norvi::ui::kit
