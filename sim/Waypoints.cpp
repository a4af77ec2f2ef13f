#include "sim/Waypoints.h"

#include <algorithm>

#include "sim/Rocket.h"

bool Waypoints::leadsTo(const Point& point, const Program& other) const {
    if (other.size() != program_.size()) return false;
    const size_t begun = size_t(std::max(0, point.world->rocket->pc));
    if (begun > program_.size()) return false;
    if (begun == 0) return true;
    const size_t last = begun - 1;
    if (!std::equal(program_.begin(), program_.begin() + long(last), other.begin())) return false;
    if (other[last] == program_[last]) return true;
    // Another Wait that has not yet waited less than this one has so far.
    return point.waited >= 0 && program_[last].opcode == Wait && other[last].opcode == Wait &&
           other[last].value >= point.waited;
}

Waypoints Waypoints::sharedWith(const Program& other, long steps) const {
    Waypoints shared(other);
    for (const Point& point : points_) {
        if (point.steps > steps) break;
        if (leadsTo(point, other)) shared.points_.push_back(point);
    }
    return shared;
}

long Waypoints::nextKeep(const World& world, long steps) {
    // A wait is kept at its end, and a few steps before, so that a variant
    // waiting up to that much less (one draw moves a value by at most 4)
    // still finds a point in it; the farther one serves a Wait shortened
    // again and again.
    const Rocket& ship = *world.rocket;
    const long left = ship.waitCounter;
    if (left > 40) return steps + left - 40;
    if (left > 4) return steps + left - 4;
    if (left > 0) return steps + left;
    return size_t(std::max(0, ship.pc)) < ship.program.size() ? steps + 1 : -1;
}

void Waypoints::add(const World& world, long steps) {
    Point point;
    point.world = std::make_shared<const World>(world);
    point.steps = steps;
    const Rocket& ship = *world.rocket;
    const int pc = ship.pc;
    if (pc >= 1 && size_t(pc) <= program_.size()) {
        const Instruction& last = program_[size_t(pc - 1)];
        if (last.opcode == Wait && last.value >= 0 && ship.waitCounter >= 0 &&
            ship.waitCounter <= last.value)
            point.waited = last.value - ship.waitCounter;
    }
    points_.push_back(std::move(point));
}

void Waypoints::resume(World& world, const Point& point) const {
    Program program = std::move(world.rocket->program);
    const bool measure = world.measureApproach, running = world.running;
    BodyTrack* track = world.bodyTrack;
    world = *point.world;
    world.measureApproach = measure;
    world.running = running;
    world.bodyTrack = track;
    Rocket& ship = *world.rocket;
    ship.program = std::move(program);
    if (point.waited >= 0)
        ship.waitCounter = ship.program[size_t(ship.pc - 1)].value - point.waited;
}
