#include "screens/MedalTargets.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "app/Application.h"
#include "app/ListMenu.h"
#include "missions/Mission.h"
#include "render/Font.h"
#include "render/Texture.h"

namespace {

std::string limitText(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "  %5.2f\n", value);
    return text;
}

// Window pixels: the figures' line, and the labels and the reading hint above it.
constexpr float figuresY = 140.0f;
constexpr float labelsY = 164.0f;
constexpr float hintY = 188.0f;

// Centred horizontally on `column`, window pixels.
void drawColumnText(const std::string& text, int column, float y = figuresY) {
    Vec2f size = textSize(*app.font, text);
    drawText(*app.font, text, Vec2f(float(column) - size.x / 2, y));
}

// In a short window the completion screen's medal reaches up to the labels.
void drawLabel(const std::string& text, int column, float y) {
    Vec2f at(float(column) - textSize(*app.font, text).x / 2, y);
    drawTextBacking(*app.font, text, at);
    glColor3f(0.5f, 0.5f, 0.65f);
    drawText(*app.font, text, at);
}

}  // namespace

void drawMedalTargets() {
    if (app.world.mission) drawMedalTargets(app.records.best(app.world.mission->name));
}

void drawMedalTargets(float best) {
    const Mission* mission = app.world.mission;
    if (!mission) return;
    int half = app.width / 2;
    // A newcomer cannot tell the figures apart, nor which way is good.
    drawLabel("lower scores are better", half, hintY);
    drawLabel("gold", half - 200, labelsY);
    drawLabel("silver", half, labelsY);
    drawLabel("your best", half + 200, labelsY);
    glColor3f(1.0f, 1.0f, 1.0f);
    drawImage(*getTexture("images/little_gold.png"), Vec2f(float(half - 260), 134.0f));
    drawImage(*getTexture("images/little_silver.png"), Vec2f(float(half - 60), 134.0f));
    drawImage(*getTexture("images/little_ship.png"), Vec2f(float(half + 140), 134.0f));
    glColor3f(0.7f, 0.7f, 0.7f);
    drawColumnText(limitText(mission->goldLimit), half - 200);
    drawColumnText(limitText(mission->silverLimit), half);
    drawColumnText(best == 0.0f ? "  ---.-\n" : limitText(best), half + 200);
}
