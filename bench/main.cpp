// astrello-bench: prints the game's speed figures, each beside a baseline
// measured in the same run. Run from the folder that holds images/ and models/.
#include <sys/utsname.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "app/Application.h"
#include "bench/Sections.h"
#include "bench/Timing.h"
#include "missions/Levels.h"

namespace {

std::string machine() {
    std::string cpu = "unknown processor";
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("model name", 0) == 0) {
            cpu = line.substr(line.find(':') + 2);
            break;
        }
    }
    utsname names;
    std::string system = uname(&names) == 0 ? std::string(names.sysname) + " " + names.release : "";
    return cpu + ", " + std::to_string(std::thread::hardware_concurrency()) + " cores, " + system;
}

}  // namespace

int main(int argc, char** argv) {
    std::string solutionsFile = "tests/data/solutions.tsv";
    int rounds = 5;
    bool worldSection = true, optimizerSection = true;
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--solutions") && i + 1 < argc) {
            solutionsFile = argv[++i];
        } else if (!strcmp(argv[i], "--rounds") && i + 1 < argc) {
            rounds = std::max(1, atoi(argv[++i]));
        } else if (!strcmp(argv[i], "--only") && i + 1 < argc) {
            std::string only = argv[++i];
            worldSection = only == "step";
            optimizerSection = only == "F1";
        } else {
            fprintf(stderr,
                    "usage: astrello-bench [--solutions FILE] [--rounds N] [--only step|F1]\n");
            return 2;
        }
    }
    app.textures.headless = true;
    registerLevels(app.levels);
    std::vector<Solution> solutions = readSolutions(solutionsFile);
    if (solutions.empty()) {
        fprintf(stderr, "no solutions in %s\n", solutionsFile.c_str());
        return 2;
    }
    separateTableFromGameOutput();
    printHeader(machine().c_str());
    if (worldSection) benchWorldSteps(app.world, solutions, rounds);
    if (optimizerSection) benchOptimizer(app.world, solutions, rounds);
    printSummary();
    return 0;
}
