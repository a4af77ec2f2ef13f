#include <iostream>

#include "app/Application.h"
#include "missions/EditedPrograms.h"
#include "missions/Mission.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"

namespace {

// Read on first use, so that the save folder is settled by then.
EditedPrograms& keptPrograms() {
    static EditedPrograms programs =
        GameScreen::keptProgramsFile.empty()
            ? EditedPrograms()
            : readEditedPrograms(GameScreen::keptProgramsFile, std::cout);
    return programs;
}

}  // namespace

std::string GameScreen::keptProgramsFile;

bool GameScreen::restoreEditedProgram() {
    World& world = app.world;
    if (!world.mission || !world.rocket) return false;
    const auto found = keptPrograms().find(world.mission->name);
    if (found == keptPrograms().end()) return false;
    parseProgramText(found->second, world.rocket->program);
    return true;
}

void GameScreen::keepEditedProgram() {
    const World& world = app.world;
    if (!world.mission || !world.rocket) return;
    std::string text = programText(world.rocket->program);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    std::string& kept = keptPrograms()[world.mission->name];
    if (kept == text) return;
    kept = text;
    if (!keptProgramsFile.empty()) writeEditedPrograms(keptProgramsFile, keptPrograms(), std::cout);
}

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
