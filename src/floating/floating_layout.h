// Where things are on the floating strip, and the rules that follow from the Caps width.
#pragma once

#include <string_view>

#include "ui/widgets.h"

namespace norvi {

enum class StripPart { Caps, Splitter, Num, Outside };

// The part under a client x, for a Caps cell of the given width.
StripPart stripPartAt(int x, int capsWidth);

// CtablaResize's rule: centred when the caption's character count plus 10 is less than the
// cell's width, else left-aligned.
ui::Alignment capsCellAlignment(std::string_view caption, int width);

// The splitter's limits: 30 pixels at least for each cell.
constexpr int kMinCellWidth = 30;
int clampSplitWidth(int capsWidth);

}  // namespace norvi
