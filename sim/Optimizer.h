#pragma once

#include <functional>
#include <memory>
#include <random>
#include <string>

#include "sim/Instruction.h"
#include "sim/World.h"

class BodyTrack;
class Mission;

// Where the optimizer's progress lines go ("optimizing\n", "iter ...\n"),
// each given whole, newline included.
using ProgressSink = std::function<void(const std::string& text)>;

// Canonical form: only Thrust, Left (either sign) and Wait, no two Waits in a row.
Program canonicalize(const Program& program);
Program decanonicalize(const Program& program);
// Moves every value by -4..+4, drawing once per instruction from `random`;
// Wait and Thrust values stay non-negative.
void mutate(Program& program, std::mt19937& random);

// A random search over the values of a program on one mission: the program
// as given and 100 variants, each flown in a world of the optimizer's own.
// A run is abandoned 100 points above `best`, the player's best on the
// mission (0 = never won).
// It can run in slices, so that a window stays responsive meanwhile.
class Optimizer {
public:
    Optimizer(Mission& mission, float best, const Program& program, std::mt19937& random,
              ProgressSink progress);
    ~Optimizer();
    Optimizer(const Optimizer&) = delete;
    Optimizer& operator=(const Optimizer&) = delete;

    // Flies runs until the search is over or `more` (asked before each run)
    // says stop. True once the search is over.
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
    // when it wins or passes the cut-off, the cut-off when it fails or
    // reaches the step cap.
    static float evaluate(World& world, float best);
    static constexpr int iterations = 100;

private:
    World world;                       // flies the runs; shows nothing
    std::unique_ptr<BodyTrack> track;  // the bodies' motion, shared by the runs
    std::mt19937& random;              // not owned
    ProgressSink progress;
    Program accepted, found;
    float acceptedScore = 0.0f, foundScore = 0.0f, startScore = 0.0f;
    float best;  // the player's best, which sets the cut-off
    bool startWon = false;
    int iteration = -1;  // -1 until the starting program has been flown
};

// A whole search on the current mission of `world`, whose ship then holds
// the best program found, after a reset.
void optimizeProgram(World& world, float best, std::mt19937& random,
                     const ProgressSink& progress);
