#include <iostream>

#include "missions/EditedPrograms.h"
#include "missions/Mission.h"
#include "platform/Clock.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"

EditedProgramsFile& GameScreen::keptPrograms() {
    if (!keptRead) keptTexts.load(std::cout);
    keptRead = true;
    return keptTexts;
}

namespace {

// The ship's program in the form "programs.dat" keeps.
std::string editedText(const World& world) {
    std::string text = programText(world.rocket->program);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace

bool GameScreen::restoreEditedProgram() {
    if (!world.mission || !world.rocket) return false;
    const std::string* kept = keptPrograms().find(nameOf(world));
    return kept && parseProgramText(*kept, world.rocket->program);
}

void GameScreen::keepEditedProgram() {
    if (!world.mission || !world.rocket) return;
    keptPrograms().edit(nameOf(world), editedText(world), secondsSinceStart());
    keptPrograms().write(std::cout);
}

void GameScreen::keepEditsSoon() {
    if (!world.mission || !world.rocket || world.running) return;
    const double now = secondsSinceStart();
    keptPrograms().edit(nameOf(world), editedText(world), now);
    keptPrograms().writeIfDue(now, std::cout);
}

void GameScreen::writeKeptPrograms() { keptPrograms().write(std::cout); }

void GameScreen::loadBestProgram() {
    if (!world.mission || !world.rocket) return;
    const std::string& best = records.program(nameOf(world));
    if (best.empty()) {
        say("No best program yet: win the mission first");
        return;
    }
    parseProgramText(best, world.rocket->program);
    editor->startAfresh();
    say("Best program loaded");
}
