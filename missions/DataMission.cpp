#include "missions/DataMission.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "missions/MissionParts.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/TurningWindow.h"
#include "sim/World.h"

namespace {

Vec2 centreOf(const Centre& centre, const World& world) {
    return centre.body >= 0 ? world.bodies[size_t(centre.body)].position : centre.point;
}

// A place on a body's surface, worked out in single precision.
Vec2 placeOn(const ObjectiveDef& objective, const World& world) {
    const Vec2& body = world.bodies[size_t(objective.centre.body)].position;
    return Vec2(float(body.x) + float(objective.offset.x),
                float(body.y) + float(objective.offset.y));
}

// Whether a coasting ship stays clear of the circle of `radius` around the
// still body `index` for `steps` steps: the nearest its straight line comes,
// less what the steps' sums can round away (under an ulp of the largest
// coordinate per step, taken ten times over), is still outside the circle.
bool staysClear(const World& world, int index, double radius, double steps) {
    const Body& body = world.bodies[size_t(index)];
    if (!(body.velocity.x == 0.0 && body.velocity.y == 0.0)) return false;
    const Vec2 p = world.rocket->position, v = world.rocket->velocity, c = body.position;
    const double wx = p.x - c.x, wy = p.y - c.y;
    const double speed2 = v.x * v.x + v.y * v.y;
    double k = speed2 > 0.0 ? -(wx * v.x + wy * v.y) / speed2 : 0.0;
    k = std::min(std::max(k, 0.0), steps);
    const double nearest = std::hypot(wx + k * v.x, wy + k * v.y);
    const double reach = std::fabs(p.x) + std::fabs(p.y) + std::fabs(c.x) + std::fabs(c.y) +
                         steps * (std::fabs(v.x) + std::fabs(v.y));
    const double drift = steps * 1e-15 * reach;
    return std::isfinite(nearest) && std::isfinite(drift) &&
           nearest > radius * (1.0 + 1e-6) + drift + 1e-6;
}

// One run's progress through a mission's objectives.
class MissionJudge : public Judge {
public:
    explicit MissionJudge(const DataMission& mission);
    std::unique_ptr<Judge> clone() const override { return std::make_unique<MissionJudge>(*this); }
    void update(World& world) override;
    long earliestEnd(const World& world) const override;
    void goals(const World& world, Goals& out) const override;
    std::string progressReport() const override;

private:
    struct Progress {
        std::vector<char> visited;  // Visit: per circle, 1 once entered
        bool inRange = false;       // Hold: inside the window now
        int rangeStart = 0;         // Hold: world time of the last entry
    };
    bool met(size_t index, World& world);
    bool failing(size_t index, World& world);
    // How far the ship is from meeting objective `index`; negative if not a distance.
    double distanceTo(size_t index, const World& world) const;
    // Objective `index` in the player's words ("land on the planet").
    std::string objectiveText(size_t index) const;

    const DataMission* mission;          // the rules judged by; outlives every run
    const MissionDef& def_;              // the mission's
    std::vector<Progress> progress;      // per objective
    std::vector<TurningWindow> windows;  // per objective; used by sectors only
    std::vector<bool> flown;             // per failure: the ship has been off the ground
    size_t stage = 0;                    // objectives met so far
    int stageStart = 0;                  // world time at which the current objective began
};

MissionJudge::MissionJudge(const DataMission& mission_) : mission(&mission_), def_(mission_.def()) {
    progress.resize(def_.objectives.size());
    for (size_t i = 0; i < progress.size(); ++i)
        progress[i].visited.assign(def_.objectives[i].bodies.size(), 0);
    flown.assign(def_.failures.size(), false);
    for (const ObjectiveDef& objective : def_.objectives) windows.emplace_back(objective.sector);
}

}  // namespace

DataMission::DataMission(const MissionDef& def)
    : Mission(def.title.c_str(), def.briefing.c_str(), def.gold, def.silver), def_(def) {
    thrustRate = def.thrustCost;
    turnRate = def.turnCost;
    timeRate = def.timeCost;
    for (const ObjectiveDef& objective : def_.objectives) {
        if (objective.kind == ObjectiveDef::Hold && objective.hasSector && sectorBody < 0)
            sectorBody = objective.centre.body;
        objectiveLimits_.push_back(Limits{DistanceLimit(objective.radius),
                                          DistanceLimit(objective.inner),
                                          DistanceLimit(objective.outer)});
    }
    for (const FailureDef& failure : def_.failures) failureRadii.emplace_back(failure.radius);
}

std::unique_ptr<Judge> DataMission::judge() const { return std::make_unique<MissionJudge>(*this); }

void DataMission::setup(World& world) const {
    // In the file's order: the physics pulls body by body.
    for (const BodyDef& def : def_.bodies) {
        Body body;
        body.solid = def.solid;
        body.radius = def.radius;
        body.mass = def.mass;
        body.position = def.position;
        body.velocity = def.velocity;
        body.angle = def.angle;
        body.spin = def.spin;
        body.model = def.model;
        body.texture = def.texture;
        world.bodies.push_back(body);
    }
    const ShipDef& ship = def_.ship;
    placeShip(world, ship.position, ship.velocity, ship.angle, ship.spin);
}

bool MissionJudge::met(size_t index, World& world) {
    const ObjectiveDef& o = def_.objectives[index];
    const DataMission::Limits& limits = mission->objectiveLimits(index);
    Progress& p = progress[index];
    const bool landed = world.rocket->landed;
    switch (o.kind) {
        case ObjectiveDef::Visit: {
            size_t reached = 0;
            const size_t count = o.bodies.size();
            for (size_t i = 0; i < count; ++i) {
                const bool open = !o.inOrder || i == 0 || p.visited[i - 1];
                if (open && shipSquaredDistanceToBody(world, o.bodies[i]).below(limits.radius))
                    p.visited[i] = 1;
                if (p.visited[i]) {
                    ++reached;
                } else if (o.inOrder) {
                    break;  // circles are entered in order: none after this one yet
                }
            }
            return reached == count;
        }
        case ObjectiveDef::Leave:
            return shipSquaredDistance(world, centreOf(o.centre, world)).above(limits.radius);
        case ObjectiveDef::Land:
            return landed &&
                   (o.centre.body < 0 || shipDistanceToBody(world, o.centre.body) < o.radius);
        case ObjectiveDef::LandAt:
            return shipSquaredDistance(world, placeOn(o, world)).below(limits.radius) && landed;
        case ObjectiveDef::Launch:
            return !landed;
        case ObjectiveDef::Hold: {
            const Vec2 centre = centreOf(o.centre, world);
            const SquaredDistance d = shipSquaredDistance(world, centre);
            bool inside =
                (!o.hasInner || d.above(limits.inner)) && (!o.hasOuter || d.below(limits.outer));
            if (inside && o.hasSector) {
                const Body& body = world.bodies[size_t(o.centre.body)];
                const Vec2& ship = world.rocket->position;
                inside = windows[index].contains(ship.x - centre.x, ship.y - centre.y, body.angle,
                                                 body.spin);
            }
            return heldLongEnough(world, inside, p.inRange, p.rangeStart, o.steps);
        }
        case ObjectiveDef::Survive:
            return world.time - stageStart > o.steps;
    }
    return false;
}

bool MissionJudge::failing(size_t index, World& world) {
    const FailureDef& f = def_.failures[index];
    const bool landed = world.rocket->landed;
    switch (f.kind) {
        case FailureDef::Beyond:
            return shipSquaredDistance(world, centreOf(f.centre, world))
                .above(mission->failureRadius(index));
        case FailureDef::Land:
            if (!landed) flown[index] = true;
            return flown[index] && landed;
        case FailureDef::TimeLimit:
            return world.time > f.steps;
    }
    return false;
}

void MissionJudge::update(World& world) {
    const size_t failures = def_.failures.size(), objectives = def_.objectives.size();
    for (size_t i = 0; i < failures; ++i) {
        if (failing(i, world) && !world.result.failed) {
            world.result.failed = true;
            world.result.failReason = mission->failureReason(i);
        }
    }
    while (stage < objectives && met(stage, world)) {
        ++stage;
        stageStart = world.time;
        world.result.nearestGoal = -1.0;  // a new objective: its own closest approach
    }
    if (stage == objectives) {
        winMission(world);
        return;
    }
    if (!world.measureApproach) return;
    const double d = distanceTo(stage, world);
    double& nearest = world.result.nearestGoal;
    if (d >= 0 && (nearest < 0 || d < nearest)) nearest = d;
}

// Only a time limit can fail such a run, and only some objectives can be
// told not to be met yet: a hold (which starts again on every entry), a wait
// that follows the objective before, and circles a coasting ship will not enter.
long MissionJudge::earliestEnd(const World& world) const {
    const long now = world.time;
    long earliest = std::numeric_limits<long>::max();
    for (const FailureDef& f : def_.failures) {
        if (f.kind != FailureDef::TimeLimit) return now;
        earliest = std::min(earliest, long(f.steps) + 1);
    }
    if (stage >= def_.objectives.size()) return now;
    const ObjectiveDef& o = def_.objectives[stage];
    const Progress& p = progress[stage];
    long met = now;
    if (o.kind == ObjectiveDef::Hold) {
        met = (p.inRange ? long(p.rangeStart) : now) + o.steps + 1;
    } else if (o.kind == ObjectiveDef::Survive) {
        met = long(stageStart) + o.steps + 1;
    } else if (o.kind == ObjectiveDef::Visit && world.coasting()) {
        const long horizon = 200000;  // steps, past any run's cut-off
        bool clear = false;
        for (size_t i = 0; i < o.bodies.size(); ++i) {
            if (p.visited[i]) continue;
            clear = staysClear(world, o.bodies[i], o.radius, double(horizon));
            if (!clear || o.inOrder) break;  // in order, only the first not entered is open
        }
        if (clear) met = now + horizon;
    }
    return std::max(now, std::min(earliest, met));
}

double MissionJudge::distanceTo(size_t index, const World& world) const {
    const ObjectiveDef& o = def_.objectives[index];
    switch (o.kind) {
        case ObjectiveDef::Visit: {
            double nearest = -1.0;
            for (size_t i = 0; i < o.bodies.size(); ++i) {
                if (progress[index].visited[i]) continue;
                const double d = shipDistanceToBody(world, o.bodies[i]) - o.radius;
                if (nearest < 0 || d < nearest) nearest = d;
                if (o.inOrder) break;  // only the next circle is open
            }
            return nearest < 0 ? 0.0 : nearest;
        }
        case ObjectiveDef::Leave:
            return std::max(0.0, o.radius - shipDistance(world, centreOf(o.centre, world)));
        case ObjectiveDef::Land:
            if (o.centre.body < 0) return -1.0;
            return std::max(0.0, shipDistanceToBody(world, o.centre.body) - o.radius);
        case ObjectiveDef::LandAt:
            return std::max(0.0, shipDistance(world, placeOn(o, world)) - o.radius);
        case ObjectiveDef::Hold: {
            if (!o.hasInner && !o.hasOuter) return -1.0;
            const double d = shipDistance(world, centreOf(o.centre, world));
            if (o.hasInner && d < o.inner) return o.inner - d;
            if (o.hasOuter && d > o.outer) return d - o.outer;
            return 0.0;
        }
        case ObjectiveDef::Launch:
        case ObjectiveDef::Survive:
            break;
    }
    return -1.0;
}

std::string DataMission::failureReason(size_t index) const {
    const FailureDef& f = def_.failures[index];
    if (!f.text.empty()) return f.text;
    switch (f.kind) {
        case FailureDef::Beyond:
            if (f.centre.body >= 0 && !def_.bodies[size_t(f.centre.body)].name.empty())
                return "flew too far from the " + def_.bodies[size_t(f.centre.body)].name;
            return "flew out of range";
        case FailureDef::Land:
            return "landed before the mission was done";
        case FailureDef::TimeLimit:
            return "took longer than " + std::to_string(f.steps) + " s";
    }
    return "failed";
}

std::string MissionJudge::progressReport() const {
    if (stage >= def_.objectives.size()) return "";
    std::string met;
    for (size_t i = 0; i < stage; ++i) met += (i ? ", " : "") + objectiveText(i);
    // A long list would run past the view: the count says enough.
    const size_t longest = 48;
    if (met.size() > longest)
        met =
            std::to_string(stage) + " of " + std::to_string(def_.objectives.size()) + " objectives";
    return (stage ? "Met: " + met + ". " : std::string()) + "Missed: " + objectiveText(stage) + ".";
}

std::string MissionJudge::objectiveText(size_t index) const {
    const ObjectiveDef& o = def_.objectives[index];
    const std::string seconds = std::to_string(o.steps) + " s";
    switch (o.kind) {
        case ObjectiveDef::Visit: {
            const size_t count = o.bodies.size();
            if (count == 1) return "reach the red circle";
            const auto reached =
                std::count(progress[index].visited.begin(), progress[index].visited.end(), 1);
            return "reach the " + std::to_string(count) + " red circles" +
                   (o.inOrder ? " in order" : "") + " (" + std::to_string(reached) + " reached)";
        }
        case ObjectiveDef::Leave:
            return "get outside the red circle";
        case ObjectiveDef::Land: {
            if (o.centre.body < 0) return index > 0 ? "land again" : "land";
            const std::string& body = def_.bodies[size_t(o.centre.body)].name;
            return "land on the " + (body.empty() ? std::string("planet") : body);
        }
        case ObjectiveDef::LandAt:
            return "land in the red circle";
        case ObjectiveDef::Launch:
            return "take off";
        case ObjectiveDef::Hold:
            if (o.hasSector) return "stay above the marked ground for " + seconds;
            if (o.hasInner && o.hasOuter) return "stay between the red circles for " + seconds;
            return std::string(o.hasOuter ? "stay inside" : "stay outside") +
                   " the red circle for " + seconds;
        case ObjectiveDef::Survive:
            return "then hold on for " + seconds;
    }
    return "meet the objective";
}

// Circles the ship must reach or stay inside are framed whole; circles it
// must leave, and ceilings, come into view as the ship nears them, and a
// far one framed would shrink everything else.
void MissionJudge::goals(const World& world, Goals& out) const {
    const bool framed = true;
    for (size_t i = 0; i < def_.objectives.size(); ++i) {
        const ObjectiveDef& o = def_.objectives[i];
        const Progress& p = progress[i];
        const bool done = i < stage;
        switch (o.kind) {
            case ObjectiveDef::Visit:
                for (size_t k = 0; k < o.bodies.size(); ++k)
                    addGoalCircles(out, p.visited[k] != 0,
                                   world.bodies[size_t(o.bodies[k])].position, {o.radius}, framed);
                break;
            case ObjectiveDef::Leave:
                addGoalCircles(out, done, centreOf(o.centre, world), {o.radius});
                break;
            case ObjectiveDef::LandAt:
                addGoalCircles(out, done, placeOn(o, world), {o.radius}, framed);
                break;
            case ObjectiveDef::Hold:
                if (o.hasSector) {
                    addSectorGoal(out, world.bodies[size_t(o.centre.body)], o.sector, p.inRange);
                } else {
                    const Vec2 centre = centreOf(o.centre, world);
                    if (o.hasInner) addGoalCircles(out, p.inRange, centre, {o.inner}, framed);
                    if (o.hasOuter) addGoalCircles(out, p.inRange, centre, {o.outer}, framed);
                }
                break;
            case ObjectiveDef::Land:
            case ObjectiveDef::Launch:
            case ObjectiveDef::Survive:
                break;
        }
    }
    for (const FailureDef& f : def_.failures)
        if (f.kind == FailureDef::Beyond)
            addGoalCircles(out, false, centreOf(f.centre, world), {f.radius});
}

void DataMission::fixedGoals(const World& world, Goals& out) const {
    if (sectorBody >= 0) addHeightRings(out, world.bodies[size_t(sectorBody)]);
}

Vec2 DataMission::fixedGoalsCentre(const World& world) const {
    return sectorBody >= 0 ? world.bodies[size_t(sectorBody)].position : Vec2();
}
