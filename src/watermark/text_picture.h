// Composing the text picture: a canvas of the key colour with the text fitted, anchored
// and drawn with its rim. Pure composition; the window shows the result.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace norvi {

struct TextRequest {
    std::string_view text;
    std::string face;
    int points = 300;       // the size to fit from, counting down
    int logicalDpiY = 96;
    Size canvas;            // the primary display's full size
    int position = 5;       // TXTpolozaj
    int textTopOffset = 25;
    Colour body = 0;        // an RGB value
    Colour outline = 0;
};

struct TextPicture {
    Bitmap picture;
    FontSpec font;  // the fitted font the text was drawn in
    Size extent;    // of the text in that font
    Point at;       // top-left corner of the text's cell
};

// The largest whole point size from request.points down at which the text fits the
// canvas (one measurement per point; at least one point), drawn bold: four copies in the
// outline colour 2 pixels left, right, up and down, then the body on top.
TextPicture composeText(Graphics& graphics, const TextRequest& request);

}  // namespace norvi
