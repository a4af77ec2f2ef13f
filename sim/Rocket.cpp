#include "sim/Rocket.h"

#include <GL/gl.h>

#include <cmath>

#include "render/Mesh.h"
#include "sim/Model.h"

namespace {
const double quarterTurn = 1.5707963267948966;
const double pi = 3.141592653589793;
// Radians per step added by a turn value of 1: a thousandth of a degree.
const double turnFactor = 1.7453292519943296e-05;
}  // namespace

Rocket::~Rocket() { delete mesh; }

void Rocket::thrust(Vec2 amount) {
    landed = false;
    Vec2 forward(std::cos(angle), std::sin(angle));
    Vec2 side(std::cos(angle - quarterTurn), std::sin(angle - quarterTurn));
    velocity += (forward * amount.x) * 0.001;
    velocity += (side * amount.y) * 0.001;
}

void Rocket::turn(double amount) {
    landed = false;
    angularVelocity += amount * turnFactor;
}

void Rocket::draw() {
    glDisable(GL_CULL_FACE);
    // The model points along +y; the heading is measured from +x.
    drawModel(mesh, texture, position, radius, angle * 180.0 / pi - 90.0);
}

void Rocket::load(const std::string& meshFile, const std::string& textureFile) {
    loadModel(mesh, texture, meshFile, textureFile);
}
