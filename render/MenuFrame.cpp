#include "render/MenuFrame.h"

#include <GL/gl.h>

#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/Particles.h"
#include "render/WindowProjection.h"

void beginMenuFrame(WindowSize window) {
    beginWindowFrame(window);
    // The stars of endMenuFrame() rely on the depth test.
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
}

void drawTextBacking(const Font& font, const std::string& text, Vec2f origin) {
    const float pad = 3.0f;  // pixels around the letters
    Vec2f size = textSize(font, text);
    float lineAdvance = font.glyphHeight + float(font.lineSpacing);
    float top = origin.y + font.glyphHeight + pad;
    float bottom = origin.y - (size.y - lineAdvance) - pad;  // below the last line's cell
    setColour(0.0f, 0.0f, 0.0f, 0.7f);
    fillRect(origin.x - pad, bottom, origin.x + size.x + pad, top);
}

void drawImageOverStars(const Texture& texture, Vec2f pos) {
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    drawImage(texture, pos);
    glDisable(GL_ALPHA_TEST);
}

void endMenuFrame(const StarField& stars, WindowSize window) {
    // Pushed back in depth: every text cell drawn this frame hides the stars
    // behind it, so none shows between or inside the letters.
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -0.5f);
    stars.draw(window);
    glPopMatrix();
}
