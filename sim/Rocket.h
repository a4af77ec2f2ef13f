#pragma once

#include <string>

#include "sim/VirtualMachine.h"

class Mesh;
struct Body;
struct Texture;

// The player's ship: a VirtualMachine whose commands push and turn it.
// Created and destroyed only by World::reset(); owns its mesh.
class Rocket : public VirtualMachine {
public:
    Rocket() = default;
    ~Rocket() override;
    Rocket(const Rocket&) = delete;
    Rocket& operator=(const Rocket&) = delete;

    Vec2 position;                 // centre, world units
    Vec2 velocity;                 // world units per step
    double radius = 8.0;           // collision radius and drawing scale
    bool landed = false;           // resting on `landedOn`, riding with it
    double angle = 0.0;            // heading, radians
    double angularVelocity = 0.0;  // radians per step
    Body* landedOn = nullptr;      // not owned; meaningful only while landed
    Mesh* mesh = nullptr;          // owned
    Texture* texture = nullptr;    // from the texture cache, not owned

    void draw() override;
    void thrust(Vec2 amount) override;
    void turn(double amount) override;
    void load(const std::string& meshFile, const std::string& textureFile);
};
