// The Watermark page's position grid, drawn as a small monitor: a grey frame around a
// black screen holding nine buttons, three rows of three, on a silver stand and a grey
// base. The chosen position's button reads "ABC"; the captions come from the dialog at
// every paint. A click on a button runs the dialog's choose entry of the grid.
#pragma once

#include "ui/kit/view.h"

namespace norvi {

class Tfcolors;

// In the grid view's own coordinates, which start at the frame's top-left corner.
struct PositionGridLayout {
    Rect frame;
    Rect screen;
    Rect stand;
    Rect base;
    Size cell;
    // Button n (1 .. 9), row by row.
    Rect cellRect(int position) const;
};
const PositionGridLayout& positionGridLayout();

class PositionGridView : public ui::kit::View {
public:
    explicit PositionGridView(Tfcolors& dialog);

    void paint(ui::kit::Painter& p) override;

private:
    Tfcolors& dialog_;
};

}  // namespace norvi
