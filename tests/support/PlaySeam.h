#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/Application.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
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

inline GameScreen& enterMission(Mission& mission) {
    leavePlay();
    app.world.mission = &mission;
    app.world.clearProgramAndReset();
    GameScreen& screen = playScreen();
    screen.entered = true;
    pushScreen(&screen);
    return screen;
}

// The registry's mission `name`; the test fails if there is none.
inline GameScreen& enterMission(const std::string& name) {
    if (app.missions.empty()) registerMissions(app.missions);
    auto found = app.missions.find(name);
    if (found == app.missions.end()) {
        ADD_FAILURE() << "no mission named " << name;
        return playScreen();
    }
    return enterMission(*found->second);
}
