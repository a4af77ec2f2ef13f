#include "screens/MedalTargets.h"

#include <cstdio>
#include <string>

#include "app/Ui.h"
#include "missions/Mission.h"
#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/MenuFrame.h"
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
void drawColumnText(const Ui& ui, const std::string& text, int column, float y = figuresY) {
    Vec2f size = textSize(*ui.font, text);
    drawText(*ui.font, text, Vec2f(float(column) - size.x / 2, y));
}

// In a short window the completion screen's medal reaches up to the labels.
void drawLabel(const Ui& ui, const std::string& text, int column, float y) {
    Vec2f at(float(column) - textSize(*ui.font, text).x / 2, y);
    drawTextBacking(*ui.font, text, at);
    setColour(0.5f, 0.5f, 0.65f);
    drawText(*ui.font, text, at);
}

}  // namespace

void drawMedalTargets(const Ui& ui, const Mission& mission, float best) {
    int half = ui.width / 2;
    // A newcomer cannot tell the figures apart, nor which way is good.
    drawLabel(ui, "lower scores are better", half, hintY);
    drawLabel(ui, "gold", half - 200, labelsY);
    drawLabel(ui, "silver", half, labelsY);
    drawLabel(ui, "your best", half + 200, labelsY);
    setColour(1.0f, 1.0f, 1.0f);
    drawImage(*ui.textures->get("images/little_gold.png"), Vec2f(float(half - 260), 134.0f));
    drawImage(*ui.textures->get("images/little_silver.png"), Vec2f(float(half - 60), 134.0f));
    drawImage(*ui.textures->get("images/little_ship.png"), Vec2f(float(half + 140), 134.0f));
    setColour(0.7f, 0.7f, 0.7f);
    drawColumnText(ui, limitText(mission.goldLimit), half - 200);
    drawColumnText(ui, limitText(mission.silverLimit), half);
    drawColumnText(ui, best == 0.0f ? "  ---.-\n" : limitText(best), half + 200);
}

void drawMedalIcons(TextureCache& textures, int medal, Vec2f at) {
    setColour(1, 1, 1);
    if (medal >= 3) drawImage(*textures.get("images/little_gold.png"), Vec2f(at.x - 90, at.y - 4));
    if (medal >= 2) drawImage(*textures.get("images/little_silver.png"), Vec2f(at.x - 61, at.y - 4));
    if (medal >= 1) drawImage(*textures.get("images/little_bronze.png"), Vec2f(at.x - 32, at.y - 4));
}
