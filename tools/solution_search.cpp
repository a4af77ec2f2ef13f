// solution_search: hill-climbs the values of a winning flight program to lower
// its score. A developer's aid for finding the stored solutions; not part of
// the game.
//   solution_search "MISSION NAME" "PROGRAM TEXT" [ROUNDS] [SEED]
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/Application.h"
#include "missions/HeadlessRun.h"
#include "missions/Level.h"
#include "missions/Level_BinaryCenter.h"
#include "missions/Level_BinaryOrbit.h"
#include "missions/Level_ChangeOfOrbit.h"
#include "missions/Level_FirstOrbit.h"
#include "missions/Level_Geostationary.h"
#include "missions/Level_GeostationaryII.h"
#include "missions/Level_LunarOrbit.h"
#include "missions/Level_SpinCycle.h"
#include "missions/Level_TheSkyIsTheLimit.h"
#include "missions/Levels.h"
#include "sim/ProgramText.h"
#include "sim/World.h"

namespace {
Level* level = nullptr;
long evaluations = 0;

// How long the current stay in a timed window has lasted, for missions that
// have one; 0 otherwise.
int stretch(const Level& level, const World& world) {
    if (auto* l = dynamic_cast<const Level_FirstOrbit*>(&level))
        return l->inRange ? world.time - l->rangeStart : 0;
    if (auto* l = dynamic_cast<const Level_ChangeOfOrbit*>(&level))
        return l->inRange ? world.time - l->rangeStart : 0;
    if (auto* l = dynamic_cast<const Level_SpinCycle*>(&level))
        return l->inRange ? world.time - l->rangeStart : 0;
    if (auto* l = dynamic_cast<const Level_Geostationary*>(&level))
        return l->inRange ? world.time - l->rangeStart : 0;
    if (auto* l = dynamic_cast<const Level_GeostationaryII*>(&level))
        return l->inRange ? world.time - l->rangeStart : 0;
    if (auto* l = dynamic_cast<const Level_BinaryCenter*>(&level))
        return l->inRange ? world.time - l->rangeStart : 0;
    if (auto* l = dynamic_cast<const Level_LunarOrbit*>(&level))
        return l->inRange ? world.time - l->rangeStart : 0;
    if (auto* l = dynamic_cast<const Level_BinaryOrbit*>(&level))
        return l->inRange ? world.time - l->rangeStart : 0;
    if (auto* l = dynamic_cast<const Level_TheSkyIsTheLimit*>(&level))
        return l->launched && !l->failed ? world.time - l->launchStep : 0;
    return 0;
}

// Score of a program, or a huge number if it does not win within what a
// better score could afford; runs that do not win rank by their longest stay
// in the mission's window.
double scoreOf(const Program& program, double bound) {
    ++evaluations;
    if (bound >= 1e6) {
        int longest = 0;
        static const long cap = getenv("MAXSTEPS") ? std::atol(getenv("MAXSTEPS")) : 2000000;
        FlightResult r = flyMission(app.world, *level, programText(program), cap,
                                    [&longest](long, const World& world) {
                                        int s = stretch(*world.level, world);
                                        if (s > longest) longest = s;
                                    });
        if (std::string(r.result) == "won") return double(r.score);
        return 1e7 - longest;
    }
    static const long cap = getenv("MAXSTEPS") ? std::atol(getenv("MAXSTEPS")) : 2000000;
    long maxSteps = bound < 20000.0 ? long(bound * 100.0) + 2 : cap;
    if (maxSteps > cap) maxSteps = cap;
    FlightResult r = flyMission(app.world, *level, programText(program), maxSteps);
    return std::string(r.result) == "won" ? double(r.score) : 1e30;
}

bool tryProgram(Program& best, double& bestScore, const Program& candidate) {
    for (const Instruction& i : candidate)
        if (i.value < 0 || i.value > 1000) return false;
    double s = scoreOf(candidate, bestScore);
    if (s < bestScore) {
        best = candidate;
        bestScore = s;
        std::printf("%.9g\t%s", s, programText(best).c_str());
        std::fflush(stdout);
        return true;
    }
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    app.textures.headless = true;
    if (argc < 3) {
        std::fprintf(stderr, "usage: solution_search MISSION PROGRAM [ROUNDS] [SEED]\n");
        return 2;
    }
    registerLevels(app.levels);
    level = app.levels.at(argv[1]);
    Program best;
    parseProgramText(argv[2], best);
    int rounds = argc > 3 ? std::atoi(argv[3]) : 2000;
    const int scan = getenv("SCAN") ? std::atoi(getenv("SCAN")) : 40;
    std::mt19937 rng(argc > 4 ? std::atoi(argv[4]) : 1);
    double bestScore = scoreOf(best, 1e30);
    std::printf("start %.9g\n", bestScore);
    if (const char* grid = getenv("GRID")) {
        // GRID="index:lo:hi,index:lo:hi,...": try every combination.
        std::vector<std::array<int, 3>> axes;
        for (const char* p = grid; *p;) {
            std::array<int, 3> a;
            int used = 0;
            if (std::sscanf(p, "%d:%d:%d%n", &a[0], &a[1], &a[2], &used) != 3) break;
            axes.push_back(a);
            p += used;
            if (*p == ',') ++p;
        }
        Program c = best;
        std::function<void(size_t)> walk = [&](size_t k) {
            if (k == axes.size()) {
                tryProgram(best, bestScore, c);
                return;
            }
            for (int v = axes[k][1]; v <= axes[k][2]; ++v) {
                c[axes[k][0]].value = v;
                walk(k + 1);
            }
        };
        walk(0);
        std::printf("best %.9g\t%s", bestScore, programText(best).c_str());
        return 0;
    }
    if (bestScore >= 1e30) return 1;
    std::printf("start %.9g\n", bestScore);
    const int deltas[] = {1, 2, 3, 5, 8, 13, 20, 40, 80, 150, 300};
    for (int round = 0; round < rounds; ++round) {
        bool improved = false;
        // Coordinate moves.
        for (size_t i = 0; i < best.size(); ++i)
            for (int d : deltas)
                for (int sign : {1, -1}) {
                    Program c = best;
                    c[i].value += sign * d;
                    if (tryProgram(best, bestScore, c)) improved = true;
                }
        if (improved) continue;
        // Paired moves: change one value, then look for the best partner value.
        for (size_t i = 0; i < best.size() && !improved; ++i)
            for (size_t j = 0; j < best.size() && !improved; ++j) {
                if (i == j) continue;
                for (int d : {1, -1, 3, -3, 10, -10, 30, -30}) {
                    const Program base = best;
                    for (int off = -scan; off <= scan; ++off) {
                        Program c = base;
                        c[i].value += d;
                        c[j].value += off;
                        if (tryProgram(best, bestScore, c)) improved = true;
                    }
                    if (improved) break;
                }
            }
        if (!improved) {
            // Random kicks of several values at once.
            bool kicked = false;
            for (int k = 0; k < 300 && !kicked; ++k) {
                Program c = best;
                for (Instruction& in : c)
                    if (rng() % 2) in.value += int(rng() % 21) - 10;
                kicked = tryProgram(best, bestScore, c);
            }
            if (!kicked) break;
        }
    }
    std::printf("best %.9g\t%s", bestScore, programText(best).c_str());
    std::fprintf(stderr, "%ld evaluations\n", evaluations);
    return 0;
}
