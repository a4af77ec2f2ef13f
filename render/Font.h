#pragma once

#include <cstdint>
#include <string>

#include "render/Vec2f.h"

class TextureCache;
struct Texture;

// A bitmap font: a 16 x 16 grid of character cells in one image.
struct Font {
    // The sheet `imageFile` from `textures`, which keeps it.
    Font(TextureCache& textures, const std::string& imageFile, int32_t charSpacing,
         int32_t lineSpacing);

    Texture* texture = nullptr;
    float glyphWidth = 0.0f;   // cell width, pixels (image width / 16)
    float glyphHeight = 0.0f;  // cell height, pixels (image height / 16)
    int32_t charSpacing = 0;   // added to glyphWidth for the advance
    int32_t lineSpacing = 0;   // added to glyphHeight for the line advance
};

// Draws `text` in the current GL colour with its first cell at `origin`
// (window pixels); a tab moves to the next multiple of four columns, a line
// feed to the start of the line below. Bytes above 127 take a column and
// draw nothing. Texturing must be enabled.
void drawText(const Font& font, const std::string& text, Vec2f origin);
// Width: the advance times the widest column count; height: one line
// advance per line.
Vec2f textSize(const Font& font, const std::string& text);
// The whole image at its pixel size, lower-left corner at `pos`.
void drawImage(const Texture& texture, Vec2f pos);
// The part of the image at `src` (pixels from its bottom-left) of `size`,
// cut to the image, drawn at `pos` at its pixel size.
void drawImageRegion(const Texture& texture, Vec2f src, Vec2f size, Vec2f pos);
// The image repeated from (0, 0) over `width` x `height` pixels, one texel
// per pixel, in white; nothing for an image that failed to load.
void drawImageTiled(const Texture& texture, float width, float height);
