#include "sim/Rocket.h"

#include "sim/Trig.h"

namespace {
const double quarterTurn = 1.5707963267948966;
// Radians per step added by a turn value of 1: a thousandth of a degree.
const double turnFactor = 1.7453292519943296e-05;
}  // namespace

void Rocket::thrust(Vec2 amount) {
    landed = false;
    Vec2 forward(trig::cos(angle), trig::sin(angle));
    Vec2 side(trig::cos(angle - quarterTurn), trig::sin(angle - quarterTurn));
    velocity += (forward * amount.x) * 0.001;
    velocity += (side * amount.y) * 0.001;
}

void Rocket::turn(double amount) {
    landed = false;
    angularVelocity += amount * turnFactor;
}
