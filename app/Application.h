#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "core/GameFolders.h"
#include "missions/Missions.h"
#include "missions/ScoreFile.h"
#include "render/Particles.h"
#include "sim/World.h"

class Widget;
class LoadingScreen;
class MissionBriefingScreen;
class GameScreen;
class CompletionScreen;
class MainMenu;
class MissionMenu;
class OptionsMenu;
struct Font;

// The one process-wide object. It owns the screens, the fonts, the mission
// registry, the world, the random generator and the star field; every
// pointer between screens, widgets, missions and the world is non-owning.
struct Application {
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Widget* focus = nullptr;       // receives input first
    std::vector<Widget*> screens;  // the screen stack; current = back()
    LoadingScreen* loadingScreen = nullptr;
    MissionBriefingScreen* briefingScreen = nullptr;
    GameScreen* gameScreen = nullptr;
    CompletionScreen* completionScreen = nullptr;
    MainMenu* mainMenu = nullptr;
    MissionMenu* missionMenu = nullptr;
    OptionsMenu* optionsMenu = nullptr;
    MissionRegistry missions;  // missions by name, owned
    GameFolders folders;                   // where data is read and files kept
    ScoreFile scores;          // "save.dat" of the missions
    Records records;           // the player's best scores and programs, as "save.dat" keeps them
    std::string saveProblem;   // why the last save failed; "" when it did not
    World world;
    // Shared by the star field, the intro's particles and the optimizer, in
    // the order they draw; seeded from the clock after the first star field.
    std::mt19937 random;
    StarField stars;            // draws from `random`
    Font* font = nullptr;       // large bitmap font
    Font* smallFont = nullptr;  // small bitmap font
    int32_t stepCount = 0;      // fixed updates since the main loop began
    double clock = 0.0;         // seconds; +0.05 per fixed update
    int32_t width = 1280;       // window width, pixels
    int32_t height = 720;       // window height, pixels
    bool fullscreen = false;
    bool running = true;  // cleared to end the main loop

    WindowSize window() const { return WindowSize{width, height}; }
};

extern Application app;

// Start-up, in the designed order: options, window, GL state, fonts, world,
// screens, missions, scores.
void initialize();
// Runs until app.running is cleared: events, fixed 0.05 s updates, one frame.
void mainLoop();
// Shutdown after the loop: the farewell line, the score save, the window closed.
void shutdown();
// One iteration's fixed-step catch-up: updates the current screen while
// app.clock < now. Split out so the loop's arithmetic can be tested.
void runFixedUpdates(double now);
