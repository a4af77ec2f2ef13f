#include "sim/FastFmod.h"

#include <cmath>
#include <cstdint>

namespace {

// a * b == p + e exactly (Dekker's product on Veltkamp's halves; it relies on
// every operation being rounded on its own, as this program is built).
void exactProduct(double a, double b, double& p, double& e) {
    const double splitter = 134217729.0;  // 2^27 + 1
    double t = splitter * a;
    const double aHigh = t - (t - a), aLow = a - aHigh;
    t = splitter * b;
    const double bHigh = t - (t - b), bLow = b - bHigh;
    p = a * b;
    e = ((aHigh * bHigh - p) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

// x - q * y, exact whenever the result is representable or q is off by one:
// x and q * y are then within a factor of two (Sterbenz), so x - p is exact.
double remainderFor(double x, double y, double q) {
    double p, e;
    exactProduct(q, y, p, e);
    const double r = (x - p) - e;
    return r == 0.0 ? std::copysign(0.0, x) : r;  // a zero keeps the dividend's sign
}

}  // namespace

// The remainder x - q * y for the whole quotient q is representable, so it is
// computed exactly once q is right. q comes from the rounded division and may
// be one off when x lies close to a multiple of y; the remainder's sign and
// size show that, and one correction fixes it.
double fastFmod(double x, double y) {
    const double maxQuotient = 1125899906842624.0;  // 2^50: far inside exact whole numbers
    if (!(y > 0.0) || !std::isfinite(y)) return std::fmod(x, y);
    const double ratio = x / y;
    if (!(std::fabs(ratio) < maxQuotient)) return std::fmod(x, y);  // also NaN and infinity
    double q = double(int64_t(ratio));                              // toward zero
    if (q == 0.0) return x;
    double r = remainderFor(x, y, q);
    if (x > 0.0 ? r < 0.0 : r > 0.0) {
        q -= std::copysign(1.0, x);
    } else if (std::fabs(r) >= y) {
        q += std::copysign(1.0, x);
    } else {
        return r;
    }
    return q == 0.0 ? x : remainderFor(x, y, q);
}
