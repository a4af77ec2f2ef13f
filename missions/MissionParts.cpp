#include "missions/MissionParts.h"

#include <cmath>

#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

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

double shipDistanceToBody(const World& world, int index) {
    return shipDistance(world, world.bodies[size_t(index)].position);
}

void winMission(World& world) {
    world.result.won = true;
    world.computeScore();
}

bool heldLongEnough(const World& world, bool inside, bool& inRange, int& rangeStart, int steps) {
    if (!inside) {
        inRange = false;
        return false;
    }
    if (!inRange) {
        rangeStart = world.time;
        inRange = true;
    }
    return world.time - rangeStart > steps;
}

void addGoalCircles(Goals& goals, bool met, Vec2 centre, std::initializer_list<double> radii,
                    bool framed) {
    for (double radius : radii) {
        Goal circle;
        circle.look = met ? Goal::Met : Goal::Unmet;
        circle.centre = centre;
        circle.radius = radius;
        circle.framed = framed;
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
