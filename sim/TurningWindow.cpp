#include "sim/TurningWindow.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "sim/AngleWindow.h"

namespace {

const double pi = 3.141592653589793;

// Why the quick answer is the exact one. Let α be the true angle of (dx, dy)
// from the body's angle `turn` (the double the body holds).
// - The edges are rotated at most maxRotations times from fresh sines and
//   cosines. Each rotation errs by under 1e-15 in direction and length, and
//   the body's angle, summed step by step, drifts from the exact sum of
//   spins by half an ulp per step: under 6e-11 rad for |turn| < 1e6. So each
//   edge lies within 2.5e-7 of the true one.
// - A cross product edge × d is |d| sin(angle from the edge), computed within
//   4e-16 (|dx| + |dy|) plus 2.5e-7 |d| for the edge error.
// - So when it exceeds margin (|dx| + |dy|) (>= margin |d|), the angle from
//   that edge is more than 9.7e-6 away from 0 and from π, and the exact
//   reduced angle (within 1e-9 of α) lies on the same side of the edge.
// With a wedge narrower than π, the signs of the two cross products then
// place α inside, behind the first edge, or past the second.
const double margin = 1e-5;
const int maxRotations = 4096;
const double maxTurn = 1e6;  // radians; keeps half an ulp of the angle under 6e-11

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TurningWindow::TurningWindow(double width_)
    : width(width_),
      widthTurn{std::cos(width_), std::sin(width_)},
      turn(std::nan("")),
      spin(std::nan("")),
      spinTurn{1.0, 0.0},
      first{1.0, 0.0},
      second{1.0, 0.0},
      rotations(0),
      usable(false) {}

bool TurningWindow::contains(double dx, double dy, double turn_, double spin_) {
    follow(turn_, spin_);
    const int quick = usable ? quickTest(dx, dy) : -1;
    if (quick >= 0) return quick == 1;
    return angleInWindow(dx, dy, turn_, width);
}

void TurningWindow::follow(double turn_, double spin_) {
    if (same(turn_, turn) && same(spin_, spin)) return;
    const bool oneStepOn = same(spin_, spin) && same(turn_, turn + spin);
    if (!oneStepOn || rotations >= maxRotations || !(std::fabs(turn_) < maxTurn)) {
        recompute(turn_, spin_);
        return;
    }
    const Direction s = spinTurn, a = first;
    first = {a.x * s.x - a.y * s.y, a.y * s.x + a.x * s.y};
    const Direction w = widthTurn, b = first;
    second = {b.x * w.x - b.y * w.y, b.y * w.x + b.x * w.y};
    turn = turn_;
    ++rotations;
}

void TurningWindow::recompute(double turn_, double spin_) {
    turn = turn_;
    spin = spin_;
    rotations = 0;
    usable = width > 0.0 && width < pi && std::fabs(turn_) < maxTurn && std::isfinite(spin_);
    if (!usable) return;
    spinTurn = {std::cos(spin_), std::sin(spin_)};
    first = {std::cos(turn_), std::sin(turn_)};
    const Direction w = widthTurn, b = first;
    second = {b.x * w.x - b.y * w.y, b.y * w.x + b.x * w.y};
}

// 1 inside, 0 outside, -1 too close to an edge (or out of range) to tell.
int TurningWindow::quickTest(double dx, double dy) const {
    const double size = std::fabs(dx) + std::fabs(dy);
    if (!(size > 1e-100 && size < 1e100)) return -1;
    const double room = margin * size;
    const double fromFirst = first.x * dy - first.y * dx;
    if (fromFirst < -room) return 0;  // behind the first edge
    if (!(fromFirst > room)) return -1;
    const double fromSecond = second.x * dy - second.y * dx;
    if (fromSecond < -room) return 1;
    if (fromSecond > room) return 0;
    return -1;
}
