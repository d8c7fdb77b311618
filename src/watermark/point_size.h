// Fonts are asked for by point size, as Windows does it: the em height in pixels is
// points x logical pixels per inch / 72, rounded the way MulDiv rounds.
#pragma once

namespace norvi {

// a * b / c rounded half away from zero, computed in 64 bits; -1 when c is 0 (MulDiv).
int mulDiv(int a, int b, int c);

// Character height (em height, internal leading excluded) of a font of the given size.
inline int charHeightForPoints(int points, int logicalDpiY) { return mulDiv(points, logicalDpiY, 72); }

}  // namespace norvi
