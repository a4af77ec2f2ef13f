#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/Body.h"
#include "sim/Goal.h"
#include "sim/Rocket.h"
#include "sim/Rules.h"

class BodyTrack;

// How the current run stands: set by the mission's judge, scored by the world.
struct RunResult {
    bool won = false;
    bool failed = false;
    std::string failReason;  // why the run failed, in the player's words; set with `failed`
    float score = 0.0f;      // of the run judged last: kept by a reset
    float thrustCost = 0.0f;
    float turnCost = 0.0f;
    float timeCost = 0.0f;
    // The closest the ship came this run to the objective it has yet to
    // meet, in world units; negative where that is not a distance. Measured
    // only while the world's `measureApproach` is set.
    double nearestGoal = -1.0;
};

// The simulated world: one mission's bodies and ship, and how its run
// stands. A value: a copy flies on, on any thread, exactly as the original.
struct World {
    World();
    ~World();
    World(const World& other);
    World& operator=(const World& other);
    World(World&&) noexcept;
    World& operator=(World&&) noexcept;

    std::vector<Body> bodies;        // in creation order (the physics depends on it)
    const Rules* mission = nullptr;  // the rules flown; not owned, outlives the world
    std::unique_ptr<Rocket> rocket;  // replaced at every reset
    int time = 0;                    // steps since reset while neither won nor failed
    bool running = false;            // the flight program is being executed
    int speed = 1000;                // hundredths of a step per fixed update
    RunResult result;                // of the current run
    // Whether to measure the closest approach to the next goal: only in the
    // runs the player watches, not the optimizer's or the preview's.
    bool measureApproach = false;
    // Optional replay of the bodies' motion; not owned, and not copied: a
    // recording follows one world at a time.
    BodyTrack* bodyTrack = nullptr;

    // A fresh run of the current mission, keeping the ship's program.
    void reset();
    // Empties the ship's program, then reset().
    void clearProgramAndReset();
    // One step (one second of game time). Allocates and prints nothing.
    void step();
    // Writes the result's score and its three parts from the rates and the ship's program.
    void computeScore();
    // Judges the run as it stands, as after a step: for a ship put somewhere by hand.
    void check();
    // The current goals: the judge's, in drawing order.
    void goals(Goals& out) const;
    // The earliest time at which the run could be won or failed (Judge::earliestEnd).
    long earliestEnd() const;
    // Whether the ship flies on in a straight line: nothing pulls it, and its
    // program has no command left.
    bool coasting() const;
    // The judge's word on a run that ended without a win; "" if it has none.
    std::string progressReport() const;

    // The sines and cosines of a landed ship's heading and of the quarter
    // turn beyond it. On a body that does not turn the heading stays the
    // same step after step, so the last ones are kept.
    struct HeadingTrig {
        double angle;
        double cos, sin, cosQuarter, sinQuarter;
        HeadingTrig();
        const HeadingTrig& of(double a);
    };

private:
    void landOnSolidBodies();
    void ride(Rocket& ship);

    std::unique_ptr<Judge> judge;  // of the current run
    HeadingTrig headingTrig;
};
