#include "screens/MissionBriefingScreen.h"

#include "app/ListMenu.h"
#include "render/FlatShapes.h"
#include "render/MenuFrame.h"
#include "missions/Mission.h"
#include "render/Font.h"
#include "screens/GameScreen.h"
#include "screens/MedalTargets.h"
#include "screens/ProgramEditor.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

// Window pixels: the first choice's baseline and the distance between choices.
constexpr int choicesTop = 80;
constexpr int choiceSpacing = 32;

int choiceY(int i) { return choicesTop - choiceSpacing * i; }

void drawCentred(const Ui& ui, const Font& font, const std::string& text, int y) {
    Vec2f size = textSize(font, text);
    drawText(font, text, Vec2f(float(ui.width / 2) - size.x / 2, float(y)));
}

// The briefings are long; smaller windows get the small font.
const Font& briefingFont(const Ui& ui) {
    return ui.width >= 1024 && ui.height >= 720 ? *ui.font : *ui.smallFont;
}

}  // namespace

MissionBriefingScreen::MissionBriefingScreen(Ui& ui, World& world, const Records& records,
                                             GameScreen& game)
    : Widget(ui), choices{"Accept", "Reject"}, world(world), records(records), game(game) {
    entered = true;
}

void MissionBriefingScreen::update() {
    if (entered) {
        restartTimer();
        selected = 0;
    }
    ui.stars->step(ui.window());
}

void MissionBriefingScreen::draw() {
    beginMenuFrame(ui.window());
    const Mission* mission = missionOf(world);
    if (mission) {
        setColour(1, 1, 1);
        drawCentred(ui, *ui.font, mission->name, ui.height - 40);
        setColour(0.7f, 0.7f, 0.7f);
        drawCentred(ui, briefingFont(ui), mission->briefing, ui.height - 70);
    }
    setColour(0.3f, 0.3f, 0.5f);
    drawCentred(ui, *ui.font, "*-------------------------*", choiceY(selected));
    if (mission) drawMedalTargets(ui, *mission, records.best(mission->name));
    for (size_t i = 0; i < choices.size(); ++i) {
        setColour(0.7f, 0.7f, 0.7f);
        drawCentred(ui, *ui.font, choices[i], choiceY(int(i)));
    }
    endMenuFrame(*ui.stars, ui.window());
}

bool MissionBriefingScreen::handleEvent(const InputEvent& event) {
    int last = int(choices.size()) - 1;
    switch (event.kind) {
        case InputEvent::MouseMove: {
            int py = event.y;
            for (int i = 0; i <= last; ++i) {
                float height = textSize(*ui.font, choices[i]).y;
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
        ui.popScreen();
        entered = true;
    } else if (choice == "Accept") {
        ui.popScreen();
        ui.pushScreen(&game);
        entered = true;
        // Carry on from the best solution found so far.
        if (world.mission && world.rocket) {
            parseProgramText(records.program(nameOf(world)), world.rocket->program);
            // Unless the player left an unfinished program there.
            game.restoreEditedProgram();
        }
        game.editor->startAfresh();
    }
}
