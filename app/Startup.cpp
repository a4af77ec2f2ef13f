#include <GL/gl.h>
#include <SDL/SDL.h>

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
#include "render/Mesh.h"
#include "screens/CompletionScreen.h"
#include "screens/GameScreen.h"
#include "screens/LoadingScreen.h"
#include "screens/MainMenu.h"
#include "screens/MissionBriefingScreen.h"
#include "screens/MissionMenu.h"

namespace {

constexpr int fallbackWidth = 1280;  // pixels
constexpr int fallbackHeight = 720;  // pixels

bool setVideoMode(int width, int height, bool fullscreen) {
    Uint32 flags = SDL_HWSURFACE | SDL_OPENGL | SDL_HWACCEL;
    if (fullscreen) flags |= SDL_FULLSCREEN;
    return SDL_SetVideoMode(width, height, 32, flags) != nullptr;
}

// Opens the stored mode; a mode that cannot be had falls back to a plain
// window rather than running on without a GL context.
void openWindow() {
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    if (!usableWindowSize(app.width, app.height)) {
        std::printf("ERROR: Unusable window size %dx%d. Using %dx%d.\n", app.width, app.height,
                    fallbackWidth, fallbackHeight);
    } else if (setVideoMode(app.width, app.height, app.fullscreen)) {
        return;
    } else {
        std::printf("ERROR: Failed to set video mode %dx%d: %s. Using %dx%d.\n", app.width,
                    app.height, SDL_GetError(), fallbackWidth, fallbackHeight);
    }
    app.width = fallbackWidth;
    app.height = fallbackHeight;
    app.fullscreen = false;
    if (setVideoMode(app.width, app.height, false)) return;
    std::printf("ERROR: Failed to open a window: %s\n", SDL_GetError());
    SDL_Quit();
    std::exit(EXIT_FAILURE);
}

void setUpGl() {
    const GLubyte* version = glGetString(GL_VERSION);
    std::printf("Opengl %s\n", version ? reinterpret_cast<const char*>(version) : "(unknown)");
    initMeshRendering();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

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
    // A window opens at (100, 30) on the desktop; a full screen covers the
    // display from its corner, which the position would push off it.
    if (!app.fullscreen) setenv("SDL_VIDEO_WINDOW_POS", "100,30", 1);
    // The desktop entry's StartupWMClass: the desktop groups the window under its icon.
    setenv("SDL_VIDEO_X11_WMCLASS", "astrello", 0);
    SDL_Init(SDL_INIT_VIDEO);
    catchQuitSignals();  // the window library may have put its own handlers in
    openWindow();
    SDL_WM_SetCaption("Astrello", "Astrello");
    SDL_EnableUNICODE(1);
    SDL_EnableKeyRepeat(500, 30);
    setUpGl();
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
    SDL_Quit();
}
