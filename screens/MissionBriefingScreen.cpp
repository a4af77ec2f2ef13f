#include "screens/MissionBriefingScreen.h"

#include <GL/gl.h>

#include "app/Application.h"
#include "app/ListMenu.h"
#include "missions/Mission.h"
#include "render/Font.h"
#include "screens/GameScreen.h"
#include "screens/MedalTargets.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"

namespace {

// Window pixels: the first choice's baseline and the distance between choices.
constexpr int choicesTop = 80;
constexpr int choiceSpacing = 32;

int choiceY(int i) { return choicesTop - choiceSpacing * i; }

void drawCentred(const Font& font, const std::string& text, int y) {
    Vec2f size = textSize(font, text);
    drawText(font, text, Vec2f(float(app.width / 2) - size.x / 2, float(y)));
}

// The briefings are long; smaller windows get the small font.
const Font& briefingFont() {
    return app.width >= 1024 && app.height >= 720 ? *app.font : *app.smallFont;
}

}  // namespace

MissionBriefingScreen::MissionBriefingScreen() : choices{"Accept", "Reject"} { entered = true; }

void MissionBriefingScreen::update() {
    if (entered) {
        restartTimer();
        selected = 0;
    }
    app.stars.step(app.window());
}

void MissionBriefingScreen::draw() {
    beginMenuFrame();
    const Mission* mission = app.world.mission;
    if (mission) {
        glColor3f(1, 1, 1);
        drawCentred(*app.font, mission->name, app.height - 40);
        glColor3f(0.7f, 0.7f, 0.7f);
        drawCentred(briefingFont(), mission->briefing, app.height - 70);
    }
    glColor3f(0.3f, 0.3f, 0.5f);
    drawCentred(*app.font, "*-------------------------*", choiceY(selected));
    drawMedalTargets();
    for (size_t i = 0; i < choices.size(); ++i) {
        glColor3f(0.7f, 0.7f, 0.7f);
        drawCentred(*app.font, choices[i], choiceY(int(i)));
    }
    endMenuFrame();
}

bool MissionBriefingScreen::handleEvent(const InputEvent& event) {
    int last = int(choices.size()) - 1;
    switch (event.kind) {
        case InputEvent::MouseMove: {
            int py = event.y;
            for (int i = 0; i <= last; ++i) {
                float height = textSize(*app.font, choices[i]).y;
                if (choiceY(i) <= py && py <= choiceY(i) + height) selected = i;
            }
            return true;
        }
        case InputEvent::MousePress:
            activate();
            return true;
        case InputEvent::KeyPress:
            if (menuKeyActivates(event.key, selected, last, last)) activate();
            return true;
        default:
            return false;
    }
}

void MissionBriefingScreen::activate() {
    if (selected < 0 || selected >= int(choices.size())) return;
    const std::string& choice = choices[selected];
    if (choice == "Reject") {
        popScreen();
        entered = true;
    } else if (choice == "Accept") {
        popScreen();
        pushScreen(app.gameScreen);
        entered = true;
        // Carry on from the best solution found so far.
        if (app.world.mission && app.world.rocket) {
            parseProgramText(app.records.program(app.world.mission->name), app.world.rocket->program);
            // Unless the player left an unfinished program there.
            GameScreen::restoreEditedProgram();
        }
    }
}
