// Composes the floating strip: Caps cell, splitter, Num cell, and the splitter's drag line.
#pragma once

#include <optional>

#include "platform/platform.h"
#include "ui/dpi_scale.h"
#include "ui/widgets.h"

namespace norvi {

FontSpec capsCellFont();
FontSpec numCellFont();

// The strip of width x height units at the window's scale: cell widths, the drag line's
// client x (shown while the splitter is dragged) and the fonts are in 96-dpi units, the
// picture in device pixels.
Bitmap paintStrip(Graphics& graphics, const ui::Panel& caps, const ui::Panel& split, const ui::Panel& num,
                  int width, int height, ui::DpiScale scale, std::optional<int> dragLineX = std::nullopt);

}  // namespace norvi
