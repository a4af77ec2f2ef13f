#include "render/GoalDrawing.h"

#include <GL/gl.h>

#include <cmath>

namespace {

void setColour(Goal::Look look) {
    switch (look) {
        case Goal::Met:
            glColor3f(0.0f, 1.0f, 0.0f);
            break;
        case Goal::Unmet:
            glColor3f(1.0f, 0.0f, 0.0f);
            break;
        case Goal::GuideBright:
            glColor3f(0.3f, 0.3f, 0.4f);
            break;
        case Goal::GuideDim:
            glColor3f(0.1f, 0.1f, 0.2f);
            break;
    }
}

// Two rays 10000 units long from the centre, bounding the wedge.
void drawSector(const Goal& sector) {
    const Vec2& c = sector.centre;
    const double theta = sector.angle;
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_LINES);
    glVertex2f(float(c.x), float(c.y));
    glVertex2f(float(c.x + 10000.0 * std::cos(theta)), float(c.y + 10000.0 * std::sin(theta)));
    glVertex2f(float(c.x), float(c.y));
    glVertex2f(float(c.x + 10000.0 * std::cos(theta + sector.width)),
               float(c.y + 10000.0 * std::sin(theta + sector.width)));
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

}  // namespace

void drawGoals(const Goals& goals) {
    for (const Goal& goal : goals) {
        setColour(goal.look);
        if (goal.shape == Goal::Sector)
            drawSector(goal);
        else
            drawCircle(float(goal.radius), float(goal.centre.x), float(goal.centre.y));
    }
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
