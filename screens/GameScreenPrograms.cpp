#include <iostream>

#include "app/Application.h"
#include "missions/EditedPrograms.h"
#include "missions/Mission.h"
#include "platform/Clock.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"

namespace {

// Read on first use, so that the save folder is settled by then.
EditedProgramsFile& keptPrograms() {
    static EditedProgramsFile file = [] {
        EditedProgramsFile read(GameScreen::keptProgramsFile);
        read.load(std::cout);
        return read;
    }();
    return file;
}

// The ship's program in the form "programs.dat" keeps.
std::string editedText(const World& world) {
    std::string text = programText(world.rocket->program);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace

std::string GameScreen::keptProgramsFile;

bool GameScreen::restoreEditedProgram() {
    World& world = app.world;
    if (!world.mission || !world.rocket) return false;
    const std::string* kept = keptPrograms().find(world.mission->name);
    return kept && parseProgramText(*kept, world.rocket->program);
}

void GameScreen::keepEditedProgram() {
    const World& world = app.world;
    if (!world.mission || !world.rocket) return;
    keptPrograms().edit(world.mission->name, editedText(world), secondsSinceStart());
    keptPrograms().write(std::cout);
}

void GameScreen::keepEditsSoon() {
    const World& world = app.world;
    if (!world.mission || !world.rocket || world.running) return;
    const double now = secondsSinceStart();
    keptPrograms().edit(world.mission->name, editedText(world), now);
    keptPrograms().writeIfDue(now, std::cout);
}

void GameScreen::writeKeptPrograms() { keptPrograms().write(std::cout); }

void GameScreen::loadBestProgram() {
    World& world = app.world;
    if (!world.mission || !world.rocket) return;
    const std::string& best = app.records.program(world.mission->name);
    if (best.empty()) {
        say("No best program yet: win the mission first");
        return;
    }
    parseProgramText(best, world.rocket->program);
    editor->selected = 0;
    editor->digits.select(-1);  // a new program: the first digit starts afresh
    editor->digits.select(0);
    say("Best program loaded");
}
