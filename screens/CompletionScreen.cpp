#include "screens/CompletionScreen.h"

#include <GL/gl.h>

#include <cstdio>
#include <iostream>

#include "app/Application.h"
#include "app/ListMenu.h"
#include "missions/Mission.h"
#include "missions/ScoreFile.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "screens/MedalTargets.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"

namespace {

const char* const medalImages[] = {"images/bronze2.png", "images/silver2.png", "images/gold2.png"};
const char* const medalNames[] = {"BRONZE", "SILVER", "GOLD"};

// One printf-formatted line of the breakdown.
std::string line(const char* format, double a, double b) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

void drawCentred(const std::string& text, float y) {
    Vec2f size = textSize(*app.font, text);
    drawText(*app.font, text, Vec2f(float(app.width / 2) - size.x / 2, y));
}

}  // namespace

int runMedal(const Mission& mission) {
    // A score of 0 counts as "never won" for a best, but a won run always earns a medal.
    int medal = medalFor(mission.score, mission);
    return medal == 0 ? 3 : medal;
}

std::string medalSentence(int medal) {
    return std::string("You got a ") + medalNames[medal - 1] + " medal.";
}

std::string scoreBreakdown(const Mission& mission) {
    std::string text;
    text += line("Thrust: % 5.0f x 1   = %5.0f\n", mission.thrustCost, mission.thrustCost);
    text += line(" Turns: % 5.0f x .1  =   %5.1f\n", mission.turnCost * 10, mission.turnCost);
    text += line("  Time: % 5.0f x .01 =    %5.2f\n", mission.timeCost * 100, mission.timeCost);
    text += "-----------------------------\n";
    char total[64];
    std::snprintf(total, sizeof total, " Total:                 %5.2f\n", mission.score);
    return text + total;
}

void recordResult() {
    Mission* mission = app.world.mission;
    if (!mission || !app.world.rocket) return;
    std::string text = programText(app.world.rocket->program);
    // A program with damaged values can win with a score no sound run makes;
    // as a best it would beat every real one and could not be read back.
    if (!storableBest(mission->score, text)) {
        std::printf("ERROR: A score of %g cannot be kept as the best.\n", double(mission->score));
        return;
    }
    if (mission->bestScore == 0.0f || mission->score <= mission->bestScore) {
        mission->bestScore = mission->score;
        mission->savedProgram = text;
    }
}

void recordShownResult() {
    if (app.completionScreen && currentScreen() == app.completionScreen) recordResult();
}

CompletionScreen::CompletionScreen() { entered = true; }

void CompletionScreen::update() { menuUpdate(*this); }

void CompletionScreen::draw() {
    beginMenuFrame();
    const Mission* mission = app.world.mission;
    if (!mission) return;
    int medal = runMedal(*mission);
    glColor3f(1, 1, 1);
    drawImage(*getTexture(medalImages[medal - 1]),
              Vec2f(float(app.width / 2 - 256), float(app.height / 2 - 206)));
    drawCentred("Congratulations!", float(app.height - 40));
    drawCentred(medalSentence(medal), float(app.height - 70));
    drawMedalTargets();
    glColor3f(0.7f, 0.7f, 0.7f);
    drawCentred(scoreBreakdown(*mission), 100.0f);
}

bool CompletionScreen::handleEvent(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN) {
        SDLKey key = event.key.keysym.sym;
        if (key == SDLK_ESCAPE || key == SDLK_RETURN) dismiss();
        return true;
    }
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        dismiss();
        return true;
    }
    return false;
}

void CompletionScreen::dismiss() {
    popScreen();
    entered = true;
    recordResult();
    app.scores.save(app.missions, std::cout);
}
