// The game left idle for ten seconds: the processor time it uses and the
// frames it draws. On the main menu, which is animated, paced as it ships
// beside the same game with pacing turned off (ASTRELLO_FRAME_PACING=off, the
// loop drawing as fast as it can); on the game screen of the first mission,
// where nothing moves while the player thinks, beside the same game drawing
// every frame regardless (ASTRELLO_REDRAW=always, as it did before it drew
// only on change). Measured one after the other in the same run.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/Sections.h"
#include "bench/Timing.h"

namespace {

const double idleSeconds = 10.0;

struct Idle {
    double frames = 0.0;
    double cpuSeconds = 0.0;
    double wallSeconds = 0.0;
    bool ok = false;
};

// From the intro: the main menu, "Cadet Missions", the briefing of "Thrust", "Accept".
const char* const toGameScreen = "space Return Down Return Return";

Idle watchIdleGame(const BenchPaths& paths, const char* setting, const char* keys) {
    std::string out = paths.scratch + "/probe.txt";
    remove(out.c_str());
    pid_t child = fork();
    if (child == 0) {
        if (chdir(paths.scratch.c_str()) != 0) _exit(127);
        setenv("LD_PRELOAD", paths.probe.c_str(), 1);
        setenv("ASTRELLO_PROBE_OUT", out.c_str(), 1);
        setenv("ASTRELLO_PROBE_IDLE", std::to_string(idleSeconds).c_str(), 1);
        setenv("ASTRELLO_PROBE_KEYS", keys, 1);
        if (setting) putenv(const_cast<char*>(setting));
        freopen("/dev/null", "w", stdout);
        execl(paths.game.c_str(), paths.game.c_str(), (char*)nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    Idle idle;
    FILE* file = fopen(out.c_str(), "r");
    if (!file) return idle;
    idle.ok = fscanf(file, "%lf %lf %lf", &idle.frames, &idle.cpuSeconds, &idle.wallSeconds) == 3;
    fclose(file);
    return idle;
}

}  // namespace

void benchIdle(const BenchPaths& paths) {
    Idle paced = watchIdleGame(paths, nullptr, "space");
    Idle unpaced = watchIdleGame(paths, "ASTRELLO_FRAME_PACING=off", "space");
    Idle quiet = watchIdleGame(paths, nullptr, toGameScreen);
    Idle always = watchIdleGame(paths, "ASTRELLO_REDRAW=always", toGameScreen);
    if (!paced.ok || !unpaced.ok || !quiet.ok || !always.ok) {
        fprintf(stderr, "idle: the game showed no main menu or game screen\n");
        return;
    }
    // At most 60 frames a second, and a fraction of the unpaced loop's processor time.
    printRow(Row{"idle", "main menu 10 s: processor time", paced.cpuSeconds, unpaced.cpuSeconds,
                 "s", 0.5, true});
    printRow(Row{"idle", "main menu 10 s: frames drawn a second",
                 paced.frames / paced.wallSeconds, unpaced.frames / unpaced.wallSeconds, "fps",
                 60.5, false});
    // At most a tenth of a core: 1 s of processor time in 10 s.
    printRow(Row{"idle", "game screen 10 s, stopped: processor time", quiet.cpuSeconds,
                 always.cpuSeconds, "s", 1.0, false});
    printRow(Row{"idle", "game screen 10 s, stopped: frames drawn a second",
                 quiet.frames / quiet.wallSeconds, always.frames / always.wallSeconds, "fps", 0.0,
                 false});
}
