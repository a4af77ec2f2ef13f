#include "screens/IntroScreen.h"

#include <algorithm>

#include "render/FlatShapes.h"
#include "render/Font.h"
#include "render/IntroDrawing.h"
#include "render/Texture.h"
#include "render/WindowProjection.h"

namespace {

// One line that follows the ship across the window.
const char* const introBanner =
    "Quorrin, welcome to the Astrello!   "
    "Made by the Astrello team, with warm thanks to our play-testers and to the teachers "
    "who tried it in their classes.";

// The hint fades in once the player has had a moment to watch.
constexpr double hintAfterSeconds = 3.0;
constexpr double hintFadeSeconds = 1.0;

void drawHint(const Ui& ui, double t) {
    if (t < hintAfterSeconds) return;
    float alpha = float(std::min(1.0, (t - hintAfterSeconds) / hintFadeSeconds));
    projectOntoWindow(ui.width, ui.height);
    const char* hint = "Press Space";
    Vec2f size = textSize(*ui.font, hint);
    setColour(0.8f, 0.8f, 0.8f, alpha);
    drawText(*ui.font, hint, Vec2f(float(ui.width / 2) - size.x / 2, 40.0f));
    setColour(1, 1, 1, 1);
}

}  // namespace

IntroScreen::IntroScreen(Ui& ui, std::mt19937& random, Widget& mainMenu)
    : Widget(ui), drift(random), exhaust(random), mainMenu(mainMenu) {
    drift.init(ui.window());
    exhaust.init();
    entered = true;
    shipMesh.load(ui.textures->path("models/ship_test.obj"));
    shipTexture = ui.textures->get("models/test_tex.png");
}

void IntroScreen::update() {
    if (entered) {
        restartTimer();
        drift.init(ui.window());
        exhaust.init();
    }
    drift.step(ui.window());
    exhaust.step(ui.window());
    if (ui.clock - enterTime > introSeconds) finishIntro();
}

void IntroScreen::draw() {
    double t = ui.clock - enterTime;
    float x = float(ui.width / 10.0 - 20.0 * t);  // the ship's reference, intro units
    beginIntroFrame(ui.window());
    drift.draw(ui.window());
    drawIntroShip(shipMesh, *shipTexture, x + 50, float(ui.height / 20.0));
    drawExhaustAt(exhaust, ui.window(), x + 50);
    setColour(1, 1, 1);
    Vec2f size = textSize(*ui.font, introBanner);
    drawText(*ui.font, introBanner, Vec2f(x + 150, float(ui.height / 20.0) - size.y / 2));
    drawHint(ui, t);
}

bool IntroScreen::handleEvent(const InputEvent& event) {
    bool finishing = event.kind == InputEvent::MousePress;
    if (event.kind == InputEvent::KeyPress) {
        Key key = event.key;
        finishing = key == Key::Return || key == Key::Space || key == Key::Escape;
    }
    if (finishing) finishIntro();
    return finishing;
}

void IntroScreen::finishIntro() {
    entered = true;
    ui.pushScreen(&mainMenu);
}
