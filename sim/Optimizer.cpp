#include "sim/Optimizer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "missions/Mission.h"
#include "sim/Body.h"
#include "sim/BodyTrack.h"
#include "sim/FlightHorizon.h"
#include "sim/Rocket.h"

namespace {

const float cutOffMargin = 100.0f;  // score units above the best before a run is abandoned
// Steps a run may take at most: the game's own horizon, past which no run
// wins. A damaged best score could otherwise put the cut-off out of reach.
const double stepCap = double(flightHorizon);

// Values live in 32 bits; sums that would leave them stop at the edge instead.
int32_t saturate(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return int32_t(value);
}

// Steps a wait occupies beyond its own: a Wait or Sleep that is zero or
// negative lets the next command run in the very next step, like 0.
int32_t waitSteps(const Instruction& instruction) {
    int64_t v = instruction.value;
    if (instruction.opcode == Sleep) v *= 1000;
    return v < 0 ? 0 : saturate(v);
}

void appendWait(Program& program, int32_t steps) {
    if (!program.empty() && program.back().opcode == Wait) {
        // Wait a then Wait b last as long as Wait a + b + 1.
        Instruction& last = program.back();
        last.value = saturate(int64_t(last.value) + steps + 1);
    } else {
        program.push_back(Instruction{Wait, steps});
    }
}

// The score at which a run is abandoned, and which a failed run gets.
float cutOff(float best) {
    float limit = best + cutOffMargin;
    // A damaged best score would make the cut-off unreachable; judge such a
    // mission as one never won.
    return std::isfinite(limit) ? limit : cutOffMargin;
}

// When the bodies pull one another, their motion (the same in every run)
// is recorded in the first run and replayed in the others, for as many steps
// as a run can last before its score passes the cut-off.
std::unique_ptr<BodyTrack> trackFor(const World& world, float best) {
    const size_t memoryLimit = size_t(64) << 20;  // bytes
    size_t solid = 0;
    for (const Body* body : world.bodies) solid += body->solid;
    const size_t count = world.bodies.size();
    if (count < 2 || solid == 0) return nullptr;
    // Counted in double: a damaged best score may be negative or huge.
    const double steps = std::max(0.0, double(cutOff(best))) * 100.0 + 2.0;
    const double most = double(memoryLimit / (count * 5 * sizeof(double)));
    return std::make_unique<BodyTrack>(count, size_t(std::min(steps, most)));
}

std::string iterationLine(int i, float accepted, float score, const Program& program) {
    char text[256];
    std::snprintf(text, sizeof text, "iter %d: score = %f -> %f\t", i, double(accepted),
                  double(score));
    std::string line = text;
    for (const Instruction& instruction : program) {
        std::snprintf(text, sizeof text, "%d ", int(instruction.value));
        line += text;
    }
    return line + "\n";
}

}  // namespace

Program canonicalize(const Program& program) {
    Program canonical;
    canonical.reserve(program.size());
    for (const Instruction& instruction : program) {
        switch (instruction.opcode) {
            case Right:
                canonical.push_back(Instruction{Left, saturate(-int64_t(instruction.value))});
                break;
            case Wait:
            case Sleep:
                appendWait(canonical, waitSteps(instruction));
                break;
            default:
                canonical.push_back(instruction);
                break;
        }
    }
    return canonical;
}

Program decanonicalize(const Program& program) {
    Program result;
    result.reserve(program.size() + program.size() / 2);
    for (const Instruction& instruction : program) {
        int32_t v = instruction.value;
        if (instruction.opcode == Left && v < 0) {
            result.push_back(Instruction{Right, saturate(-int64_t(v))});
        } else if (instruction.opcode == Wait && v > 1000) {
            // Sleep s then Wait w last s * 1000 + w + 1 steps, which is v.
            int32_t s = (v - 1) / 1000;
            result.push_back(Instruction{Sleep, s});
            result.push_back(Instruction{Wait, v - 1000 * s - 1});
        } else {
            result.push_back(instruction);
        }
    }
    return result;
}

void mutate(Program& program, std::mt19937& random) {
    for (Instruction& instruction : program) {
        uint32_t r = static_cast<uint32_t>(random());
        int64_t value = int64_t(instruction.value) + int64_t((r >> 1) % 9) - 4;
        if ((instruction.opcode == Wait || instruction.opcode == Thrust) && value < 0) {
            value = -value;
        }
        instruction.value = saturate(value);
    }
}

float Optimizer::evaluate(World& world, float best) {
    world.reset();
    if (world.bodyTrack) world.bodyTrack->rewind();
    Mission& mission = *world.mission;
    const float limit = cutOff(best);
    // The program cannot change during a run, so its part of the score is
    // summed once; each step adds the time part as computeScore does.
    computeScore(world);
    const float programCost = mission.turnCost + mission.thrustCost;
    // Well past the step at which the time cost takes the score over the limit.
    const double stepsToLimit =
        std::max(0.0, double(limit) - double(programCost)) / double(mission.timeRate);
    const long maxSteps = long(std::min(stepCap, stepsToLimit + 1000.0));
    float score;
    long steps = 0;
    do {
        world.step();
        score = programCost + float(world.time) * mission.timeRate;
    } while (!(score > limit) && !mission.won && !mission.failed && ++steps < maxSteps);
    computeScore(world);  // the mission's score fields as after the last step
    if (score > limit || mission.won) return score;
    return limit;
}

Optimizer::Optimizer(Mission& mission, float best_, const Program& program,
                     std::mt19937& random_, ProgressSink progress_)
    : random(random_), progress(std::move(progress_)), best(best_) {
    world.mission = &mission;
    world.reset();
    track = trackFor(world, best);
    world.bodyTrack = track.get();
    accepted = canonicalize(program);
    found = accepted;
    world.rocket->program = accepted;
    if (progress) progress("optimizing\n");
}

Optimizer::~Optimizer() { world.bodyTrack = nullptr; }

bool Optimizer::advance(const std::function<bool()>& more) {
    if (iteration < 0 && more()) {
        acceptedScore = evaluate(world, best);
        foundScore = acceptedScore;
        startScore = acceptedScore;
        startWon = world.mission->won;
        iteration = 0;
    }
    while (iteration >= 0 && !finished() && more()) {
        // Every reset hands the program to a new rocket: always go through the world.
        mutate(world.rocket->program, random);
        float s = evaluate(world, best);
        if (progress) progress(iterationLine(iteration, acceptedScore, s, world.rocket->program));
        if (acceptedScore < s) {
            world.rocket->program = accepted;
            s = acceptedScore;
        }
        if (s < foundScore) {
            foundScore = s;
            found = world.rocket->program;
        }
        accepted = world.rocket->program;
        acceptedScore = s;
        ++iteration;
    }
    return finished();
}

void optimizeProgram(World& world, float best, std::mt19937& random,
                     const ProgressSink& progress) {
    if (!world.mission || !world.rocket) return;
    Optimizer optimizer(*world.mission, best, world.rocket->program, random, progress);
    optimizer.advance([] { return true; });
    world.reset();
    world.rocket->program = optimizer.result();
}
