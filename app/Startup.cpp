#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/Application.h"
#include "app/Options.h"
#include "app/OptionsMenu.h"
#include "app/QuitSignals.h"
#include "app/Widget.h"
#include "missions/Missions.h"
#include "missions/ScoreFile.h"
#include "render/Font.h"
#include "render/DrawingSetup.h"
#include "screens/CompletionScreen.h"
#include "screens/GameScreen.h"
#include "screens/LoadingScreen.h"
#include "screens/MainMenu.h"
#include "screens/MissionBriefingScreen.h"
#include "screens/MissionMenu.h"
#include "platform/Window.h"

namespace {

void createScreens() {
    app.loadingScreen = new LoadingScreen;
    app.briefingScreen = new MissionBriefingScreen;
    app.gameScreen = new GameScreen;
    app.completionScreen = new CompletionScreen;
    app.mainMenu = new MainMenu;
    app.missionMenu = new MissionMenu;
    app.optionsMenu = new OptionsMenu;
    pushScreen(app.loadingScreen);
}

}  // namespace

void initialize() {
    catchQuitSignals();
    loadOptions();
    WindowMode mode = openWindow(WindowMode{app.width, app.height, app.fullscreen});
    catchQuitSignals();  // the window library may have put its own handlers in
    app.width = mode.width;
    app.height = mode.height;
    app.fullscreen = mode.fullscreen;
    setUpDrawing();
    app.font = new Font("images/font.png", -5, 2);
    app.smallFont = new Font("images/font_small.png", -9, -5);
    // The world needs no set-up of its own: a mission's first reset builds it.
    // The menus are made from the missions, so these load first; the
    // player's own missions sit beside "save.dat".
    registerMissions(app.missions);
    if (!app.folders.saveUnknown) loadCustomMissions(app.folders.save, app.missions, std::cout);
    createScreens();
    app.scores.load(app.records, std::cout);
}

void shutdown() {
    std::printf("Quitting program.\n");
    // A win still on show would otherwise be lost with the window.
    recordShownResult();
    app.scores.save(app.records, std::cout);
    // The program on the game screen is kept, however the game ends.
    if (app.gameScreen && currentScreen() == app.gameScreen) app.gameScreen->keepEditedProgram();
    GameScreen::writeKeptPrograms();
    closeWindow();
}
