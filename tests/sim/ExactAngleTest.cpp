// The geostationary missions judge the ship's direction every step through a
// fast path (a wedge that follows the turning planet, a quick fmod); its
// answers must be those of the plain formula, bit for bit, or flights change.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "sim/TurningWindow.h"

namespace {

const double twoPi = 6.283185307179586, spin = 0.001;

bool plainInside(double dx, double dy, double turn, double width) {
    double a = std::fmod(std::atan2(dy, dx) - turn, twoPi);
    if (a < 0) a += twoPi;
    return 0.0 < a && a < width;
}

// Directions at, just beside and clearly off both edges of the wedge.
void expectEdgesJudgedExactly(TurningWindow& window, double turn, double width, double r) {
    for (double edge : {0.0, width, width / 2, width + 3.0})
        for (double offset : {0.0, 1e-13, -1e-13, 1e-9, -1e-9, 1e-6, -1e-6, 1.1e-5, -1.1e-5}) {
            const double direction = turn + edge + offset;
            const double dx = r * std::cos(direction), dy = r * std::sin(direction);
            ASSERT_EQ(window.contains(dx, dy, turn, spin), plainInside(dx, dy, turn, width))
                << dx << " " << dy << " " << turn << " " << offset;
        }
}

}  // namespace

TEST(ExactAngle, AShipCirclingATurningPlanetIsJudgedAsThePlainFormulaJudgesIt) {
    for (double width : {0.7853981633974483, 0.39269908169872414, 4.0}) {
        TurningWindow window(width);
        std::mt19937_64 g(4);
        std::uniform_real_distribution<double> radius(1.0, 3000.0), wobble(-1.5, 1.5);
        double turn = -2.5;
        for (int step = 0; step < 40000; ++step) {
            turn += spin;  // summed step by step, as the world sums it
            const double direction = turn + width * 0.5 + wobble(g);
            const double r = radius(g), dx = r * std::cos(direction), dy = r * std::sin(direction);
            ASSERT_EQ(window.contains(dx, dy, turn, spin), plainInside(dx, dy, turn, width))
                << step;
            if (step % 97 == 0) expectEdgesJudgedExactly(window, turn, width, r);
        }
        // Jumps in angle or spin, and inputs no flight should give.
        for (double t : {1e7, -1e9, 0.0, double(NAN), 3.0})
            for (double dx : {1e-30, 1e25, -1e25, 0.0, double(NAN)})
                for (double dy : {1e-30, 1e25, 0.0, 3.0})
                    EXPECT_EQ(window.contains(dx, dy, t, spin), plainInside(dx, dy, t, width))
                        << dx << " " << dy << " " << t;
    }
}
