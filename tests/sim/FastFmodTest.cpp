#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "sim/FastFmod.h"

namespace {

const double twoPi = 6.283185307179586;

uint64_t bitsOf(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void expectFmod(double x, double y) {
    EXPECT_EQ(bitsOf(fastFmod(x, y)), bitsOf(std::fmod(x, y))) << std::hexfloat << x << " " << y;
}

}  // namespace

TEST(FastFmod, ReducesTheMissionsAnglesBitForBitAsFmod) {
    std::mt19937_64 g(3);
    std::uniform_real_distribution<double> angle(-2000.0, 2000.0);
    for (int i = 0; i < 200000; ++i) expectFmod(angle(g), twoPi);
}

TEST(FastFmod, ValuesBesideWholeMultiplesFindTheRightQuotient) {
    for (int k = -3000; k <= 3000; ++k) {
        double multiple = k * twoPi;
        double x = multiple;
        for (int step = 0; step < 4; ++step) x = std::nextafter(x, INFINITY);
        for (int step = 0; step < 8; ++step) {
            expectFmod(x, twoPi);
            x = std::nextafter(x, -INFINITY);
        }
    }
}

TEST(FastFmod, ZerosSpecialValuesAndOtherDivisorsGiveWhatFmodGives) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {0.0, -0.0, twoPi, -twoPi, 3 * twoPi, -5 * twoPi, 1e-310, -1e-310, 0.5, -0.5,
                     1e300, -1e300, 1e17, inf, -inf})
        expectFmod(x, twoPi);
    for (double y : {0.0, -twoPi, inf}) expectFmod(5.0, y);
    EXPECT_TRUE(std::isnan(fastFmod(std::numeric_limits<double>::quiet_NaN(), twoPi)));
    std::mt19937_64 g(4);
    std::uniform_real_distribution<double> value(-1e6, 1e6), divisor(1e-3, 1e3);
    for (int i = 0; i < 100000; ++i) expectFmod(value(g), divisor(g));
    std::uniform_real_distribution<double> large(-1e15, 1e15), small(0.5, 3.0);
    for (int i = 0; i < 100000; ++i) expectFmod(large(g), small(g));
}
