#include "missions/DataMission.h"

#include <algorithm>

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

Vec2 centreOf(const Centre& centre, const World& world) {
    return centre.body >= 0 ? world.bodies[size_t(centre.body)]->position : centre.point;
}

// A place on a body's surface, worked out in single precision.
Vec2 placeOn(const ObjectiveSpec& objective, const World& world) {
    const Vec2& body = world.bodies[size_t(objective.centre.body)]->position;
    return Vec2(float(body.x) + float(objective.offset.x), float(body.y) + float(objective.offset.y));
}

}  // namespace

DataMission::DataMission(const MissionSpec& spec)
    : Mission(spec.title.c_str(), spec.briefing.c_str(), spec.gold, spec.silver), spec_(spec) {
    thrustRate = spec.thrustCost;
    turnRate = spec.turnCost;
    timeRate = spec.timeCost;
    progress.resize(spec_.objectives.size());
    flown.assign(spec_.failures.size(), false);
    for (const ObjectiveSpec& objective : spec_.objectives) {
        windows.emplace_back(objective.sector);
        if (objective.kind == ObjectiveSpec::Hold && objective.hasSector && sectorBody < 0)
            sectorBody = objective.centre.body;
    }
}

void DataMission::setup(World& world) {
    won = false;
    failed = false;
    failReason.clear();
    nearestGoal = -1.0;
    stage = 0;
    stageStart = 0;
    for (size_t i = 0; i < progress.size(); ++i) {
        progress[i] = Progress();
        progress[i].visited.assign(spec_.objectives[i].bodies.size(), 0);
    }
    flown.assign(flown.size(), false);
    // In the file's order: the physics pulls body by body.
    for (const BodySpec& spec : spec_.bodies) {
        Body* body = new Body;
        body->solid = spec.solid;
        body->radius = spec.radius;
        body->mass = spec.mass;
        body->position = spec.position;
        body->velocity = spec.velocity;
        body->angle = spec.angle;
        body->spin = spec.spin;
        body->model = spec.model;
        body->texture = spec.texture;
        world.bodies.push_back(body);
    }
    const ShipSpec& ship = spec_.ship;
    placeShip(world, ship.position, ship.velocity, ship.angle, ship.spin);
}

bool DataMission::met(size_t index, World& world) {
    const ObjectiveSpec& o = spec_.objectives[index];
    Progress& p = progress[index];
    const bool landed = world.rocket->landed;
    switch (o.kind) {
        case ObjectiveSpec::Visit: {
            size_t reached = 0;
            for (size_t i = 0; i < o.bodies.size(); ++i) {
                const bool open = !o.inOrder || i == 0 || p.visited[i - 1];
                if (open && shipSquaredDistanceToBody(world, o.bodies[i]).below(o.radius))
                    p.visited[i] = 1;
                if (p.visited[i]) ++reached;
            }
            return reached == o.bodies.size();
        }
        case ObjectiveSpec::Leave:
            return shipSquaredDistance(world, centreOf(o.centre, world)).above(o.radius);
        case ObjectiveSpec::Land:
            return landed && (o.centre.body < 0 || shipDistanceToBody(world, o.centre.body) < o.radius);
        case ObjectiveSpec::LandAt:
            return shipSquaredDistance(world, placeOn(o, world)).below(o.radius) && landed;
        case ObjectiveSpec::Launch:
            return !landed;
        case ObjectiveSpec::Hold: {
            const Vec2 centre = centreOf(o.centre, world);
            const SquaredDistance d = shipSquaredDistance(world, centre);
            bool inside = (!o.hasInner || d.above(o.inner)) && (!o.hasOuter || d.below(o.outer));
            if (inside && o.hasSector) {
                const Body& body = *world.bodies[size_t(o.centre.body)];
                const Vec2& ship = world.rocket->position;
                inside = windows[index].contains(ship.x - centre.x, ship.y - centre.y, body.angle,
                                                 body.spin);
            }
            return heldLongEnough(world, inside, p.inRange, p.rangeStart, o.steps);
        }
        case ObjectiveSpec::Survive:
            return world.time - stageStart > o.steps;
    }
    return false;
}

bool DataMission::failing(size_t index, World& world) {
    const FailureSpec& f = spec_.failures[index];
    const bool landed = world.rocket->landed;
    switch (f.kind) {
        case FailureSpec::Beyond:
            return shipSquaredDistance(world, centreOf(f.centre, world)).above(f.radius);
        case FailureSpec::Land:
            if (!landed) flown[index] = true;
            return flown[index] && landed;
        case FailureSpec::TimeLimit:
            return world.time > f.steps;
    }
    return false;
}

void DataMission::update(World& world) {
    for (size_t i = 0; i < spec_.failures.size(); ++i) {
        if (failing(i, world) && !failed) {
            failed = true;
            failReason = failureReason(i);
        }
    }
    while (stage < spec_.objectives.size() && met(stage, world)) {
        ++stage;
        stageStart = world.time;
        nearestGoal = -1.0;  // a new objective: its own closest approach
    }
    if (stage == spec_.objectives.size()) {
        winMission(*this, world);
        return;
    }
    const double d = distanceTo(stage, world);
    if (d >= 0 && (nearestGoal < 0 || d < nearestGoal)) nearestGoal = d;
}

double DataMission::distanceTo(size_t index, const World& world) const {
    const ObjectiveSpec& o = spec_.objectives[index];
    switch (o.kind) {
        case ObjectiveSpec::Visit: {
            double nearest = -1.0;
            for (size_t i = 0; i < o.bodies.size(); ++i) {
                if (progress[index].visited[i]) continue;
                const double d = shipDistanceToBody(world, o.bodies[i]) - o.radius;
                if (nearest < 0 || d < nearest) nearest = d;
                if (o.inOrder) break;  // only the next circle is open
            }
            return nearest < 0 ? 0.0 : nearest;
        }
        case ObjectiveSpec::Leave:
            return std::max(0.0, o.radius - shipDistance(world, centreOf(o.centre, world)));
        case ObjectiveSpec::Land:
            if (o.centre.body < 0) return -1.0;
            return std::max(0.0, shipDistanceToBody(world, o.centre.body) - o.radius);
        case ObjectiveSpec::LandAt:
            return std::max(0.0, shipDistance(world, placeOn(o, world)) - o.radius);
        case ObjectiveSpec::Hold: {
            if (!o.hasInner && !o.hasOuter) return -1.0;
            const double d = shipDistance(world, centreOf(o.centre, world));
            if (o.hasInner && d < o.inner) return o.inner - d;
            if (o.hasOuter && d > o.outer) return d - o.outer;
            return 0.0;
        }
        case ObjectiveSpec::Launch:
        case ObjectiveSpec::Survive:
            break;
    }
    return -1.0;
}

std::string DataMission::failureReason(size_t index) const {
    const FailureSpec& f = spec_.failures[index];
    if (!f.text.empty()) return f.text;
    switch (f.kind) {
        case FailureSpec::Beyond:
            if (f.centre.body >= 0 && !spec_.bodies[size_t(f.centre.body)].name.empty())
                return "flew too far from the " + spec_.bodies[size_t(f.centre.body)].name;
            return "flew out of range";
        case FailureSpec::Land:
            return "landed before the mission was done";
        case FailureSpec::TimeLimit:
            return "took longer than " + std::to_string(f.steps) + " s";
    }
    return "failed";
}

void DataMission::goals(const World& world, Goals& out) const {
    for (size_t i = 0; i < spec_.objectives.size(); ++i) {
        const ObjectiveSpec& o = spec_.objectives[i];
        const Progress& p = progress[i];
        const bool done = i < stage;
        switch (o.kind) {
            case ObjectiveSpec::Visit:
                for (size_t k = 0; k < o.bodies.size(); ++k)
                    addGoalCircles(out, p.visited[k] != 0, world.bodies[size_t(o.bodies[k])]->position,
                                   {o.radius});
                break;
            case ObjectiveSpec::Leave:
                addGoalCircles(out, done, centreOf(o.centre, world), {o.radius});
                break;
            case ObjectiveSpec::LandAt:
                addGoalCircles(out, done, placeOn(o, world), {o.radius});
                break;
            case ObjectiveSpec::Hold:
                if (o.hasSector) {
                    addSectorGoal(out, *world.bodies[size_t(o.centre.body)], o.sector, p.inRange);
                } else {
                    if (o.hasInner) addGoalCircles(out, p.inRange, centreOf(o.centre, world), {o.inner});
                    if (o.hasOuter) addGoalCircles(out, p.inRange, centreOf(o.centre, world), {o.outer});
                }
                break;
            case ObjectiveSpec::Land:
            case ObjectiveSpec::Launch:
            case ObjectiveSpec::Survive:
                break;
        }
    }
    for (const FailureSpec& f : spec_.failures)
        if (f.kind == FailureSpec::Beyond) addGoalCircles(out, false, centreOf(f.centre, world), {f.radius});
}

void DataMission::fixedGoals(const World& world, Goals& out) const {
    if (sectorBody >= 0) addHeightRings(out, *world.bodies[size_t(sectorBody)]);
}

Vec2 DataMission::fixedGoalsCentre(const World& world) const {
    return sectorBody >= 0 ? world.bodies[size_t(sectorBody)]->position : Vec2();
}
