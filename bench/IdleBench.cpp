// The game left idle on its main menu for ten seconds: the processor time it
// uses and the frames it draws, paced as it ships beside the same game with
// pacing turned off (ASTRELLO_FRAME_PACING=off, the loop drawing as fast as
// it can), measured one after the other in the same run.
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

Idle watchIdleGame(const BenchPaths& paths, bool paced) {
    std::string out = paths.scratch + "/probe.txt";
    remove(out.c_str());
    pid_t child = fork();
    if (child == 0) {
        if (chdir(paths.scratch.c_str()) != 0) _exit(127);
        setenv("LD_PRELOAD", paths.probe.c_str(), 1);
        setenv("ASTRELLO_PROBE_OUT", out.c_str(), 1);
        setenv("ASTRELLO_PROBE_IDLE", std::to_string(idleSeconds).c_str(), 1);
        if (!paced) setenv("ASTRELLO_FRAME_PACING", "off", 1);
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
    Idle paced = watchIdleGame(paths, true);
    Idle unpaced = watchIdleGame(paths, false);
    if (!paced.ok || !unpaced.ok) {
        fprintf(stderr, "idle: the game showed no main menu\n");
        return;
    }
    // At most 60 frames a second, and a fraction of the unpaced loop's processor time.
    printRow(Row{"idle", "main menu 10 s: processor time", paced.cpuSeconds, unpaced.cpuSeconds,
                 "s", 0.5, true});
    printRow(Row{"idle", "main menu 10 s: frames drawn a second",
                 paced.frames / paced.wallSeconds, unpaced.frames / unpaced.wallSeconds, "fps",
                 60.5, false});
}
