#pragma once

#include <cstdint>
#include <string>

#include "app/Vec2f.h"

struct Texture;

// A bitmap font: a 16 x 16 grid of character cells in one image.
struct Font {
    Font(const std::string& imageFile, int32_t charSpacing, int32_t lineSpacing);

    Texture* texture = nullptr;
    float glyphWidth = 0.0f;   // cell width, pixels (image width / 16)
    float glyphHeight = 0.0f;  // cell height, pixels (image height / 16)
    int32_t charSpacing = 0;   // added to glyphWidth for the advance
    int32_t lineSpacing = 0;   // added to glyphHeight for the line advance
};

void drawText(const Font& font, const std::string& text, Vec2f origin);
Vec2f textSize(const Font& font, const std::string& text);
void drawImage(const Texture& texture, Vec2f pos);
void drawImageRegion(const Texture& texture, Vec2f src, Vec2f size, Vec2f pos);
