#pragma once

#include <string>
#include <vector>

#include "bench/Missions.h"

class Application;
struct World;

// Each section prints its rows of the table; `rounds` samples per figure,
// of which the median is shown. The solutions fly the missions of `missions`.
void benchWorldSteps(const MissionRegistry& missions, World& world,
                     const std::vector<Solution>& solutions, int rounds);
void benchOptimizer(const MissionRegistry& missions, World& world,
                    const std::vector<Solution>& solutions, int rounds);
void benchPreview(const MissionRegistry& missions, World& world,
                  const std::vector<Solution>& solutions, int rounds);
// Wall seconds until a run ends with turbo, on every mission, empty and solved.
void benchRunEnd(const MissionRegistry& missions, World& world,
                 const std::vector<Solution>& solutions);
// The whole `astrello-run optimize` process per mission from the gold limit,
// on every core beside one thread (--threads 1).
void benchOptimizerProcess(const std::string& runner, const MissionRegistry& missions,
                           const std::vector<Solution>& solutions, int rounds);

// Programs and folders the start-up and frame sections need.
struct BenchPaths {
    std::string game;        // the game's executable
    std::string bareWindow;  // the baseline program
    std::string probe;       // the preloaded frame probe
    std::string scratch;     // a folder with images/ and models/ and no saved files
};
void benchStartup(const BenchPaths& paths, int rounds);
// The game idle on its main menu for 10 s, paced and unpaced: processor time
// and frames drawn.
void benchIdle(const BenchPaths& paths);
// Opens the game's window and builds its screens, as the game starts; run
// from `folder` (see BenchPaths::scratch). Afterwards textures are real.
Application& initializeGameForFrames(const std::string& folder);
// Each screen's frame; the game, briefing and completion screens on `busyMission`.
void benchFrames(const std::vector<Solution>& solutions, const std::string& busyMission,
                 int rounds);
