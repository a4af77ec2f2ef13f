#include "missions/Mission.h"

#include <GL/gl.h>

#include <cmath>

#include "sim/Rocket.h"
#include "sim/World.h"

Mission::Mission(const char* name_, const char* briefing_, float gold, float silver)
    : name(name_), briefing(briefing_), silverLimit(silver), goldLimit(gold) {}

void computeScore(World& world) {
    Mission* mission = world.mission;
    if (!mission) return;
    mission->timeCost = float(world.time) * 0.01f;
    mission->thrustCost = 0.0f;
    mission->turnCost = 0.0f;
    if (world.rocket) {
        for (const Instruction& instruction : world.rocket->program) {
            if (instruction.opcode == Thrust) {
                mission->thrustCost += float(instruction.value);
            } else if (instruction.opcode == Left || instruction.opcode == Right) {
                mission->turnCost += std::fabs(float(instruction.value) * 0.1f);
            }
        }
    }
    mission->score = mission->turnCost + mission->thrustCost + mission->timeCost;
}

int medalFor(float value, const Mission& mission) {
    if (value == 0.0f) return 0;
    if (value <= mission.goldLimit) return 3;
    if (value <= mission.silverLimit) return 2;
    return 1;
}

int circleSegments(float radius) {
    // Also refuses NaN; the cap keeps the conversion to int defined.
    if (!(radius > 0.0f)) return 1;
    float n = std::sqrt(radius) * 5.0f;
    if (n >= 100000.0f) return 100001;
    return int(n) + 1;
}

void drawCircle(float radius, float x, float y) {
    const double twoPi = 6.283185307179586;
    int n = circleSegments(radius);
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_LINES);
    for (int k = 0; k < n; ++k) {
        double a0 = k * twoPi / n;
        double a1 = (k + 1) * twoPi / n;
        glVertex2f(float(x + radius * std::cos(a0)), float(y + radius * std::sin(a0)));
        glVertex2f(float(x + radius * std::cos(a1)), float(y + radius * std::sin(a1)));
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
}
