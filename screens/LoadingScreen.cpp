#include "screens/LoadingScreen.h"

#include <GL/gl.h>

#include <algorithm>

#include "app/Application.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "screens/MainMenu.h"

namespace {

// One line that follows the ship across the window.
const char* const introBanner =
    "Quorrin, welcome to the Astrello!   "
    "Made by the Astrello team, with warm thanks to our play-testers and to the teachers "
    "who tried it in their classes.";

// The hint fades in once the player has had a moment to watch.
constexpr double hintAfterSeconds = 3.0;
constexpr double hintFadeSeconds = 1.0;

void drawHint(double t) {
    if (t < hintAfterSeconds) return;
    float alpha = float(std::min(1.0, (t - hintAfterSeconds) / hintFadeSeconds));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, app.width, 0, app.height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const char* hint = "Press Space";
    Vec2f size = textSize(*app.font, hint);
    glColor4f(0.8f, 0.8f, 0.8f, alpha);
    drawText(*app.font, hint, Vec2f(float(app.width / 2) - size.x / 2, 40.0f));
    glColor4f(1, 1, 1, 1);
}

}  // namespace

LoadingScreen::LoadingScreen() : drift(app.random), exhaust(app.random) {
    drift.init(app.window());
    exhaust.init();
    entered = true;
    shipMesh.load("models/ship_test.obj");
    shipTexture = getTexture("models/test_tex.png");
}

void LoadingScreen::update() {
    if (entered) {
        restartTimer();
        drift.init(app.window());
        exhaust.init();
    }
    drift.step(app.window());
    exhaust.step(app.window());
    if (app.clock - enterTime > introSeconds) finishIntro();
}

void LoadingScreen::draw() {
    double t = app.clock - enterTime;
    float x = float(app.width / 10.0 - 20.0 * t);  // the ship's reference, intro units
    glViewport(0, 0, app.width, app.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, app.width / 10.0, 0, app.height / 10.0, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drift.draw(app.window());

    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(x + 50, float(app.height / 20.0), 0);
    glRotatef(90, 0, 0, 1);
    glScalef(20, 20, 20);
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, shipTexture->glName);
    shipMesh.draw();
    glPopMatrix();

    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(x + 50, 0, 0);
    exhaust.draw(app.window());
    glPopMatrix();
    glEnable(GL_TEXTURE_2D);

    glColor3f(1, 1, 1);
    Vec2f size = textSize(*app.font, introBanner);
    drawText(*app.font, introBanner, Vec2f(x + 150, float(app.height / 20.0) - size.y / 2));
    drawHint(t);
}

bool LoadingScreen::handleEvent(const InputEvent& event) {
    bool finishing = event.kind == InputEvent::MousePress;
    if (event.kind == InputEvent::KeyPress) {
        Key key = event.key;
        finishing = key == Key::Return || key == Key::Space || key == Key::Escape;
    }
    if (finishing) finishIntro();
    return finishing;
}

void LoadingScreen::finishIntro() {
    entered = true;
    pushScreen(app.mainMenu);
}
