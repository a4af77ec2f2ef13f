#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sim/Instruction.h"
#include "sim/Rocket.h"
#include "sim/World.h"

// Points along one program's run from which a variant of it can fly on
// instead of starting over. Up to the step at which a variant first does
// something else, its flight is the program's bit for bit: the same commands
// on the same steps, or a Wait of another length whose waiting so far both
// have done. The optimizer's variants differ from the program they come from
// in nothing but values, so a variant whose first command is a long Wait
// skips most of that wait.
class Waypoints {
public:
    struct Point {
        std::shared_ptr<const World> world;  // after `steps` steps of the run
        long steps = 0;
        // Steps waited so far by the Wait begun last, still counting down or
        // just done; -1 if the last command begun is no such Wait.
        int32_t waited = -1;
    };

    // The points of a run of `program` (canonical: only Thrust, Left and
    // Wait), none yet.
    explicit Waypoints(Program program) : program_(std::move(program)) {}

    const Program& program() const { return program_; }
    const std::vector<Point>& points() const { return points_; }

    // Whether the flight of `other` passes through `point` too, its wait
    // counter aside.
    bool leadsTo(const Point& point, const Program& other) const;
    // The points `other` passes through up to `steps` steps, as the first
    // points of its own run.
    Waypoints sharedWith(const Program& other, long steps) const;
    // Whether a run should keep the state it is in, its last kept with the
    // ship's program counter at `lastPc` and wait counter at `lastCounter`:
    // after the step that begins a command, and at counters kept() in a
    // wait. Asked every step, so inline.
    static bool worthKeeping(const World& world, int lastPc, int lastCounter) {
        const Rocket& ship = *world.rocket;
        return ship.pc != lastPc || (ship.waitCounter != lastCounter && kept(ship.waitCounter));
    }
    // Keeps `world` (flying this program) as it is after `steps` steps.
    void add(const World& world, long steps);
    // Sets `world` to `point` of this run, flying on with the program it
    // holds (which leadsTo the point). The world's own settings (approach
    // measure, motion recording) are kept.
    void resume(World& world, const Point& point) const;

private:
    // Counters at which a wait is kept: its end, and a few steps before, so
    // that a variant waiting up to that much less (one draw moves a value by
    // at most 4) still finds a point in it; the farther one serves a Wait
    // shortened again and again.
    static bool kept(int counter) { return counter == 0 || counter == 4 || counter == 40; }

    Program program_;
    std::vector<Point> points_;  // in step order
};
