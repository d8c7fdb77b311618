// Composes the floating strip: Caps cell, splitter, Num cell.
#pragma once

#include "platform/platform.h"
#include "ui/widgets.h"

namespace norvi {

FontSpec capsCellFont();
FontSpec numCellFont();

Bitmap paintStrip(Graphics& graphics, const ui::Panel& caps, const ui::Panel& split,
                  const ui::Panel& num, int width, int height);

}  // namespace norvi
