#include "sim/AngleWindow.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "sim/FastFmod.h"

namespace {

const double pi = 3.141592653589793;
const double twoPi = 6.283185307179586;
const double sqrt3 = 1.7320508075688772;
const double tanPiOver12 = 0.2679491924311227;

// A cheap angle and the room it needs: the rough angle below is within 1e-7
// rad of the true one, the exact angle within 1e-9 (for |turn| < 1e6), so
// where the rough angle lies farther than this from an edge of the window,
// both lie on the same side.
const double margin = 1e-5;  // radians

// atan(t) for 0 <= t <= 1. Above tan(π/12), atan(t) = π/6 + atan(u) with
// u = (t√3 - 1) / (t + √3), so |u| <= tan(π/12) always; the series
// u - u³/3 + ... - u⁹/9 + u¹¹/11 then errs by less than u¹³/13 < 1e-8.
double roughAtanUnit(double t) {
    double base = 0.0;
    if (t > tanPiOver12) {
        t = (t * sqrt3 - 1.0) / (t + sqrt3);
        base = pi / 6.0;
    }
    const double s = t * t;
    const double series =
        t * (1.0 + s * (-1.0 / 3 + s * (1.0 / 5 + s * (-1.0 / 7 + s * (1.0 / 9 - s / 11.0)))));
    return base + series;
}

// atan2(y, x) within 1e-7 rad; x and y not both zero.
double roughAtan2(double y, double x) {
    const double ax = std::fabs(x), ay = std::fabs(y);
    double r = roughAtanUnit(std::min(ax, ay) / std::max(ax, ay));
    if (ay > ax) r = pi / 2 - r;
    if (x < 0) r = pi - r;
    return y < 0 ? -r : r;
}

// 1 inside, 0 outside, -1 too close to an edge (or out of range) to tell.
int quickTest(double dx, double dy, double turn, double width) {
    const double size = std::max(std::fabs(dx), std::fabs(dy));
    if (!(size > 1e-100 && size < 1e100) || !(std::fabs(turn) < 1e6)) return -1;
    double a = roughAtan2(dy, dx) - turn;
    // Into [0, 2π) give or take rounding, far below the margin for |a| < 1e6.
    const double turns = a * (1.0 / twoPi);
    double whole = double(int64_t(turns));
    if (whole > turns) whole -= 1.0;
    a -= whole * twoPi;
    if (a > margin && a < width - margin) return 1;
    if (a > width + margin && a < twoPi - margin) return 0;
    return -1;
}

}  // namespace

double reducedAngle(double dx, double dy, double turn) {
    double a = fastFmod(std::atan2(dy, dx) - turn, twoPi);
    if (a < 0) a += twoPi;
    return a;
}

bool angleInWindow(double dx, double dy, double turn, double width) {
    const int quick = quickTest(dx, dy, turn, width);
    if (quick >= 0) return quick == 1;
    const double a = reducedAngle(dx, dy, turn);
    return 0.0 < a && a < width;
}
