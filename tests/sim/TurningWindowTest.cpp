#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "sim/TurningWindow.h"

namespace {

const double twoPi = 6.283185307179586;
const double spin = 0.001;  // the geostationary planet's turn per step

// The test as the missions describe it, with the library's own functions.
bool designInside(double dx, double dy, double turn, double width) {
    double a = std::fmod(std::atan2(dy, dx) - turn, twoPi);
    if (a < 0) a += twoPi;
    return 0.0 < a && a < width;
}

// Directions at, just beside and clearly off both edges of the wedge.
void expectEdgesJudgedExactly(TurningWindow& window, double turn, double width, double r) {
    for (double edge : {0.0, width, width / 2, width + 3.0}) {
        for (double offset : {0.0, 1e-13, -1e-13, 1e-9, -1e-9, 1e-6, -1e-6, 1.1e-5, -1.1e-5}) {
            const double direction = turn + edge + offset;
            const double dx = r * std::cos(direction), dy = r * std::sin(direction);
            ASSERT_EQ(window.contains(dx, dy, turn, spin), designInside(dx, dy, turn, width))
                << dx << " " << dy << " " << turn << " " << offset;
        }
    }
}

}  // namespace

TEST(TurningWindow, AShipCirclingAPlanetForManyThousandStepsIsJudgedAsTheExactAngleJudgesIt) {
    // Many more steps than the edges are followed between fresh computations,
    // with the planet's angle summed step by step as the world sums it.
    for (double width : {0.7853981633974483, 0.39269908169872414}) {
        TurningWindow window(width);
        std::mt19937_64 g(4);
        std::uniform_real_distribution<double> radius(1.0, 3000.0), wobble(-0.3, 0.3);
        double turn = -2.5, shipAngle = 0.0;
        for (int step = 0; step < 40000; ++step) {
            turn += spin;
            shipAngle += spin * 0.99;
            const double direction = turn + width * 0.5 + wobble(g) * 5.0 + shipAngle * 1e-3;
            const double r = radius(g), dx = r * std::cos(direction), dy = r * std::sin(direction);
            ASSERT_EQ(window.contains(dx, dy, turn, spin), designInside(dx, dy, turn, width))
                << "step " << step;
            if (step % 97 == 0) expectEdgesJudgedExactly(window, turn, width, r);
        }
    }
}

TEST(TurningWindow, JumpsInAngleOrSpinAndStrangeInputsAreJudgedExactly) {
    const double width = 0.39269908169872414;
    TurningWindow window(width);
    std::mt19937_64 g(5);
    std::uniform_real_distribution<double> turn(-60.0, 60.0), coordinate(-2000.0, 2000.0);
    // A window used for one planet, then another, or asked out of order.
    for (int i = 0; i < 2000; ++i) {
        const double t = turn(g);
        expectEdgesJudgedExactly(window, t, width, 500.0);
        const double dx = coordinate(g), dy = coordinate(g);
        ASSERT_EQ(window.contains(dx, dy, t, i % 3 * spin), designInside(dx, dy, t, width));
    }
    for (double t : {1e7, -1e9, 0.0, double(NAN), 3.0})
        for (double dx : {1e-30, 1e25, -1e25, 0.0, double(NAN)})
            for (double dy : {1e-30, 1e25, 0.0, 3.0})
                EXPECT_EQ(window.contains(dx, dy, t, spin), designInside(dx, dy, t, width))
                    << dx << " " << dy << " " << t;
}

TEST(TurningWindow, WedgesOfHalfATurnOrMoreAreJudgedExactly) {
    for (double width : {3.141592653589793, 4.0, twoPi - 0.01}) {
        TurningWindow window(width);
        std::mt19937_64 g(6);
        std::uniform_real_distribution<double> coordinate(-3000.0, 3000.0);
        double t = 1.0;
        for (int i = 0; i < 20000; ++i, t += spin) {
            const double dx = coordinate(g), dy = coordinate(g);
            ASSERT_EQ(window.contains(dx, dy, t, spin), designInside(dx, dy, t, width)) << width;
        }
        expectEdgesJudgedExactly(window, t, width, 300.0);
    }
}
