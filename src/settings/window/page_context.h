// What every page of the settings window is built from: the program, the dialog whose
// models the controls show, and the look.
#pragma once

#include "platform/types.h"
#include "ui/kit/theme.h"

namespace norvi {

class Program;
class Tfcolors;

// A rectangle by its top-left corner and size, for the layout tables.
constexpr Rect placed(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

struct PageContext {
    Program& program;
    Tfcolors& dialog;
    const ui::kit::Theme& theme;
};

}  // namespace norvi
