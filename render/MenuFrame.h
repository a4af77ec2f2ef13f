#pragma once

#include <string>

#include "render/Vec2f.h"
#include "render/WindowSize.h"

class StarField;
struct Font;
struct Texture;

// Starts a menu frame: window-pixel projection, black clear, texturing on.
void beginMenuFrame(WindowSize window);
// Ends it with the star field, drawn behind whatever the frame drew: text
// stays clear of stars. Images keep their see-through parts out of the depth
// buffer (drawImageOverStars) so stars still show around them.
void endMenuFrame(const StarField& stars, WindowSize window);
// drawImage() for a menu frame: its fully transparent texels leave the stars
// behind them alone.
void drawImageOverStars(const Texture& texture, Vec2f pos);
// A dark patch the size of `text` drawn at `origin`, so that it stays
// readable over a picture. Leaves the colour black: set the text's after it.
void drawTextBacking(const Font& font, const std::string& text, Vec2f origin);
