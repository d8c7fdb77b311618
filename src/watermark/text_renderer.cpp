// The textual watermark: large bold text with a 2-pixel rim in the complementary colour.
#include "app/program.h"
#include "watermark/text_colours.h"
#include "watermark/text_picture.h"
#include "watermark/tfloattxt.h"

namespace norvi {

void TfloatTXT::PaintText(int code, const std::string& text) {
    if (!p_.startupDone) return;
    WatermarkState& w = p_.watermark;
    w.lastText = text;
    if (code == code::kRedrawLastCode) code = w.lastCode;
    const Colour body = bodyColourFor(code, *p_.fcolors, w.lastColor);
    w.lastColor = body;
    w.lastCode = code;

    // The previous picture goes before the new one is drawn.
    dropPicture();

    Screen& screen = p_.platform.screen();
    TextRequest request;
    request.text = text;
    request.face = w.SelectedFont;
    request.points = p_.fcolors->sdFontSize.position();
    request.logicalDpiY = screen.logicalDpiY();
    request.canvas = screen.primarySize();
    request.position = w.TXTpolozaj;
    request.textTopOffset = w.textTopOffset;
    request.body = resolveColour(body);
    request.outline = InverseColor(body);
    TextPicture composed = composeText(p_.platform.graphics(), request);
    showOnSurface(std::move(composed.picture), composed.pictureAt, request.canvas);
}

}  // namespace norvi
