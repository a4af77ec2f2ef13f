// Milliseconds per frame for each screen at the window's size (1280 x 720 on
// a first run), each frame finished with glFinish, beside a bare
// clear-and-swap frame; the game screen also with the paths of the longest
// flight. Needs the window: initializeGameForFrames() first.
//
// A frame is timed in processor time of the whole process, the renderer's
// threads included: on a shared machine wall-clock time measures the other
// programs, while this sum is the frame's own work, which an idle machine
// spreads over its cores (so wall-clock time is at most this).
#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "app/Application.h"
#include "app/Button.h"
#include "app/Widget.h"
#include "platform/Window.h"
#include "bench/Missions.h"
#include "bench/Sections.h"
#include "bench/Timing.h"
#include "missions/Mission.h"
#include "screens/CompletionScreen.h"
#include "screens/GameScreen.h"
#include "screens/IntroScreen.h"
#include "screens/MainMenu.h"
#include "screens/MissionBriefingScreen.h"
#include "screens/MissionMenu.h"
#include "screens/ProgramEditor.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

std::unique_ptr<Application> app;  // the game, once its window is open

const double targetMs = 1000.0 / 60.0;
const int warmUpFrames = 10;

// Median milliseconds of `frames` frames; `between` runs untimed before each.
double timeFrames(
    const std::function<void()>& frame, int frames, const std::function<void()>& between = [] {}) {
    std::vector<double> samples;
    for (int i = -warmUpFrames; i < frames; ++i) {
        between();
        double start = processSeconds();
        frame();
        swapWindow();
        glFinish();
        if (i >= 0) samples.push_back((processSeconds() - start) * 1e3);
    }
    return median(samples);
}

int liveParticles(const ParticleSet& set) {
    int live = 0;
    for (const Particle& p : set.items) live += p.life > 0;
    return live;
}

// The intro with its exhaust grown until it no longer gains particles.
std::string prepareIntro() {
    IntroScreen& intro = *app->introScreen;
    intro.entered = true;
    intro.update();
    int live = 0;
    for (int i = 0; i < 5000; ++i) {
        intro.exhaust.step(app->ui.window());
        int now = liveParticles(intro.exhaust);
        if (i > 200 && now <= live) break;
        live = std::max(live, now);
    }
    return "intro (exhaust " + std::to_string(liveParticles(intro.exhaust)) + " live)";
}

// The game screen on the busiest mission, its winning program loaded.
Mission* prepareGame(const Solution& busy) {
    Mission* mission = loadMission(app->missions, app->world, busy);
    if (!mission) return nullptr;
    app->gameScreen->entered = true;
    app->gameScreen->update();
    return mission;
}

// A won run of `busy`, as the completion screen shows it.
void prepareCompletion(const Solution& busy) {
    const RunResult& run = app->world.result;
    if (!loadMission(app->missions, app->world, busy)) return;
    for (long i = 0; i < 2000000 && !run.won && !run.failed; ++i) app->world.step();
    app->world.reset();
}

// The solution that flies longest before it wins.
const Solution* longestFlight(const std::vector<Solution>& solutions, long& steps) {
    const Solution* longest = nullptr;
    steps = 0;
    for (const Solution& s : solutions) {
        if (!loadMission(app->missions, app->world, s)) continue;
        const RunResult& run = app->world.result;
        long n = 0;
        while (!run.won && !run.failed && n < 2000000) {
            app->world.step();
            ++n;
        }
        if (n > steps) {
            steps = n;
            longest = &s;
        }
    }
    return longest;
}

// Runs the game screen's program for about `steps` steps, in turbo.
void flyFor(long steps) {
    GameScreen& game = *app->gameScreen;
    game.setRunning(true);
    game.turboButton->clicked = true;
    game.update();
    while (app->world.time < steps && app->world.running) game.update();
}

// The game screen on the longest flight with its paths: stopped, with the
// ghost of a run stopped just short of the win, the preview and the third
// instruction's stretch; the same while a value is dragged, changed in every
// third frame (the preview is flown in that frame, its two neighbours in the
// next two); and running near the end, the trail over the ghost.
void benchPaths(const std::vector<Solution>& solutions, int frames,
                const std::function<void(const std::string&, double)>& row) {
    long steps = 0;
    const Solution* longest = longestFlight(solutions, steps);
    if (!longest || !prepareGame(*longest)) return;
    GameScreen& game = *app->gameScreen;
    const std::string name = longest->mission;
    flyFor(steps - 100);
    game.stopRun();
    game.editor->selected = 2;
    row("paths stopped, " + name, timeFrames([] { app->gameScreen->draw(); }, frames));
    int frame = 0;
    row("paths dragging, " + name, timeFrames([] { app->gameScreen->draw(); }, frames, [&] {
            if (frame++ % 3 == 0) app->world.rocket->program[2].value += frame % 2 ? 1 : -1;
        }));
    flyFor(steps - 2000);
    row("paths running, " + name,
        timeFrames([] { app->gameScreen->draw(); }, frames, [] { app->gameScreen->update(); }));
    game.stopRun();
}

}  // namespace

Application& initializeGameForFrames(const std::string& folder) {
    if (chdir(folder.c_str()) != 0) fprintf(stderr, "cannot enter %s\n", folder.c_str());
    app = std::make_unique<Application>(GameFolders{});
    app->start();
    return *app;
}

void benchFrames(const std::vector<Solution>& solutions, const std::string& busyMission,
                 int rounds) {
    const int frames = 30 * rounds;
    char size[32];
    snprintf(size, sizeof size, " %dx%d", app->ui.width, app->ui.height);
    auto row = [&](const std::string& name, double ms, double bare) {
        printRow(Row{"frame", name + size, ms, bare, "ms", targetMs, false});
    };
    double bare = timeFrames([] { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }, frames);
    printRow(Row{"frame", std::string("bare clear and swap") + size, bare, 0.0, "ms", 0.0, false});

    std::string intro = prepareIntro();
    row(intro,
        timeFrames([] { app->introScreen->draw(); }, frames,
                   [] { app->introScreen->exhaust.step(app->ui.window()); }),
        bare);
    app->mainMenu->entered = true;
    row("main menu",
        timeFrames([] { app->mainMenu->draw(); }, frames, [] { app->mainMenu->update(); }), bare);
    app->missionMenu->entered = true;
    row("mission menu, " + app->missionMenu->currentPage,
        timeFrames([] { app->missionMenu->draw(); }, frames, [] { app->missionMenu->update(); }),
        bare);

    const Solution* busy = nullptr;
    for (const Solution& s : solutions) {
        if (s.mission == busyMission) busy = &s;
    }
    if (!busy) {
        fprintf(stderr, "frames: no solution for %s\n", busyMission.c_str());
        return;
    }
    loadMission(app->missions, app->world, *busy);
    app->briefingScreen->entered = true;
    row("briefing, " + busyMission,
        timeFrames([] { app->briefingScreen->draw(); }, frames,
                   [] { app->briefingScreen->update(); }),
        bare);
    if (prepareGame(*busy)) {
        row("game stopped, " + busyMission, timeFrames([] { app->gameScreen->draw(); }, frames),
            bare);
        app->gameScreen->setRunning(true);
        row("game running, " + busyMission,
            timeFrames([] { app->gameScreen->draw(); }, frames, [] { app->gameScreen->update(); }),
            bare);
        app->gameScreen->setRunning(false);
    }
    benchPaths(solutions, frames, [&](const std::string& name, double ms) { row(name, ms, bare); });
    prepareCompletion(*busy);
    app->completionScreen->entered = true;
    row("completion, " + busyMission,
        timeFrames([] { app->completionScreen->draw(); }, frames,
                   [] { app->completionScreen->update(); }),
        bare);
}
