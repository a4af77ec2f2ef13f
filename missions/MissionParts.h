#pragma once

#include <cmath>
#include <initializer_list>

#include "missions/Goal.h"
#include "sim/Vec2.h"

struct Body;
class Mission;
class TurningWindow;
struct World;

// Pieces that several missions share: body and ship creation, distance and
// band tests, and the goals they show.

// Radius of the red goal circles of the training missions, whatever the
// marker's own radius.
constexpr double goalRadius = 50.0;

// Appends a non-solid objective marker (mass 0, at rest, no model) to the world.
Body* addMarker(World& world, double radius, Vec2 position);

struct BodyDesc {
    double radius;        // world units
    double mass;          // gravitational parameter
    Vec2 position;        // world units
    Vec2 velocity;        // world units per step
    double spin;          // radians per step
    const char* model;    // OBJ file
    const char* texture;  // image file
};
// Appends a solid planet, moon or star with its model and texture.
Body* addPlanet(World& world, const BodyDesc& desc);

// Model and texture files the planetary and orbital missions use.
extern const char* const earthModel;
extern const char* const moonModel;
extern const char* const earthTexture;
extern const char* const moonTexture;

// The standard planet of the planetary missions: radius 70, mass 4.9 at (200, 200).
Body* addHomePlanet(World& world, double spin);

// The earth-like planet of the orbital missions: radius 70, mass 4.9, at rest
// at the origin, turning 0.001 rad per step.
Body* addOriginPlanet(World& world);
// The binary pair circling the origin: bodies 0 (right) and 1 (left).
void addBinaryPair(World& world);

// Sets every ship field and names the ship's model. A start inside a solid
// body is lifted onto its surface by the world's reset.
void placeShip(World& world, Vec2 position, Vec2 velocity, double angle,
               double angularVelocity = 0.0);

// Length of a − b, as sqrt(x*x + y*y).
double distance(Vec2 a, Vec2 b);

// A distance held as its square x*x + y*y, compared with a limit exactly as
// its square root would compare. The root is correctly rounded and
// monotonic, so wherever the square lies more than a billionth away from the
// limit's square, the squares decide; only nearer is the root taken.
struct SquaredDistance {
    double squared;

    bool above(double limit) const {
        if (clearOf(limit)) return squared > limit * limit;
        return std::sqrt(squared) > limit;
    }
    bool below(double limit) const {
        if (clearOf(limit)) return squared < limit * limit;
        return std::sqrt(squared) < limit;
    }

private:
    // False also for NaN, and for limits whose square could overflow or underflow.
    bool clearOf(double limit) const {
        if (!(limit > 1e-100 && limit < 1e100)) return false;
        const double l2 = limit * limit;
        return squared > l2 * (1.0 + 1e-9) || squared < l2 * (1.0 - 1e-9);
    }
};
// The ship's distance from `point`, as shipDistance() measures it, squared.
SquaredDistance shipSquaredDistance(const World& world, Vec2 point);
// The same, from the centre of body `index`.
SquaredDistance shipSquaredDistanceToBody(const World& world, int index);
// Distance from the ship's centre to `point`.
double shipDistance(const World& world, Vec2 point);
// Distance from the ship's centre to the centre of body `index`.
double shipDistanceToBody(const World& world, int index);

// Sets `won` and scores the run.
void winMission(Mission& mission, World& world);

// The timed band test: the clock starts on the step of entry and restarts on
// every re-entry; the mission is won once more than `steps` steps have passed.
void timedBandTest(Mission& mission, World& world, bool inside, bool& inRange, int& rangeStart,
                   int steps);

// Angle of the ship around `planet`, measured from the planet's own turning
// angle, in [0, 2π).
double sectorAngle(const World& world, const Body& planet);

// Marks every goal circle (bodies 0 .. count-1) the ship is inside as visited;
// the mission is won once all are visited, in any order.
void visitGoalCircles(Mission& mission, World& world, bool visited[], int count);
// The goal circles, each met once visited.
void addVisitedCircles(Goals& goals, const World& world, const bool visited[], int count);

// The geostationary window: farther than 90 from the planet's centre (clear of
// a landed ship at 78.1) and strictly inside the wedge 0 < sector angle < width,
// `window` being the wedge of that width fixed to the planet.
bool inSector(const World& world, const Body& planet, TurningWindow& window);

// Circles around `centre`, met or not.
void addGoalCircles(Goals& goals, bool met, Vec2 centre, std::initializer_list<double> radii);
// The distance rings around the planet of the geostationary missions.
void addHeightRings(Goals& goals, const Body& planet);
// The wedge fixed to that turning planet, met while `inRange`.
void addSectorGoal(Goals& goals, const Body& planet, double width, bool inRange);
