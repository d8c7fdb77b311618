// Composes the floating strip: Caps cell, splitter, Num cell, and the splitter's drag line.
#pragma once

#include <optional>

#include "platform/platform.h"
#include "ui/widgets.h"

namespace norvi {

FontSpec capsCellFont();
FontSpec numCellFont();

// dragLineX: client x of the thin line shown while the splitter is dragged.
Bitmap paintStrip(Graphics& graphics, const ui::Panel& caps, const ui::Panel& split,
                  const ui::Panel& num, int width, int height, std::optional<int> dragLineX = std::nullopt);

}  // namespace norvi
