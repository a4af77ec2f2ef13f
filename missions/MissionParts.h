#pragma once

#include <cmath>
#include <initializer_list>

#include "sim/Body.h"
#include "sim/Goal.h"
#include "sim/Rocket.h"
#include "sim/Vec2.h"
#include "sim/World.h"

// Pieces the missions' objectives share: the ship's start, distance and
// window tests, and the goals they show.

// Sets every ship field and names the ship's model. A start inside a solid
// body is lifted onto its surface by the world's reset.
void placeShip(World& world, Vec2 position, Vec2 velocity, double angle,
               double angularVelocity = 0.0);

// Length of a − b, as sqrt(x*x + y*y).
double distance(Vec2 a, Vec2 b);

// A distance limit, with its square and the band about it worked out once:
// objectives compare with the same few limits every step.
struct DistanceLimit {
    double limit = 0.0;
    double square = 0.0;
    // Outside [low, high] the squares decide; false for limits whose square
    // could overflow or underflow.
    bool banded = false;
    double low = 0.0, high = 0.0;

    DistanceLimit() = default;
    explicit DistanceLimit(double limit_) : limit(limit_), square(limit_ * limit_) {
        banded = limit > 1e-100 && limit < 1e100;
        low = square * (1.0 - 1e-9);
        high = square * (1.0 + 1e-9);
    }
};

// A distance held as its square x*x + y*y, compared with a limit exactly as
// its square root would compare. The root is correctly rounded and
// monotonic, so wherever the square lies more than a billionth away from the
// limit's square, the squares decide; only nearer is the root taken.
struct SquaredDistance {
    double squared;

    bool above(const DistanceLimit& limit) const {
        if (clearOf(limit)) return squared > limit.square;
        return std::sqrt(squared) > limit.limit;
    }
    bool below(const DistanceLimit& limit) const {
        if (clearOf(limit)) return squared < limit.square;
        return std::sqrt(squared) < limit.limit;
    }

private:
    // False also for NaN.
    bool clearOf(const DistanceLimit& limit) const {
        return limit.banded && (squared > limit.high || squared < limit.low);
    }
};
// The ship's distance from `point`, as shipDistance() measures it, squared.
// Inline: missions ask it every step.
inline SquaredDistance shipSquaredDistance(const World& world, Vec2 point) {
    const Vec2 d = world.rocket->position - point;
    return SquaredDistance{d.x * d.x + d.y * d.y};
}
// The same, from the centre of body `index`.
inline SquaredDistance shipSquaredDistanceToBody(const World& world, int index) {
    return shipSquaredDistance(world, world.bodies[size_t(index)].position);
}
// Distance from the ship's centre to `point`.
double shipDistance(const World& world, Vec2 point);
// Distance from the ship's centre to the centre of body `index`.
double shipDistanceToBody(const World& world, int index);

// Marks the run won and scores it.
void winMission(World& world);

// The timed window test: the clock starts on the step of entry and restarts
// on every re-entry; true once more than `steps` steps have passed inside.
bool heldLongEnough(const World& world, bool inside, bool& inRange, int& rangeStart, int steps);

// Circles around `centre`, met or not; `framed` ones the camera keeps in view.
void addGoalCircles(Goals& goals, bool met, Vec2 centre, std::initializer_list<double> radii,
                    bool framed = false);
// The distance rings around the planet of the geostationary missions.
void addHeightRings(Goals& goals, const Body& planet);
// The wedge fixed to that turning planet, met while `inRange`.
void addSectorGoal(Goals& goals, const Body& planet, double width, bool inRange);
