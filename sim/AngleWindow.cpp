#include "sim/AngleWindow.h"

#include <cmath>

#include "sim/FastFmod.h"
#include "sim/Trig.h"

namespace {

const double twoPi = 6.283185307179586;

}  // namespace

double reducedAngle(double dx, double dy, double turn) {
    double a = fastFmod(trig::atan2(dy, dx) - turn, twoPi);
    if (a < 0) a += twoPi;
    return a;
}

bool angleInWindow(double dx, double dy, double turn, double width) {
    const double a = reducedAngle(dx, dy, turn);
    return 0.0 < a && a < width;
}
