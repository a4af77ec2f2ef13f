// Milliseconds from process start to the first swapped frame, and peak
// resident memory after some frames, for the game beside a bare SDL window
// with a GL context. Both run in a scratch folder that sees the game's data.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/Sections.h"
#include "bench/Timing.h"

namespace {

struct Launch {
    double firstFrameMs = 0.0;
    double peakKilobytes = 0.0;
    bool ok = false;
};

// Runs `program` with the frame probe preloaded, in `folder`.
Launch launch(const std::string& program, const std::string& probe, const std::string& folder,
              int frames) {
    std::string out = folder + "/probe.txt";
    remove(out.c_str());
    double start = nowSeconds();
    pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        setenv("LD_PRELOAD", probe.c_str(), 1);
        setenv("ASTRELLO_PROBE_OUT", out.c_str(), 1);
        setenv("ASTRELLO_PROBE_FRAMES", std::to_string(frames).c_str(), 1);
        freopen("/dev/null", "w", stdout);
        execl(program.c_str(), program.c_str(), (char*)nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    Launch result;
    FILE* file = fopen(out.c_str(), "r");
    if (!file) return result;
    double firstFrame = 0.0;
    long kilobytes = 0;
    result.ok = fscanf(file, "%lf %ld", &firstFrame, &kilobytes) == 2;
    fclose(file);
    result.firstFrameMs = (firstFrame - start) * 1e3;
    result.peakKilobytes = double(kilobytes);
    return result;
}

}  // namespace

void benchStartup(const BenchPaths& paths, int rounds) {
    const int framesForMemory = 120;  // memory is taken once the screen is running
    std::vector<double> gameMs, bareMs, gameMb, bareMb;
    for (int r = 0; r < rounds; ++r) {
        Launch game = launch(paths.game, paths.probe, paths.scratch, framesForMemory);
        Launch bare = launch(paths.bareWindow, paths.probe, paths.scratch, framesForMemory);
        if (!game.ok || !bare.ok) {
            fprintf(stderr, "start-up: the game or the bare window showed no frame\n");
            return;
        }
        gameMs.push_back(game.firstFrameMs);
        bareMs.push_back(bare.firstFrameMs);
        gameMb.push_back(game.peakKilobytes / 1024.0);
        bareMb.push_back(bare.peakKilobytes / 1024.0);
    }
    printRow(Row{"start-up", "first frame", median(gameMs), median(bareMs), "ms", 400.0, false});
    printRow(Row{"start-up", "peak resident memory (120 frames)", median(gameMb), median(bareMb),
                 "MB", 0.0, false});
}
