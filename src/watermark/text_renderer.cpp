// The textual watermark: large bold text with a 2-pixel rim in the complementary colour.
#include <algorithm>
#include <string_view>

#include "app/program.h"
#include "watermark/placement.h"
#include "watermark/point_size.h"
#include "watermark/text_colours.h"
#include "watermark/tfloattxt.h"

namespace norvi {

namespace {

constexpr int kOutlineOffset = 2;
constexpr int kSmallestPoints = 1;  // a height of 0 would ask GDI for its default font size

struct FittedText {
    FontSpec font;
    Size extent;
};

// The largest whole point size, counting down from points, at which the text fits the
// canvas; the smallest size when none does.
FittedText fitText(Graphics& graphics, FontSpec font, int points, int dpi, std::string_view text,
                   Size canvas) {
    for (int size = points;; --size) {
        font.charHeight = std::max(1, charHeightForPoints(size, dpi));
        const Size extent = graphics.textExtent(font, text);
        const bool fits = extent.width <= canvas.width && extent.height <= canvas.height;
        if (fits || size <= kSmallestPoints) return {font, extent};
    }
}

}  // namespace

void TfloatTXT::PaintText(int code, const std::string& text) {
    if (!p_.startupDone) return;
    WatermarkState& w = p_.watermark;
    w.lastText = text;
    if (code == code::kRedrawLastCode) code = w.lastCode;
    const Colour body = bodyColourFor(code, *p_.fcolors, w.lastColor);
    w.lastColor = body;
    w.lastCode = code;
    const Colour outline = InverseColor(body);

    Platform& pf = p_.platform;
    const Size screen = pf.screen().primarySize();
    Bitmap canvas(screen.width, screen.height, 32, kKeyColour);
    // The previous picture goes before the new one is drawn.
    showOnSurface(canvas);

    FontSpec font;
    font.face = w.SelectedFont;
    font.bold = true;
    const FittedText fitted = fitText(pf.graphics(), font, p_.fcolors->sdFontSize.position(),
                                      pf.screen().logicalDpiY(), text, screen);
    const Point at = textAnchor(w.TXTpolozaj, screen, fitted.extent, w.textTopOffset);
    // Four offset copies make the rim; the body drawn last covers all but their edges.
    const TextDraw draws[] = {
        {at.x - kOutlineOffset, at.y, outline}, {at.x + kOutlineOffset, at.y, outline},
        {at.x, at.y - kOutlineOffset, outline}, {at.x, at.y + kOutlineOffset, outline},
        {at.x, at.y, resolveColour(body)},
    };
    if (!text.empty()) pf.graphics().drawText(canvas, fitted.font, text, draws);
    showOnSurface(canvas);
}

}  // namespace norvi
