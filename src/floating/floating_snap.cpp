#include "floating/floating_snap.h"

#include <cstdlib>

namespace norvi {

Rect snapToWorkArea(Rect b, const Rect& work, int distance) {
    const auto near = [distance](int a, int edge) { return std::abs(static_cast<long long>(a) - edge) < distance; };
    const int width = b.width(), height = b.height();
    int x = b.left, y = b.top;
    if (near(x, work.left)) x = work.left;
    if (near(y, work.top)) y = work.top;
    if (near(x + width, work.right)) x = work.right - width;
    if (near(y + height, work.bottom)) y = work.bottom - height;
    return Rect::fromSize(x, y, width, height);
}

}  // namespace norvi
