#include "render/Font.h"

#include <GL/gl.h>

#include <algorithm>

#include "render/Texture.h"

Font::Font(TextureCache& textures, const std::string& imageFile, int32_t charSpacing_,
           int32_t lineSpacing_)
    : texture(textures.get(imageFile)),
      glyphWidth(float(texture->width) / 16.0f),
      glyphHeight(float(texture->height) / 16.0f),
      charSpacing(charSpacing_),
      lineSpacing(lineSpacing_) {}

namespace {

constexpr unsigned char tab = 9;
constexpr unsigned char lineFeed = 10;

// Walks the text as the layout does and hands each drawable character, with
// its column and line, to `place`; returns the largest column reached.
template <typename Place>
int layOut(const std::string& text, Place place) {
    int col = 0, row = 0, widest = 0;
    for (char c : text) {
        unsigned char k = static_cast<unsigned char>(c);
        if (k == tab) {
            col = col + 4 - (col + 4) % 4;
        } else if (k == lineFeed) {
            col = 0;
            row -= 1;
        } else {
            // The grid holds 128 characters; anything above takes a column
            // but has no cell to draw.
            if (k < 128) place(k, col, row);
            col += 1;
        }
        widest = std::max(widest, col);
    }
    return widest;
}

float clampTo(float value, float low, float high) { return std::max(low, std::min(value, high)); }

// One textured quad: texture rectangle (sa, ta)-(sb, tb) onto `size` pixels at `pos`.
// Leaves the texture bound.
void drawQuad(const Texture& texture, float sa, float ta, float sb, float tb, Vec2f pos,
              Vec2f size) {
    glBindTexture(GL_TEXTURE_2D, texture.glName);
    glBegin(GL_QUADS);
    glTexCoord2f(sa, ta);
    glVertex2f(pos.x, pos.y);
    glTexCoord2f(sa, tb);
    glVertex2f(pos.x, pos.y + size.y);
    glTexCoord2f(sb, tb);
    glVertex2f(pos.x + size.x, pos.y + size.y);
    glTexCoord2f(sb, ta);
    glVertex2f(pos.x + size.x, pos.y);
    glEnd();
}

}  // namespace

void drawText(const Font& font, const std::string& text, Vec2f origin) {
    float advance = font.glyphWidth + float(font.charSpacing);
    float lineAdvance = font.glyphHeight + float(font.lineSpacing);
    // Integer division on purpose: -5 gives -2, -9 gives -4.
    float offset = float(font.charSpacing / 2);
    Vec2f cell(font.glyphWidth, font.glyphHeight);
    layOut(text, [&](unsigned char k, int col, int row) {
        Vec2f src(float(k % 16) * font.glyphWidth, float(15 - k / 16) * font.glyphHeight);
        Vec2f pos(origin.x + advance * float(col) + offset, origin.y + lineAdvance * float(row));
        drawImageRegion(*font.texture, src, cell, pos);
    });
}

Vec2f textSize(const Font& font, const std::string& text) {
    int widest = layOut(text, [](unsigned char, int, int) {});
    // Several lines measure as that many line advances.
    int lines = 1 + int(std::count(text.begin(), text.end(), char(lineFeed)));
    return Vec2f((font.glyphWidth + float(font.charSpacing)) * float(widest),
                 (font.glyphHeight + float(font.lineSpacing)) * float(lines));
}

void drawImage(const Texture& texture, Vec2f pos) {
    float w = float(texture.width), h = float(texture.height);
    drawQuad(texture, 0.0f, 0.0f, w / float(texture.texWidth), h / float(texture.texHeight), pos,
             Vec2f(w, h));
}

void drawImageRegion(const Texture& texture, Vec2f src, Vec2f size, Vec2f pos) {
    float w = float(texture.width), h = float(texture.height);
    float rx = clampTo(src.x, 0.0f, w);
    float ry = clampTo(src.y, 0.0f, h);
    // The region keeps only its part inside the image: for a corner inside
    // the image this is the size clamped to what remains past the corner; a
    // corner left of or below the image can thus neither reach past the far
    // edge nor pull texels from outside the region into view.
    float rw = std::max(0.0f, clampTo(src.x + size.x, 0.0f, w) - rx);
    float rh = std::max(0.0f, clampTo(src.y + size.y, 0.0f, h) - ry);
    float wa = float(texture.texWidth), ha = float(texture.texHeight);
    drawQuad(texture, rx / wa, ry / ha, (rx + rw) / wa, (ry + rh) / ha, pos, Vec2f(rw, rh));
}

void drawImageTiled(const Texture& texture, float w, float h) {
    if (texture.width == 0 || texture.height == 0) return;
    float s = w / float(texture.width);
    float t = h / float(texture.height);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture.glName);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(s, 0);
    glVertex2f(w, 0);
    glTexCoord2f(s, t);
    glVertex2f(w, h);
    glTexCoord2f(0, t);
    glVertex2f(0, h);
    glEnd();
}
