#pragma once

// The direction (dx, dy) as an angle measured from `turn`, in [0, 2π):
// a = fmod(atan2(dy, dx) - turn, 2π), plus 2π when negative.
double reducedAngle(double dx, double dy, double turn);

// Whether that angle lies strictly between 0 and `width`. The exact test;
// a window that turns step by step answers most steps more cheaply (see
// TurningWindow) and comes here near its edges.
bool angleInWindow(double dx, double dy, double turn, double width);
