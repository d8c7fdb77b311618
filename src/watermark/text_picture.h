// Composing the text picture: the text fitted to a canvas, anchored on it and drawn with its
// rim. Only the part of the canvas the text inks is composed; the rest would be key colour.
// Pure composition; the window shows the result.
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
    // The smallest part of the canvas holding every pixel the text changed, 32-bit on the
    // key colour; empty when the text leaves no ink.
    Bitmap picture;
    Point pictureAt;  // that part's top-left corner on the canvas
    FontSpec font;  // the fitted font the text was drawn in
    Size extent;    // of the text in that font
    Point at;       // top-left corner of the text's cell
};

// The largest whole point size from request.points down at which the text fits the
// canvas (one measurement per point; at least one point), drawn bold: four copies in the
// outline colour 2 pixels left, right, up and down, then the body on top.
TextPicture composeText(Graphics& graphics, const TextRequest& request);

}  // namespace norvi
