#include "watermark/placement.h"

#include "app/program.h"
#include "watermark/point_size.h"

namespace norvi {

namespace {

constexpr int kTextSideMargin = 20;
constexpr int kTextRowMargin = 20;  // added to textTopOffset in the top and bottom rows
constexpr int kTextDownShift = 5;   // every text row ends 5 pixels lower
constexpr int kIconMargin = 25;
constexpr int kIconBottomLeftMargin = 20;

// The text rules; t is textTopOffset + 20.
int textLeft(Size, Size) { return kTextSideMargin; }
int textCentre(Size canvas, Size text) { return (canvas.width - text.width) / 2; }
int textRight(Size canvas, Size text) { return canvas.width - kTextSideMargin - text.width; }
int textTop(Size, Size, int t) { return t + kTextDownShift; }
int textMiddle(Size canvas, Size text, int) { return canvas.height / 2 - text.height / 2 + kTextDownShift; }
int textBottom(Size canvas, Size text, int t) { return canvas.height - t - text.height + kTextDownShift; }

struct TextPlace {
    int (*x)(Size canvas, Size text);
    int (*y)(Size canvas, Size text, int t);
};

// Positions 1 to 9, row by row from the top left.
constexpr TextPlace kTextPlaces[9] = {
    {textLeft, textTop},    {textCentre, textTop},    {textRight, textTop},
    {textLeft, textMiddle}, {textCentre, textMiddle}, {textRight, textMiddle},
    {textLeft, textBottom}, {textCentre, textBottom}, {textRight, textBottom},
};

// The icon rules, against a frame: the full display or the work area.
int iconLeft(Size, Size) { return kIconMargin; }
int iconBottomLeft(Size, Size) { return kIconBottomLeftMargin; }
int iconCentreX(Size frame, Size image) { return (frame.width - image.width) / 2; }
int iconRight(Size frame, Size image) { return frame.width - kIconMargin - image.width; }
int iconTop(Size, Size) { return kIconMargin; }
int iconMiddle(Size frame, Size image) { return frame.height / 2 - image.height / 2; }
int iconBottom(Size frame, Size image) { return frame.height - kIconMargin - image.height; }

enum class Frame { Display, WorkArea };

struct IconPlace {
    int (*x)(Size frame, Size image);
    int (*y)(Size frame, Size image);
    // The bottom row goes against the work area, so it stays clear of the taskbar.
    Frame frame;
};

constexpr IconPlace kIconPlaces[9] = {
    {iconLeft, iconTop, Frame::Display},          {iconCentreX, iconTop, Frame::Display},
    {iconRight, iconTop, Frame::Display},         {iconLeft, iconMiddle, Frame::Display},
    {iconCentreX, iconMiddle, Frame::Display},    {iconRight, iconMiddle, Frame::Display},
    {iconBottomLeft, iconBottom, Frame::WorkArea}, {iconCentreX, iconBottom, Frame::WorkArea},
    {iconRight, iconBottom, Frame::WorkArea},
};

bool isPosition(int position) { return position >= 1 && position <= 9; }

constexpr Colour kSampleBackground = 0x0000FFFF;  // yellow
constexpr Colour kSampleInk = 0x00000000;

}  // namespace

Point textAnchor(int position, Size canvas, Size text, int textTopOffset) {
    // A stored position the grid cannot produce gets the middle, as an icon does.
    const TextPlace& place = kTextPlaces[(isPosition(position) ? position : kDefaultPosition) - 1];
    return {place.x(canvas, text), place.y(canvas, text, textTopOffset + kTextRowMargin)};
}

Point iconAnchor(int position, Size image, Size display, Size workArea) {
    if (!isPosition(position))
        return {display.width / 2 - image.width / 2, display.height / 2 - image.height / 2};
    const IconPlace& place = kIconPlaces[position - 1];
    const Size frame = place.frame == Frame::WorkArea ? workArea : display;
    return {place.x(frame, image), place.y(frame, image)};
}

Point NajdiZacetekBesedila(Platform& platform, std::string_view sample, int points,
                           const std::string& face) {
    FontSpec font;
    font.face = face;
    font.charHeight = charHeightForPoints(points, platform.screen().logicalDpiY());
    font.bold = false;
    Graphics& graphics = platform.graphics();
    const Size cell = graphics.textExtent(font, sample);
    if (cell.width <= 0 || cell.height <= 0) return {0, cell.height};
    Bitmap probe(cell.width, cell.height, 32, kSampleBackground);
    const TextDraw ink[] = {{0, 0, kSampleInk}};
    graphics.drawText(probe, font, sample, ink);
    for (int y = 0; y < probe.height(); ++y)
        for (int x = 0; x < probe.width(); ++x)
            if (probe.pixel(x, y) != kSampleBackground) return {x, y};
    return {0, cell.height};
}

void recomputeTextTopOffset(Program& program) {
    const Point ink = NajdiZacetekBesedila(program.platform, "AAA", program.fcolors->sdFontSize.position(),
                                           program.watermark.SelectedFont);
    program.watermark.textTopOffset = 5 - ink.y;
}

int GetPolozaj(const std::vector<Rect>& displays, int centreX) {
    int found = 0;
    for (std::size_t i = 0; i < displays.size(); ++i)
        if (displays[i].left < centreX && centreX < displays[i].right) found = static_cast<int>(i);
    return found;
}

}  // namespace norvi
