// Where the watermark goes: the nine positions, the text and icon anchors, the text top
// offset measured on a sample, and which display the settings dialog is on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace norvi {

class Program;

constexpr int kDefaultPosition = 5;  // middle centre

// Top-left corner of the text's cell on a canvas of canvas size, for position TXTpolozaj
// (1..9 row by row from the top left; any other value: the middle centre).
Point textAnchor(int position, Size canvas, Size text, int textTopOffset);

// Top-left corner of an icon image of the given size on the icon canvas (the work area's
// size). The top and middle rows are placed against the full display, the bottom row
// against the work area; any other position centres the image on the display.
Point iconAnchor(int position, Size image, Size display, Size workArea);

// The first inked pixel of sample drawn in black, regular weight, at the given point size,
// with its cell at (0, 0): rows top-down, each left to right. (0, cell height) when the
// sample leaves no ink.
Point NajdiZacetekBesedila(Platform& platform, std::string_view sample, int points,
                           const std::string& face);

// textTopOffset := 5 - the first ink row of "AAA" in SelectedFont at sdFontSize.
void recomputeTextTopOffset(Program& program);

// Index of the last display whose horizontal span strictly contains centreX; 0 if none.
int GetPolozaj(const std::vector<Rect>& displays, int centreX);

}  // namespace norvi
