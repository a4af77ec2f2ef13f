#include "sim/OptimizeCommand.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "missions/Level.h"
#include "render/Random.h"
#include "sim/Optimizer.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

// A seed is a plain decimal number of 32 bits; anything else is refused
// rather than silently read as some other seed.
bool parseSeed(const std::string& text, uint32_t& seed) {
    if (text.empty() || text.size() > 10) return false;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + uint64_t(c - '0');
    }
    if (value > UINT32_MAX) return false;
    seed = uint32_t(value);
    return true;
}

bool parseBest(const std::string& text, float& best) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    float value = std::strtof(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(value) || value < 0.0f) return false;
    best = value;
    return true;
}

int fail(const char* message, const std::string& detail) {
    printf("ERROR: %s%s\n", message, detail.c_str());
    return 1;
}

}  // namespace

int runOptimizeCommand(const std::vector<std::string>& args, LevelRegistry& levels, World& world) {
    if (args.size() < 3 || args.size() > 4) {
        return fail("usage: astrello-run optimize \"MISSION NAME\" \"PROGRAM TEXT\" SEED [BEST]",
                    "");
    }
    auto found = levels.find(args[0]);
    if (found == levels.end()) return fail("unknown mission: ", args[0]);
    uint32_t seed = 0;
    if (!parseSeed(args[2], seed))
        return fail("the seed must be a number from 0 to 4294967295: ", args[2]);
    float best = 0.0f;
    if (args.size() == 4 && !parseBest(args[3], best)) {
        return fail("the best score must be a number of at least 0: ", args[3]);
    }

    // As the game: the menu empties the program and resets, then the
    // program text is read into the ship.
    world.level = found->second;
    world.clearProgramAndReset();
    parseProgramText(args[1], world.rocket->program);
    world.level->bestScore = best;
    seedRandom(seed);
    optimizeProgram(world);
    fputs(programText(world.rocket->program).c_str(), stdout);
    fflush(stdout);
    return 0;
}
