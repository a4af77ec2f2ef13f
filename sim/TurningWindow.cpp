#include "sim/TurningWindow.h"

#include <cmath>
#include <cstring>

#include "sim/AngleWindow.h"
#include "sim/Trig.h"

namespace {

const double pi = 3.141592653589793;

// Why the quick answer is the exact one. Let α be the true angle of (dx, dy)
// from the body's angle `turn` (the double the body holds).
// - The edge is rotated at most maxRotations times from a fresh sine and
//   cosine. Each rotation errs by under 1e-15 in direction and length, and
//   the body's angle, summed step by step, drifts from the exact sum of
//   spins by half an ulp per step: under 6e-11 rad for |turn| < 1e6. So the
//   edge lies within 2.5e-7 of the true one.
// - The offsets of d across each edge, |d| sin(α) and |d| sin(α - width),
//   are computed within 2e-15 (|dx| + |dy|) plus 2.5e-7 |d| for the edge.
// - So when one exceeds margin (|dx| + |dy|) (>= margin |d|) in size, the
//   angle from that edge is more than 9.7e-6 away from 0 and from π, and the
//   exact reduced angle (within 1e-9 of α) lies on the same side of it.
// With a wedge narrower than π, the two signs then place α inside, behind
// the first edge, or past the second.
const double margin = 1e-5;
const int maxRotations = 4096;
const double maxTurn = 1e6;  // radians; keeps half an ulp of the angle under 6e-11

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TurningWindow::TurningWindow(double width_)
    : width(width_),
      widthTurn{trig::cos(width_), trig::sin(width_)},
      turn(std::nan("")),
      spin(std::nan("")),
      nextTurn(std::nan("")),
      spinTurn{1.0, 0.0},
      edge{1.0, 0.0},
      rotations(0),
      usable(false) {}

bool TurningWindow::contains(double dx, double dy, double turn_, double spin_) {
    if (!follow(turn_, spin_)) recompute(turn_, spin_);
    const int quick = usable ? quickTest(dx, dy) : -1;
    if (quick >= 0) return quick == 1;
    return angleInWindow(dx, dy, turn_, width);
}

// Brings the edge to `turn_` if the body stands where it was or one step on.
bool TurningWindow::follow(double turn_, double spin_) {
    if (same(turn_, turn)) return true;
    if (!same(turn_, nextTurn) || !same(spin_, spin) || rotations >= maxRotations ||
        !(std::fabs(turn_) < maxTurn))
        return false;
    const Direction s = spinTurn, e = edge;
    edge = {e.x * s.x - e.y * s.y, e.y * s.x + e.x * s.y};
    turn = turn_;
    nextTurn = turn_ + spin_;
    ++rotations;
    return true;
}

void TurningWindow::recompute(double turn_, double spin_) {
    turn = turn_;
    spin = spin_;
    nextTurn = turn_ + spin_;
    rotations = 0;
    usable = width > 0.0 && width < pi && std::fabs(turn_) < maxTurn && std::isfinite(spin_);
    if (!usable) return;
    spinTurn = {trig::cos(spin_), trig::sin(spin_)};
    edge = {trig::cos(turn_), trig::sin(turn_)};
}

// 1 inside, 0 outside, -1 too close to an edge (or out of range) to tell.
int TurningWindow::quickTest(double dx, double dy) const {
    const double size = std::fabs(dx) + std::fabs(dy);
    if (!(size > 1e-100 && size < 1e100)) return -1;
    const double room = margin * size;
    const double across = edge.x * dy - edge.y * dx;  // |d| sin(α)
    if (across < -room) return 0;                     // behind the first edge
    if (!(across > room)) return -1;
    const double along = edge.x * dx + edge.y * dy;                        // |d| cos(α)
    const double pastSecond = widthTurn.x * across - widthTurn.y * along;  // |d| sin(α - width)
    if (pastSecond < -room) return 1;
    if (pastSecond > room) return 0;
    return -1;
}
