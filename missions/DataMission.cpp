#include "missions/DataMission.h"

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
    for (size_t i = 0; i < spec_.failures.size(); ++i)
        if (failing(i, world)) failed = true;
    while (stage < spec_.objectives.size() && met(stage, world)) {
        ++stage;
        stageStart = world.time;
    }
    if (stage == spec_.objectives.size()) winMission(*this, world);
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
