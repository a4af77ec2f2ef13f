#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "sim/AngleWindow.h"

namespace {

const double twoPi = 6.283185307179586;

// The test as the missions describe it, with the library's own functions.
double designAngle(double dx, double dy, double turn) {
    double a = std::fmod(std::atan2(dy, dx) - turn, twoPi);
    if (a < 0) a += twoPi;
    return a;
}

bool designInside(double dx, double dy, double turn, double width) {
    const double a = designAngle(dx, dy, turn);
    return 0.0 < a && a < width;
}

uint64_t bitsOf(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

TEST(AngleWindow, TheReducedAngleIsBitForBitTheDesignedOne) {
    std::mt19937_64 g(1);
    std::uniform_real_distribution<double> coordinate(-2000.0, 2000.0), turn(-60.0, 60.0);
    for (int i = 0; i < 100000; ++i) {
        double dx = coordinate(g), dy = coordinate(g), t = turn(g);
        EXPECT_EQ(bitsOf(reducedAngle(dx, dy, t)), bitsOf(designAngle(dx, dy, t)));
    }
}

TEST(AngleWindow, RandomAndOutOfRangeDirectionsAreJudgedAsTheExactAngleJudgesThem) {
    std::mt19937_64 g(2);
    std::uniform_real_distribution<double> coordinate(-3000.0, 3000.0), turn(-60.0, 60.0);
    for (double width : {0.7853981633974483, 0.39269908169872414, 3.0, twoPi - 0.01}) {
        for (int i = 0; i < 100000; ++i) {
            double dx = coordinate(g), dy = coordinate(g), t = turn(g);
            ASSERT_EQ(angleInWindow(dx, dy, t, width), designInside(dx, dy, t, width))
                << dx << " " << dy << " " << t << " " << width;
        }
    }
    for (double dx : {1e-30, 1e25, -1e25, 0.0, double(NAN)})
        for (double dy : {1e-30, 1e25, 0.0, 3.0})
            for (double t : {0.0, 1e7, -1e9, double(NAN)})
                EXPECT_EQ(angleInWindow(dx, dy, t, 0.5), designInside(dx, dy, t, 0.5))
                    << dx << " " << dy << " " << t;
}

TEST(AngleWindow, DirectionsAtAndBesideTheEdgesAreJudgedExactly) {
    const double width = 0.39269908169872414;
    std::mt19937_64 g(3);
    std::uniform_real_distribution<double> turn(-40.0, 40.0), radius(90.0, 2000.0);
    for (int i = 0; i < 20000; ++i) {
        // Every 64th window has its edges placed in turn round all octants of atan2.
        double t = i % 64 == 0 ? i / 64 % 64 * twoPi / 64 - 3.0 : turn(g), r = radius(g);
        for (double edge : {0.0, width}) {
            for (double offset : {0.0, 1e-13, -1e-13, 1e-9, -1e-9, 1e-6, -1e-6, 1.1e-5, -1.1e-5}) {
                double direction = t + edge + offset;
                double dx = r * std::cos(direction), dy = r * std::sin(direction);
                ASSERT_EQ(angleInWindow(dx, dy, t, width), designInside(dx, dy, t, width))
                    << dx << " " << dy << " " << t << " " << offset;
            }
        }
    }
}
