#pragma once

#include <string>

#include "tools/gen/Image.h"

// Every picture the game reads; each function is deterministic.

// How one font sheet is rasterised. The game draws each cell charSpacing / 2
// pixels left of the pen and advances cellSize + charSpacing pixels.
struct FontStyle {
    std::string file;  // TrueType font
    int pixelSize;     // em size, pixels
    int cellSize;      // cell width and height, pixels
    int charSpacing;   // the game's spacing for this font (negative)
    int baseline;      // baseline height above the cell's bottom, pixels
};

// A 16 x 16 grid of white glyphs on transparent cells, character k in column
// k mod 16 and row k div 16 from the top. Returns an empty image (and prints
// an "ERROR: " line) if the font cannot be read.
Image makeFontSheet(const FontStyle& style);

Image makeBackdrop();

enum class Metal { Gold, Silver, Bronze };
Image makeMedal(Metal metal, int width, int height);
Image makeLock(int width, int height);

Image makeEarth(int width, int height);
Image makeMoon(int width, int height);
Image makeBrownPlanet(int width, int height);
Image makeNeutronStar(int width, int height);
Image makeShipSkin(int size);

// The desktop icon, size x size pixels.
Image makeIcon(int size);
