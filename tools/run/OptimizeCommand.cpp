#include "tools/run/OptimizeCommand.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>

#include "missions/Flight.h"
#include "missions/Mission.h"
#include "sim/Optimizer.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"

namespace {

const int badInput = 2;

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

// A best score as the mission stores it: a finite single-precision value, 0 or more.
bool parseBest(const std::string& text, float& best) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    float value = std::strtof(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(value) || value < 0.0f) return false;
    best = value;
    return true;
}

}  // namespace

int optimizeCommand(RunContext& run, const RunArgs& given, std::ostream& out, std::ostream& err) {
    RunArgs args = given;
    // --threads N anywhere: the runs flown at once (1 flies them one after the other).
    unsigned threads = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--threads") continue;
        uint32_t count = 0;
        if (i + 1 >= args.size() || !parseSeed(args[i + 1], count) || count < 1 || count > 256) {
            err << "--threads needs a number from 1 to 256\n";
            return badInput;
        }
        threads = count;
        args.erase(args.begin() + long(i), args.begin() + long(i) + 2);
        break;
    }
    // --from-start: every run flown from its start to its end, not from where
    // the run it varies parted from it, nor ended once its score is certain
    // (the same lines, slower: to compare the two).
    const auto fromStart = std::find(args.begin(), args.end(), "--from-start");
    const bool shortcuts = fromStart == args.end();
    if (!shortcuts) args.erase(fromStart);
    const size_t named = args.size();
    Mission* mission = args.size() < 3 ? nullptr : takeMission(run, args, err);
    if (named >= 3 && !mission) return badInput;
    if (!mission || args.size() < 2 || args.size() > 3) {
        err << "usage: astrello-run optimize \"MISSION NAME\"|--mission FILE \"PROGRAM TEXT\" SEED "
               "[BEST] [--threads N] [--from-start]\n";
        return badInput;
    }
    std::string why;
    if (!isProgramText(args[0], why)) {
        err << "ERROR: unreadable program: " << why << "\n";
        return badInput;
    }
    uint32_t seed = 0;
    if (!parseSeed(args[1], seed)) {
        err << "ERROR: not a seed from 0 to 4294967295: " << args[1] << "\n";
        return badInput;
    }
    float best = 0.0f;
    if (args.size() == 3 && !parseBest(args[2], best)) {
        err << "ERROR: not a best score of 0 or more: " << args[2] << "\n";
        return badInput;
    }

    // As the game: the menu empties the program and resets, the briefing
    // reads the program text into the ship.
    World& world = run.world;
    world.mission = mission;
    world.clearProgramAndReset();
    parseProgramText(args[0], world.rocket->program);
    std::mt19937 random(seed);
    optimizeProgram(
        world, best, random, [&out](const std::string& text) { out << text << std::flush; },
        threads, shortcuts);
    out << programText(world.rocket->program) << std::flush;
    return 0;
}
