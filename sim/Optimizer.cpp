#include "sim/Optimizer.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "sim/Body.h"
#include "sim/BodyTrack.h"
#include "sim/FlightHorizon.h"
#include "sim/Rocket.h"
#include "sim/Waypoints.h"

namespace {

const float cutOffMargin = 100.0f;  // score units above the best before a run is abandoned

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

// When the bodies pull one another, their motion (the same in every run)
// is recorded in the first run and replayed in the others, for as many steps
// as a run can last before its score passes the cut-off.
}  // namespace

std::unique_ptr<BodyTrack> Optimizer::trackFor(const World& world, float limit) {
    const size_t memoryLimit = size_t(64) << 20;  // bytes
    size_t solid = 0;
    for (const Body& body : world.bodies) solid += body.solid;
    const size_t count = world.bodies.size();
    if (count < 2 || solid == 0) return nullptr;
    // Counted in double: a damaged best score may be negative or huge.
    const double steps = std::max(0.0, double(limit)) * 100.0 + 2.0;
    const double most = double(memoryLimit / (count * 5 * sizeof(double)));
    return std::make_unique<BodyTrack>(count, size_t(std::min(steps, most)));
}

namespace {

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

bool sameProgram(const Program& a, const Program& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](const Instruction& x, const Instruction& y) {
                                                  return x.opcode == y.opcode && x.value == y.value;
                                              });
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
    std::vector<uint32_t> draws(program.size());
    for (uint32_t& r : draws) r = static_cast<uint32_t>(random());
    mutate(program, draws);
}

void mutate(Program& program, const std::vector<uint32_t>& draws) {
    for (size_t i = 0; i < program.size() && i < draws.size(); ++i) {
        Instruction& instruction = program[i];
        const uint32_t r = draws[i];
        int64_t value = int64_t(instruction.value) + int64_t((r >> 1) % 9) - 4;
        if ((instruction.opcode == Wait || instruction.opcode == Thrust) && value < 0) {
            value = -value;
        }
        instruction.value = saturate(value);
    }
}

float Optimizer::cutOff(float best) {
    float limit = best + cutOffMargin;
    // A damaged best score would make the cut-off unreachable; judge such a
    // mission as one never won.
    return std::isfinite(limit) ? limit : cutOffMargin;
}

namespace {

// The latest of `from`'s points that the run of `world`'s program passes
// through and would not have ended before: its score only grows with time,
// so a score within the limit at the point was within it at every step before.
const Waypoints::Point* startingPoint(const World& world, const Waypoints& from, float programCost,
                                      float limit, long maxSteps) {
    const Rules& rules = *world.mission;
    if (!(rules.timeRate >= 0.0f)) return nullptr;
    const std::vector<Waypoints::Point>& points = from.points();
    for (auto point = points.rbegin(); point != points.rend(); ++point) {
        if (point->steps >= maxSteps) continue;
        if (programCost + float(point->world->time) * rules.timeRate > limit) continue;
        if (from.leadsTo(*point, world.rocket->program)) return &*point;
    }
    return nullptr;
}

// When a run's score first passes the limit: the score grows with time
// alone (while the run is neither won nor failed), so that time is found by
// halving, not by flying there.
class CutOffTime {
public:
    CutOffTime(float programCost_, float limit_, float rate_)
        : programCost(programCost_), limit(limit_), rate(rate_) {}
    // The first time whose score passes the limit; none (LONG_MAX) if no time within an
    // int does, or if the score does not grow with time.
    long first() {
        if (found < 0) found = search();
        return found;
    }
    float scoreAt(long time) const { return programCost + float(time) * rate; }

private:
    long search() const {
        long low = 0, high = INT32_MAX;
        if (!(rate > 0.0f) || !(scoreAt(high) > limit)) return LONG_MAX;
        if (scoreAt(low) > limit) return low;
        while (high - low > 1) {  // scoreAt(low) within the limit, scoreAt(high) past it
            const long middle = low + (high - low) / 2;
            (scoreAt(middle) > limit ? high : low) = middle;
        }
        return high;
    }

    float programCost, limit, rate;
    long found = -1;
};

// A run nothing can win or fail before it ends (its score past the limit, or
// the step cap reached) ends now, its steps counted: true then, with `steps`
// and `score` as the flight would have left them.
bool settle(const World& world, CutOffTime& cutOff, long& steps, long maxSteps, float& score) {
    const long now = world.time;
    const long earliest = world.earliestEnd();
    if (earliest <= now) return false;
    // Each step adds one to both the time and the step count.
    const long capped = now + (maxSteps - steps);
    const long end = std::min(cutOff.first(), capped);
    if (end > earliest) return false;  // the step into `end` is judged at end - 1
    steps += end - now;
    score = cutOff.scoreAt(end);
    return true;
}

}  // namespace

float Optimizer::evaluate(World& world, float limit, const std::atomic<bool>* stop, long cap,
                          const RunShortcuts& shortcuts) {
    const Waypoints* from = shortcuts.from;
    Waypoints* keep = shortcuts.keep;
    world.reset();
    if (world.bodyTrack) world.bodyTrack->rewind();
    const Rules& rules = *world.mission;
    const RunResult& run = world.result;
    // The program cannot change during a run, so its part of the score is
    // summed once; each step adds the time part as computeScore does.
    world.computeScore();
    const float programCost = run.turnCost + run.thrustCost;
    // Well past the step at which the time cost takes the score over the limit.
    const double stepsToLimit =
        std::max(0.0, double(limit) - double(programCost)) / double(rules.timeRate);
    const long maxSteps = long(std::min(double(cap), stepsToLimit + 1000.0));
    long steps = 0;
    if (const Waypoints::Point* point =
            from ? startingPoint(world, *from, programCost, limit, maxSteps) : nullptr) {
        if (keep) *keep = from->sharedWith(world.rocket->program, point->steps);
        from->resume(world, *point);
        steps = point->steps;
        if (world.bodyTrack) world.bodyTrack->seek(size_t(steps));
    }
    long keepAt = keep ? Waypoints::nextKeep(world, steps) : -1;
    CutOffTime cutOffTime(programCost, limit, rules.timeRate);
    float score;
    for (;;) {
        world.step();
        score = programCost + float(world.time) * rules.timeRate;
        if (score > limit || run.won || run.failed || ++steps >= maxSteps) break;
        if ((steps & 1023) == 0) {
            if (stop && stop->load(std::memory_order_relaxed)) break;
            if (shortcuts.settle && settle(world, cutOffTime, steps, maxSteps, score)) break;
        }
        if (steps == keepAt) {
            keep->add(world, steps);
            keepAt = Waypoints::nextKeep(world, steps);
        }
    }
    world.computeScore();  // the run's score fields as after the last step
    if (score > limit || run.won) return score;
    return limit;
}

Optimizer::Optimizer(const Rules& rules, float best, const Program& program, std::mt19937& random_,
                     ProgressSink progress_, unsigned threads, bool shortcuts_)
    : pool(std::make_unique<RunPool>(rules, threads)),
      random(random_),
      progress(std::move(progress_)),
      neverWon(!(best > 0.0f) || !std::isfinite(best)),
      // Never won: the given program's run goes on until it would run out of
      // time in the game.
      limit(neverWon ? std::numeric_limits<float>::infinity() : cutOff(best)),
      shortcuts(shortcuts_) {
    accepted = canonicalize(program);
    found = accepted;
    if (progress) progress("optimizing\n");
}

Optimizer::~Optimizer() = default;

const std::vector<uint32_t>& Optimizer::drawsFor(int i) {
    while (draws.size() <= size_t(i)) {
        std::vector<uint32_t> next(accepted.size());
        for (uint32_t& r : next) r = static_cast<uint32_t>(random());
        draws.push_back(std::move(next));
    }
    return draws[size_t(i)];
}

// The next runs: the program given first (alone while its run sets the
// limit), then variants of the accepted program, one per worker.
void Optimizer::launch() {
    batch.clear();
    int next = iteration;
    if (iteration < 0) {
        batch.push_back(Candidate{-1, accepted, accepted});
        next = 0;
        if (neverWon) next = iterations;
    }
    for (; next < iterations && batch.size() < pool->size(); ++next) {
        Program variant = accepted;
        mutate(variant, drawsFor(next));
        batch.push_back(Candidate{next, std::move(variant), accepted});
    }
    std::vector<RunPool::Job> jobs;
    for (const Candidate& c : batch)
        jobs.push_back(
            RunPool::Job{c.program, c.iteration < 0 ? nullptr : acceptedPoints, shortcuts});
    pool->start(std::move(jobs), limit, stepCap);
}

// The batch's runs in order, as the search flies them one after the other;
// a variant drawn from a program no longer accepted is left for the next batch.
void Optimizer::take() {
    const std::vector<RunPool::Outcome>& outcomes = pool->outcomes();
    for (size_t k = 0; k < batch.size(); ++k) {
        const Candidate& c = batch[k];
        float s = outcomes[k].score;
        if (c.iteration < 0) {
            acceptedScore = foundScore = startScore = s;
            acceptedPoints = outcomes[k].points;
            startWon = outcomes[k].won;
            iteration = 0;
            if (neverWon && startWon) limit = startScore + cutOffMargin;
            continue;
        }
        if (!sameProgram(c.from, accepted)) break;
        if (progress) progress(iterationLine(iteration, acceptedScore, s, c.program));
        Program taken = c.program;
        if (acceptedScore < s) {
            taken = accepted;
            s = acceptedScore;
        } else {
            acceptedPoints = outcomes[k].points;
        }
        if (s < foundScore) {
            foundScore = s;
            found = taken;
        }
        accepted = std::move(taken);
        acceptedScore = s;
        ++iteration;
    }
    batch.clear();
}

bool Optimizer::advance(const std::function<bool()>& more) {
    while (!finished()) {
        if (!pool->busy()) {
            if (more && !more()) return false;
            launch();
        }
        if (!pool->wait(more)) return false;
        take();
    }
    return true;
}

void optimizeProgram(World& world, float best, std::mt19937& random, const ProgressSink& progress,
                     unsigned threads, bool shortcuts) {
    if (!world.mission || !world.rocket) return;
    Optimizer optimizer(*world.mission, best, world.rocket->program, random, progress, threads,
                        shortcuts);
    optimizer.advance(nullptr);
    world.reset();
    world.rocket->program = optimizer.result();
}
