#pragma once

// The direction (dx, dy) as an angle measured from `turn`, in [0, 2π):
// a = fmod(atan2(dy, dx) - turn, 2π), plus 2π when negative.
double reducedAngle(double dx, double dy, double turn);

// Whether that angle lies strictly between 0 and `width`. Exactly the test
// on reducedAngle(), but decided from a cheap single-precision angle unless
// the direction lies close to an edge of the window: the missions ask every step.
bool angleInWindow(double dx, double dy, double turn, double width);
