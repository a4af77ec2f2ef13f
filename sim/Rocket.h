#pragma once

#include <string>

#include "sim/VirtualMachine.h"

struct Body;

// The player's ship: a VirtualMachine whose commands push and turn it.
// Created and destroyed only by World::reset().
class Rocket : public VirtualMachine {
public:
    Vec2 position;                 // centre, world units
    Vec2 velocity;                 // world units per step
    double radius = 8.0;           // collision radius and drawing scale
    bool landed = false;           // resting on `landedOn`, riding with it
    double angle = 0.0;            // heading, radians
    double angularVelocity = 0.0;  // radians per step
    Body* landedOn = nullptr;      // not owned; meaningful only while landed
    std::string model;             // OBJ file it is drawn with
    std::string texture;           // image file on that model

    void thrust(Vec2 amount) override;
    void turn(double amount) override;
};
