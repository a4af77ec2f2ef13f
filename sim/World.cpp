#include "sim/World.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "sim/Body.h"
#include "sim/BodyTrack.h"
#include "sim/Rocket.h"
#include "sim/Trig.h"

namespace {

const double quarterTurn = 1.5707963267948966;
const double hoverGap = 0.1;  // a landed ship is held this far above the surface

// The pull of `mass` at offset d, added to `velocity`. Coincident centres
// have no direction to pull in; skipping them keeps NaN out of the world.
void pull(Vec2& velocity, double mass, Vec2 d) {
    double r2 = d.x * d.x + 0.0 + d.y * d.y;
    double r3 = std::sqrt(r2) * r2;
    if (!(r3 > 0.0)) return;
    velocity += (mass * d) / r3;
}

// Sets the ship down on `body` if their discs overlap.
void landIfTouching(Rocket& ship, Body& body) {
    Vec2 d = body.position - ship.position;
    double R = ship.radius + body.radius;
    if (!(d.x * d.x + 0.0 + d.y * d.y < R * R)) return;
    double scale = R / d.length();
    if (std::isfinite(scale)) {
        ship.position = body.position - d * scale;
        ship.angle = trig::atan2(-d.y, -d.x);
    } else {
        // A ship centred on the body has no way out; lift it along +x.
        ship.position = body.position + Vec2(R, 0.0);
        ship.angle = 0.0;
    }
    ship.velocity = Vec2(0.0, 0.0);
    ship.landed = true;
    ship.landedOn = &body;
}

void moveBodies(std::vector<Body>& bodies) {
    // The count and the first solid body (pairs are walked from there, so
    // markers with nothing to pull them just drift) are read once: the
    // writes below could alias them as far as the compiler knows.
    Body* const all = bodies.data();
    const size_t count = bodies.size();
    size_t firstSolid = 0;
    while (firstSolid < count && !all[firstSolid].solid) ++firstSolid;
    if (firstSolid == count) {
        for (size_t i = 0; i < count; ++i) {
            all[i].position += all[i].velocity;
            all[i].angle += all[i].spin;
        }
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        Body& body = all[i];
        for (size_t j = firstSolid; j < count; ++j) {
            const Body& other = all[j];
            if (j == i || !other.solid) continue;
            pull(body.velocity, other.mass, other.position - body.position);
        }
        body.position += body.velocity;
        body.angle += body.spin;
    }
}

void fly(Rocket& ship, const std::vector<Body>& bodies) {
    for (const Body& body : bodies) {
        if (body.solid) pull(ship.velocity, body.mass, body.position - ship.position);
    }
    ship.position += ship.velocity;
    ship.angle += ship.angularVelocity;
}

// A flying ship that touches no solid body is neither moved by the landing
// test nor landed, so the flight reads the very offsets the test computed:
// both in one pass. If a body touches the ship, nothing is changed and the
// caller lands and moves it the long way.
bool flyUntouched(Rocket& ship, const std::vector<Body>& bodies) {
    Vec2 velocity = ship.velocity;
    for (const Body& body : bodies) {
        if (!body.solid) continue;
        Vec2 d = body.position - ship.position;
        double R = ship.radius + body.radius;
        if (d.x * d.x + 0.0 + d.y * d.y < R * R) return false;
        pull(velocity, body.mass, d);
    }
    ship.velocity = velocity;
    ship.position += ship.velocity;
    ship.angle += ship.angularVelocity;
    return true;
}

}  // namespace

World::HeadingTrig::HeadingTrig()
    : angle(std::nan("")), cos(0), sin(0), cosQuarter(0), sinQuarter(0) {}

const World::HeadingTrig& World::HeadingTrig::of(double a) {
    if (std::memcmp(&a, &angle, sizeof a) != 0) {
        angle = a;
        cos = trig::cos(a);
        sin = trig::sin(a);
        cosQuarter = trig::cos(a + quarterTurn);
        sinQuarter = trig::sin(a + quarterTurn);
    }
    return *this;
}

World::World() = default;
World::~World() = default;
World::World(World&&) noexcept = default;
World& World::operator=(World&&) noexcept = default;

World::World(const World& other)
    : bodies(other.bodies),
      mission(other.mission),
      rocket(other.rocket ? std::make_unique<Rocket>(*other.rocket) : nullptr),
      time(other.time),
      running(other.running),
      speed(other.speed),
      result(other.result),
      measureApproach(other.measureApproach),
      judge(other.judge ? other.judge->clone() : nullptr),
      headingTrig(other.headingTrig) {
    // The ship rests on this world's copy of its body.
    if (rocket && rocket->landedOn)
        rocket->landedOn = &bodies[size_t(other.rocket->landedOn - other.bodies.data())];
}

World& World::operator=(const World& other) {
    if (this != &other) *this = World(other);
    return *this;
}

// Keeps a landed ship at its place on the surface of a turning, moving body.
void World::ride(Rocket& ship) {
    const Body& b = *ship.landedOn;
    double R = ship.radius + b.radius;
    const HeadingTrig& t = headingTrig.of(ship.angle);
    ship.position =
        Vec2(t.cos * (R + hoverGap) + b.position.x, t.sin * (R + hoverGap) + b.position.y);
    ship.velocity =
        Vec2(t.cosQuarter * R * b.spin + b.velocity.x, t.sinQuarter * R * b.spin + b.velocity.y);
    ship.angularVelocity = 0.0;
    ship.angle += b.spin;
}

void World::landOnSolidBodies() {
    for (Body& body : bodies) {
        if (body.solid) landIfTouching(*rocket, body);
    }
}

void World::reset() {
    speed = 1000;
    if (!mission) return;
    bodies.clear();
    Program program;
    if (rocket) program = std::move(rocket->program);
    rocket = std::make_unique<Rocket>();
    // The score of the run judged last stays for the screen that shows it.
    result.won = false;
    result.failed = false;
    result.failReason.clear();
    result.nearestGoal = -1.0;
    judge = mission->judge();
    mission->setup(*this);
    rocket->program = std::move(program);
    time = 0;
    rocket->restart();
    landOnSolidBodies();
}

void World::clearProgramAndReset() {
    if (rocket) rocket->program.clear();
    reset();
}

void World::step() {
    if (!mission || !rocket || result.failed) return;
    if (!bodyTrack || !bodyTrack->replay(bodies)) {
        moveBodies(bodies);
        if (bodyTrack) bodyTrack->record(bodies);
    }
    Rocket& ship = *rocket;
    const bool resting = ship.landed && ship.landedOn;
    if (resting || !flyUntouched(ship, bodies)) {
        landOnSolidBodies();
        if (ship.landed && ship.landedOn) {
            ride(ship);
        } else {
            fly(ship, bodies);
        }
    }
    ship.step();
    if (judge) judge->update(*this);
    if (!result.won && !result.failed) ++time;
}

void World::computeScore() {
    if (!mission) return;
    result.timeCost = float(time) * mission->timeRate;
    result.thrustCost = 0.0f;
    result.turnCost = 0.0f;
    if (rocket) {
        for (const Instruction& instruction : rocket->program) {
            if (instruction.opcode == Thrust) {
                result.thrustCost += float(instruction.value) * mission->thrustRate;
            } else if (instruction.opcode == Left || instruction.opcode == Right) {
                result.turnCost += std::fabs(float(instruction.value) * mission->turnRate);
            }
        }
    }
    result.score = result.turnCost + result.thrustCost + result.timeCost;
}

void World::check() {
    if (judge) judge->update(*this);
}

bool World::coasting() const {
    if (!rocket || rocket->landed || result.failed) return false;
    for (const Body& body : bodies)
        if (body.solid) return false;
    return rocket->pc < 0 || size_t(rocket->pc) >= rocket->program.size();
}

long World::earliestEnd() const { return judge ? judge->earliestEnd(*this) : time; }

std::string World::progressReport() const { return judge ? judge->progressReport() : ""; }

void World::goals(Goals& out) const {
    if (judge) judge->goals(*this, out);
}
