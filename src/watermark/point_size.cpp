#include "watermark/point_size.h"

#include <climits>
#include <cstdint>

namespace norvi {

int mulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t magnitude = static_cast<std::uint64_t>(product < 0 ? -product : product);
    const std::uint64_t divisor = static_cast<std::uint64_t>(c < 0 ? -static_cast<std::int64_t>(c) : c);
    const std::uint64_t rounded = (magnitude + divisor / 2) / divisor;
    if (rounded > static_cast<std::uint64_t>(INT_MAX)) return -1;  // MulDiv reports overflow so
    return negative ? -static_cast<int>(rounded) : static_cast<int>(rounded);
}

}  // namespace norvi
