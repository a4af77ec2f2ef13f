#pragma once

#include <cmath>

// The one place the physics takes its sines, cosines and arctangents from.
// C libraries round these differently in the last bit; a build for another
// platform swaps in an implementation that matches this one here, and every
// flight stays bit for bit the same.
namespace trig {

inline double sin(double x) { return std::sin(x); }
inline double cos(double x) { return std::cos(x); }
inline double atan2(double y, double x) { return std::atan2(y, x); }

}  // namespace trig
