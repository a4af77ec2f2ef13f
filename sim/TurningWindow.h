#pragma once

// A wedge of directions fixed to a turning body: from the body's angle to
// that angle + width. contains() answers exactly as angleInWindow() does,
// but from the direction of the wedge's first edge, which follows the body
// by one rotation per step instead of fresh sines and cosines: the
// geostationary missions ask every step. What it keeps is only a cache;
// whatever it holds, the answers are the same.
class TurningWindow {
public:
    explicit TurningWindow(double width);

    // Whether the direction (dx, dy) lies strictly inside the wedge while
    // the body, turning `spin` radians per step, stands at angle `turn`.
    bool contains(double dx, double dy, double turn, double spin);

private:
    struct Direction {
        double x, y;  // cosine and sine
    };
    bool follow(double turn, double spin);
    void recompute(double turn, double spin);
    int quickTest(double dx, double dy) const;

    double width;         // radians
    Direction widthTurn;  // of the width
    double turn;          // body angle the edge belongs to; NaN before the first call
    double spin;          // radians per step the edge is rotated by
    double nextTurn;      // turn + spin, the angle of the next step
    Direction spinTurn;   // of the spin
    Direction edge;       // of the first edge, at `turn`
    int rotations;        // steps followed since the last fresh computation
    bool usable;          // the quick test applies to this wedge and angle
};
