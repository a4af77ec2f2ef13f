#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>

#include "tools/gen/Generators.h"

namespace {

// Copies one rendered glyph into its cell. The glyph's advance box is centred
// on the part of the cell the game advances over; a glyph that would stick
// out above or below the cell is moved back inside it.
void placeGlyph(const FontStyle& style, const FT_GlyphSlot glyph, int cellX, int cellY,
                Image& sheet) {
    const FT_Bitmap& bitmap = glyph->bitmap;
    int cell = style.cellSize;
    int advance = cell + style.charSpacing;
    int pen = -(style.charSpacing / 2);
    int glyphAdvance = int(glyph->advance.x >> 6);
    int originX = pen + (advance - glyphAdvance) / 2;
    int left = originX + glyph->bitmap_left;
    int top = cell - style.baseline - glyph->bitmap_top;  // rows from the cell's top
    int rows = int(bitmap.rows), cols = int(bitmap.width);
    top = std::clamp(top, 0, std::max(0, cell - rows));
    left = std::clamp(left, 0, std::max(0, cell - cols));
    for (int y = 0; y < rows && top + y < cell; ++y) {
        for (int x = 0; x < cols && left + x < cell; ++x) {
            uint8_t coverage = bitmap.buffer[y * bitmap.pitch + x];
            uint8_t* p = sheet.at(cellX + left + x, cellY + top + y);
            p[3] = std::max(p[3], coverage);
        }
    }
}

}  // namespace

Image makeFontSheet(const FontStyle& style) {
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) {
        std::printf("ERROR: cannot start FreeType\n");
        return Image();
    }
    FT_Face face;
    if (FT_New_Face(library, style.file.c_str(), 0, &face) != 0) {
        std::printf("ERROR: cannot read font %s\n", style.file.c_str());
        FT_Done_FreeType(library);
        return Image();
    }
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(style.pixelSize));

    int cell = style.cellSize;
    Image sheet(cell * 16, cell * 16);
    // White everywhere, so that filtering never pulls in a dark fringe; only
    // the alpha carries the glyphs.
    for (size_t i = 0; i < sheet.pixels.size(); i += 4) {
        sheet.pixels[i] = sheet.pixels[i + 1] = sheet.pixels[i + 2] = 255;
    }
    for (int code = 33; code < 127; ++code) {
        if (FT_Load_Char(face, FT_ULong(code), FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) {
            continue;
        }
        placeGlyph(style, face->glyph, (code % 16) * cell, (code / 16) * cell, sheet);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return sheet;
}
