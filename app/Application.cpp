#include "app/Application.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstdio>
#include <ctime>
#include <iostream>

#include "platform/FramePacer.h"
#include "screens/OptionsMenu.h"
#include "app/QuitSignals.h"
#include "app/RedrawGate.h"
#include "missions/Mission.h"
#include "platform/Clock.h"
#include "platform/Window.h"
#include "render/DrawingSetup.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "screens/CompletionScreen.h"
#include "screens/GameScreen.h"
#include "screens/IntroScreen.h"
#include "screens/MainMenu.h"
#include "screens/MissionBriefingScreen.h"
#include "screens/MissionMenu.h"

namespace {

constexpr int starCount = 1000;

}  // namespace

// The star field draws from the generator in its default state, so the
// first star field is the same on every start; then the generator is seeded
// from the calendar time and its first outputs are thrown away.
Application::Application(const GameFolders& folders_)
    : folders(folders_),
      stars(starCount, random),
      textures(folders_.data),
      scores(folders_.save, !folders_.saveUnknown) {
    random.seed(static_cast<uint32_t>(std::time(nullptr)));
    random.discard(100);
    options.file = folders.configFile("options.dat");
    ui.stars = &stars;
    ui.textures = &textures;
}

// Members go in reverse order: the screens first, then the world, then the
// missions it points at. The GL objects they hold are gone with the window.
Application::~Application() = default;

void Application::createScreens() {
    completionScreen = std::make_unique<CompletionScreen>(ui, world, records, scores);
    gameScreen = std::make_unique<GameScreen>(ui, world, records, random, options,
                                              *completionScreen, folders.saveFile("programs.dat"));
    briefingScreen = std::make_unique<MissionBriefingScreen>(ui, world, records, *gameScreen);
    missionMenu = std::make_unique<MissionMenu>(ui, missions, missionGroups, records, world,
                                                *briefingScreen);
    optionsMenu = std::make_unique<OptionsMenu>(ui, options);
    mainMenu = std::make_unique<MainMenu>(ui, missions, records, folders, scores, *missionMenu,
                                          *optionsMenu);
    introScreen = std::make_unique<IntroScreen>(ui, random, *mainMenu);
    ui.pushScreen(introScreen.get());
}

void Application::start() {
    catchQuitSignals();
    options.load();
    const Settings& stored = options.settings;
    WindowMode mode = openWindow(WindowMode{stored.width, stored.height, stored.fullscreen});
    catchQuitSignals();  // the window library may have put its own handlers in
    ui.width = mode.width;
    ui.height = mode.height;
    setUpDrawing();
    font = std::make_unique<Font>(textures, "images/font.png", -5, 2);
    smallFont = std::make_unique<Font>(textures, "images/font_small.png", -9, -5);
    ui.font = font.get();
    ui.smallFont = smallFont.get();
    // The world needs no set-up of its own: a mission's first reset builds it.
    // The menus are made from the missions, so these load first; the
    // player's own missions sit beside "save.dat".
    loadCampaign(folders.dataFile("campaign"), missions, missionGroups, std::cout);
    if (!folders.saveUnknown)
        loadCustomMissions(folders.saveFile("custom-missions"), folders.data, missions,
                           missionGroups, std::cout);
    createScreens();
    scores.load(records, std::cout);
}

void Application::run() {
    ui.clock = secondsSinceStart();
    ui.stepCount = 0;
    if (quitSignalled()) ui.running = false;
    if (!ui.running) return;
#ifdef __EMSCRIPTEN__
    // The browser asks for each frame when it can show one: the page never
    // blocks. This call does not return; main()'s frame, which holds the game,
    // stays, but not this one's, so the gate is kept aside.
    static RedrawGate gate(redrawAlways());
    emscripten_set_main_loop_arg(
        [](void* game) {
            Application& self = *static_cast<Application*>(game);
            self.runFrame(gate);
            if (!self.ui.running) emscripten_cancel_main_loop();
        },
        this, 0, true);
#else
    RedrawGate gate(redrawAlways());
    FramePacer pacer(gameFrameRate());
    while (ui.running) {
        runFrame(gate);
        pacer.pace();
    }
#endif
}

void Application::runFrame(RedrawGate& gate) {
    double now = secondsSinceStart();
    InputEvent event;
    while (pollEvent(event)) {
        ui.processEvent(event);
        gate.input(now);
    }
    // A termination signal ends the program like closing the window.
    if (quitSignalled()) ui.running = false;
    ui.runFixedUpdates(now);
    Widget* screen = ui.currentScreen();
    if (gate.wanted(screen, now)) {
        screen->draw();
        swapWindow();
    }
}

void Application::shutdown() {
    std::printf("Quitting program.\n");
    // A win still on show would otherwise be lost with the window.
    completionScreen->recordIfShown();
    scores.save(records, std::cout);
    // The program on the game screen is kept, however the game ends.
    if (ui.currentScreen() == gameScreen.get()) gameScreen->keepEditedProgram();
    gameScreen->writeKeptPrograms();
    closeWindow();
}
