#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/Application.h"
#include "missions/Level.h"
#include "missions/Levels.h"
#include "screens/GameScreen.h"
#include "sim/Optimizer.h"

// Test-only way onto the game screen, standing in for the mission menu and
// the briefing: make a mission current with an empty program, reset the
// world and show the game screen, which opens stopped at its next update.

// The one game screen of the test process, created on first use.
inline GameScreen& playScreen() {
    if (!app.gameScreen) app.gameScreen = new GameScreen;
    return *app.gameScreen;
}

// Leaves nothing of an earlier test behind: empty stack, stopped world.
inline void leavePlay() {
    app.screens.clear();
    app.focus = nullptr;
    app.world.running = false;
    app.stepCount = 0;
    optimizeRequested = false;
}

inline GameScreen& enterLevel(Level& level) {
    leavePlay();
    app.world.level = &level;
    app.world.clearProgramAndReset();
    GameScreen& screen = playScreen();
    screen.entered = true;
    pushScreen(&screen);
    return screen;
}

// The registry's mission `name`; the test fails if there is none.
inline GameScreen& enterMission(const std::string& name) {
    if (app.levels.empty()) registerLevels(app.levels);
    auto found = app.levels.find(name);
    if (found == app.levels.end()) {
        ADD_FAILURE() << "no mission named " << name;
        return playScreen();
    }
    return enterLevel(*found->second);
}
