#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "sim/FlightHorizon.h"
#include "sim/Instruction.h"
#include "sim/RunPool.h"
#include "sim/World.h"

class BodyTrack;
class Waypoints;

// Where the optimizer's progress lines go ("optimizing\n", "iter ...\n"),
// each given whole, newline included.
using ProgressSink = std::function<void(const std::string& text)>;

// Canonical form: only Thrust, Left (either sign) and Wait, no two Waits in a row.
Program canonicalize(const Program& program);
Program decanonicalize(const Program& program);
// Moves every value by -4..+4, drawing once per instruction from `random`;
// Wait and Thrust values stay non-negative.
void mutate(Program& program, std::mt19937& random);
// The same with the draws given, one per instruction.
void mutate(Program& program, const std::vector<uint32_t>& draws);

// Ways a run saves steps without changing its score.
struct RunShortcuts {
    // Points to go on from: the latest of them the run's own flight passes
    // through, where it would not have ended yet.
    const Waypoints* from = nullptr;
    Waypoints* keep = nullptr;  // for the points of this run (of its program)
    // End the run as soon as nothing can win or fail it before its cut-off.
    bool settle = true;
};

// A random search over the values of a program on one mission: the program
// as given and 100 variants. A run is abandoned 100 points above `best`,
// the player's best on the mission; on a mission never won (best 0), 100
// points above the given program's own score if it wins, otherwise only
// where a flight in the game runs out of time, and only a winning program
// can replace it.
//
// The runs are flown on every core, yet every result is the one the search
// would reach run after run: the next variants are flown together, each
// drawn as if the program accepted now stayed; when one is accepted, those
// after it are flown again from the new program with the same draws.
// It can run in slices, so that a window stays responsive meanwhile.
class Optimizer {
public:
    // `best`: the player's best score on the mission, 0 if never won.
    // `threads`: runs flown at once; 0 for one per core.
    // `shortcuts`: a variant's run goes on from where the run of the program
    // it comes from was when they parted, and a run ends once its score is
    // certain; false flies every run from its start to its end (the same
    // results, only slower).
    Optimizer(const Rules& rules, float best, const Program& program, std::mt19937& random,
              ProgressSink progress, unsigned threads = 0, bool shortcuts = true);
    ~Optimizer();
    Optimizer(const Optimizer&) = delete;
    Optimizer& operator=(const Optimizer&) = delete;

    // Flies runs until the search is over or `more` (asked before each batch
    // of runs and about every millisecond while one is flown) says stop;
    // without `more`, until the search is over. True once the search is over.
    bool advance(const std::function<bool()>& more);
    bool finished() const { return iteration == iterations; }
    // The best program found, in the form the player wrote it.
    Program result() const { return decanonicalize(found); }
    // Scores as evaluate() gives them: the program given, and the best found.
    float startingScore() const { return startScore; }
    float bestScore() const { return foundScore; }
    // Whether the program given won; if not, its score is only the cut-off.
    bool startingProgramWon() const { return startWon; }

    // The score of the program in `world` (which it resets): the run's score
    // when it wins or passes `limit`, `limit` when it fails or reaches the
    // step cap. A run ends early, its score meaningless, once `stop` is set.
    // A run also ends after `maxSteps` steps.
    static float evaluate(World& world, float limit, const std::atomic<bool>* stop = nullptr,
                          long maxSteps = stepCap, const RunShortcuts& shortcuts = RunShortcuts());
    // Steps a run may take at most: the game's own horizon, past which no
    // run wins. A damaged best score could otherwise put the cut-off out of reach.
    static constexpr long stepCap = flightHorizon;
    // The score at which a run is abandoned, and which a failed run gets.
    static float cutOff(float best);
    // A recording of the bodies' motion for runs in `world` (just reset) under `limit`.
    static std::unique_ptr<BodyTrack> trackFor(const World& world, float limit);
    static constexpr int iterations = 100;

private:
    struct Candidate {
        int iteration;  // -1 for the program given
        Program program;
        Program from;  // the accepted program it was drawn from
    };
    void launch();
    void take();
    const std::vector<uint32_t>& drawsFor(int iteration);

    std::unique_ptr<RunPool> pool;
    std::mt19937& random;  // not owned
    ProgressSink progress;
    Program accepted, found;
    float acceptedScore = 0.0f, foundScore = 0.0f, startScore = 0.0f;
    bool neverWon;  // the limit waits for the given program's own run
    bool startWon = false;
    float limit;                               // the cut-off
    int iteration = -1;                        // -1 until the starting program has been flown
    std::vector<std::vector<uint32_t>> draws;  // per iteration, drawn in order
    std::vector<Candidate> batch;              // being flown
    bool shortcuts;
    std::shared_ptr<const Waypoints> acceptedPoints;  // of the accepted program's run
};

// A whole search on the current mission of `world` (best score `best`),
// whose ship then holds the best program found, after a reset.
void optimizeProgram(World& world, float best, std::mt19937& random, const ProgressSink& progress,
                     unsigned threads = 0, bool shortcuts = true);
