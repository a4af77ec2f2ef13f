#include "missions/MissionParts.h"

#include <cmath>

#include "missions/Mission.h"
#include "sim/AngleWindow.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/TurningWindow.h"
#include "sim/World.h"

const char* const earthModel = "models/earth_test.obj";
const char* const moonModel = "models/moon_test.obj";
const char* const earthTexture = "models/earth_tex.png";
const char* const moonTexture = "models/moon_tex.png";

Body* addMarker(World& world, double radius, Vec2 position) {
    Body* marker = new Body;
    marker->solid = false;
    marker->radius = radius;
    marker->mass = 0.0;
    marker->position = position;
    marker->velocity = Vec2(0.0, 0.0);
    marker->angle = 0.0;
    marker->spin = 0.0;
    world.bodies.push_back(marker);
    return marker;
}

Body* addPlanet(World& world, const BodyDesc& desc) {
    Body* body = new Body;
    body->solid = true;
    body->radius = desc.radius;
    body->mass = desc.mass;
    body->position = desc.position;
    body->velocity = desc.velocity;
    body->angle = 0.0;
    body->spin = desc.spin;
    body->model = desc.model;
    body->texture = desc.texture;
    world.bodies.push_back(body);
    return body;
}

Body* addHomePlanet(World& world, double spin) {
    return addPlanet(
        world, {70.0, 4.9, Vec2(200.0, 200.0), Vec2(0.0, 0.0), spin, earthModel, earthTexture});
}

Body* addOriginPlanet(World& world) {
    return addPlanet(world,
                     {70.0, 4.9, Vec2(0.0, 0.0), Vec2(0.0, 0.0), 0.001, earthModel, earthTexture});
}

void addBinaryPair(World& world) {
    addPlanet(world,
              {70.0, 4.9, Vec2(200.0, 0.0), Vec2(0.0, -0.075), 0.001, earthModel, earthTexture});
    addPlanet(world,
              {70.0, 4.9, Vec2(-200.0, 0.0), Vec2(0.0, 0.075), 0.001, earthModel, earthTexture});
}

void placeShip(World& world, Vec2 position, Vec2 velocity, double angle, double angularVelocity) {
    Rocket& ship = *world.rocket;
    ship.position = position;
    ship.velocity = velocity;
    ship.angle = angle;
    ship.angularVelocity = angularVelocity;
    ship.landed = false;
    ship.radius = 8.0;
    ship.model = "models/ship_test.obj";
    ship.texture = "models/test_tex.png";
}

double distance(Vec2 a, Vec2 b) { return (a - b).length(); }

double shipDistance(const World& world, Vec2 point) {
    return distance(world.rocket->position, point);
}

SquaredDistance shipSquaredDistance(const World& world, Vec2 point) {
    const Vec2 d = world.rocket->position - point;
    return SquaredDistance{d.x * d.x + d.y * d.y};
}

SquaredDistance shipSquaredDistanceToBody(const World& world, int index) {
    return shipSquaredDistance(world, world.bodies[index]->position);
}

double shipDistanceToBody(const World& world, int index) {
    return shipDistance(world, world.bodies[index]->position);
}

void winMission(Mission& mission, World& world) {
    mission.won = true;
    computeScore(world);
}

void timedBandTest(Mission& mission, World& world, bool inside, bool& inRange, int& rangeStart,
                   int steps) {
    if (!inside) {
        inRange = false;
        return;
    }
    if (!inRange) {
        rangeStart = world.time;
        inRange = true;
    }
    if (world.time - rangeStart > steps) winMission(mission, world);
}

void visitGoalCircles(Mission& mission, World& world, bool visited[], int count) {
    int reached = 0;
    for (int i = 0; i < count; ++i) {
        if (shipSquaredDistanceToBody(world, i).below(goalRadius)) visited[i] = true;
        if (visited[i]) ++reached;
    }
    if (reached == count) winMission(mission, world);
}

void addVisitedCircles(Goals& goals, const World& world, const bool visited[], int count) {
    for (int i = 0; i < count; ++i)
        addGoalCircles(goals, visited[i], world.bodies[i]->position, {goalRadius});
}

double sectorAngle(const World& world, const Body& planet) {
    const Vec2& ship = world.rocket->position;
    return reducedAngle(ship.x - planet.position.x, ship.y - planet.position.y, planet.angle);
}

bool inSector(const World& world, const Body& planet, TurningWindow& window) {
    if (!shipSquaredDistance(world, planet.position).above(90.0)) return false;
    const Vec2& ship = world.rocket->position;
    return window.contains(ship.x - planet.position.x, ship.y - planet.position.y, planet.angle,
                           planet.spin);
}

void addGoalCircles(Goals& goals, bool met, Vec2 centre, std::initializer_list<double> radii) {
    for (double radius : radii) {
        Goal circle;
        circle.look = met ? Goal::Met : Goal::Unmet;
        circle.centre = centre;
        circle.radius = radius;
        goals.push_back(circle);
    }
}

void addHeightRings(Goals& goals, const Body& planet) {
    // Alternate bright and dim rings every 10 units so the player can judge height.
    int ring = 0;
    for (int radius = 80; radius < 1070; radius += 10, ++ring) {
        Goal mark;
        mark.look = ring % 2 == 0 ? Goal::GuideBright : Goal::GuideDim;
        mark.centre = planet.position;
        mark.radius = radius;
        goals.push_back(mark);
    }
}

void addSectorGoal(Goals& goals, const Body& planet, double width, bool inRange) {
    Goal sector;
    sector.shape = Goal::Sector;
    sector.look = inRange ? Goal::Met : Goal::Unmet;
    sector.centre = planet.position;
    sector.angle = planet.angle;
    sector.width = width;
    goals.push_back(sector);
}
