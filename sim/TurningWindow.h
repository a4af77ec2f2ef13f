#pragma once

// A wedge of directions fixed to a turning body: from the body's angle to
// that angle + width. contains() answers exactly as angleInWindow() does,
// but from the wedge's two edge directions, which follow the body by one
// rotation per step instead of fresh sines and cosines: the geostationary
// missions ask every step. What it keeps is only a cache; whatever it holds,
// the answers are the same.
class TurningWindow {
public:
    explicit TurningWindow(double width);

    // Whether the direction (dx, dy) lies strictly inside the wedge while
    // the body, turning `spin` radians per step, stands at angle `turn`.
    bool contains(double dx, double dy, double turn, double spin);

private:
    struct Direction {
        double x, y;
    };
    void follow(double turn, double spin);
    void recompute(double turn, double spin);
    int quickTest(double dx, double dy) const;

    double width;             // radians
    Direction widthTurn;      // cos and sin of the width
    double turn;              // body angle the edges belong to; NaN before the first call
    double spin;              // radians per step the edges are rotated by
    Direction spinTurn;       // cos and sin of the spin
    Direction first, second;  // the edges at turn and turn + width
    int rotations;            // steps followed since the last fresh computation
    bool usable;              // the fast test applies to this wedge and angle
};
