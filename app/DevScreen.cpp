#include "app/DevScreen.h"

#include <GL/gl.h>

#include <cstdio>

#include "app/Application.h"
#include "app/ListMenu.h"
#include "app/OptionsMenu.h"
#include "render/Font.h"

namespace {

void placeButton(Button& button, const char* label, int row) {
    float x = float(app.width / 2 - 100);
    float y = float(app.height / 2 - 60 * row - 20);
    button.label = label;
    button.min = Vec2f(x, y);
    button.max = Vec2f(x + 200, y + 40);
}

}  // namespace

DevScreen::DevScreen() {
    min = Vec2f(0, 0);
    max = Vec2f(float(app.width - 1), float(app.height - 1));
    placeButton(optionsButton, "Options", 0);
    placeButton(quitButton, "Quit", 1);
    children = {&optionsButton, &quitButton};
    entered = true;
}

void DevScreen::update() {
    restartTimer();
    app.stars.step();
    if (optionsButton.clicked) {
        optionsButton.clicked = false;
        pushScreen(app.optionsMenu);
    }
    if (quitButton.clicked) {
        quitButton.clicked = false;
        app.running = false;
    }
}

void DevScreen::draw() {
    beginMenuFrame();
    glColor3f(1, 1, 1);
    const char* title = "Astrello";
    Vec2f size = textSize(*app.font, title);
    drawText(*app.font, title,
             Vec2f(float(app.width / 2) - size.x / 2, float(app.height / 2 + 80)));
    char status[64];
    std::snprintf(status, sizeof status, "clock %.2f s, %d steps", app.clock, app.stepCount);
    drawText(*app.smallFont, status, Vec2f(10, 10));
    optionsButton.draw();
    quitButton.draw();
}

bool DevScreen::handleEvent(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN || event.key.keysym.sym != SDLK_ESCAPE) return false;
    app.running = false;
    return true;
}
