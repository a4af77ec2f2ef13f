#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sim/Instruction.h"
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
    // The step after which a run in `world`'s state after `steps` steps
    // should next keep its state: the step that begins a command, and the
    // steps at which a wait has kept() steps left. -1 when no command is left.
    static long nextKeep(const World& world, long steps);
    // Keeps `world` (flying this program) as it is after `steps` steps.
    void add(const World& world, long steps);
    // Sets `world` to `point` of this run, flying on with the program it
    // holds (which leadsTo the point). The world's own settings (approach
    // measure, motion recording) are kept.
    void resume(World& world, const Point& point) const;

private:
    Program program_;
    std::vector<Point> points_;  // in step order
};
