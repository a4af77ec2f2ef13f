#include <iostream>

#include "missions/EditedPrograms.h"
#include "missions/Mission.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"

EditedPrograms& GameScreen::keptPrograms() {
    if (!keptRead && !keptProgramsFile.empty())
        keptTexts = readEditedPrograms(keptProgramsFile, std::cout);
    keptRead = true;
    return keptTexts;
}

bool GameScreen::restoreEditedProgram() {
    if (!world.mission || !world.rocket) return false;
    const auto found = keptPrograms().find(nameOf(world));
    if (found == keptPrograms().end()) return false;
    parseProgramText(found->second, world.rocket->program);
    return true;
}

void GameScreen::keepEditedProgram() {
    if (!world.mission || !world.rocket) return;
    std::string text = programText(world.rocket->program);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    std::string& kept = keptPrograms()[missionOf(world)->name];
    if (kept == text) return;
    kept = text;
    if (!keptProgramsFile.empty()) writeEditedPrograms(keptProgramsFile, keptPrograms(), std::cout);
}

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
