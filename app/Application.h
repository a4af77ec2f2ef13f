#pragma once

#include <memory>
#include <random>

#include "app/Options.h"
#include "app/Ui.h"
#include "core/GameFolders.h"
#include "missions/Missions.h"
#include "missions/Records.h"
#include "missions/ScoreFile.h"
#include "render/Particles.h"
#include "render/Texture.h"
#include "sim/World.h"

class IntroScreen;
class MissionBriefingScreen;
class GameScreen;
class CompletionScreen;
class MainMenu;
class MissionMenu;
class OptionsMenu;
struct Font;

// The game once its folders are chosen: it owns the window's state, the
// textures, the fonts, the missions, the scores, the world, the random
// generator, the star field and the screens, and hands each screen what it
// works with.
class RedrawGate;

class Application {
public:
    explicit Application(const GameFolders& folders);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up, in order: options, window, GL state, fonts, missions,
    // screens, scores.
    void start();
    // Runs until the player quits, a frame at a time (in a browser, a frame
    // whenever the page asks for one).
    void run();
    // Events, fixed 0.05 s updates, and a frame drawn and shown when the
    // gate wants one.
    void runFrame(RedrawGate& gate);
    // After the loop: the farewell line, the score save, the window closed.
    void shutdown();

    // Public for the frame benchmark, which drives the screens one by one.
    GameFolders folders;
    StoredOptions options;  // "options.dat"
    Ui ui;
    // Shared by the star field, the intro's particles and the optimizer, in
    // the order they draw; seeded from the clock after the first star field.
    std::mt19937 random;
    StarField stars;  // draws from `random`
    // The images the screens and fonts draw, read from the data folder; owned
    // here, before the fonts that point into it.
    TextureCache textures;
    std::unique_ptr<Font> font, smallFont;
    MissionRegistry missions;  // missions by name, owned
    MissionGroups missionGroups;  // which are the campaign's, by rank, and which the player's
    ScoreFile scores;          // "save.dat" of the missions
    Records records;           // the player's best scores and programs, as "save.dat" keeps them
    World world;
    std::unique_ptr<CompletionScreen> completionScreen;
    std::unique_ptr<GameScreen> gameScreen;
    std::unique_ptr<MissionBriefingScreen> briefingScreen;
    std::unique_ptr<MissionMenu> missionMenu;
    std::unique_ptr<OptionsMenu> optionsMenu;
    std::unique_ptr<MainMenu> mainMenu;
    std::unique_ptr<IntroScreen> introScreen;

private:
    void createScreens();
};
