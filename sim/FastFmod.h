#pragma once

// std::fmod(x, y), bit for bit, in a few operations instead of the library's
// bit-by-bit division: the missions reduce an angle every step.
double fastFmod(double x, double y);
