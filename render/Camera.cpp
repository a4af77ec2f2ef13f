#include "render/Camera.h"

#include <algorithm>

#include "missions/Mission.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {
const double cameraMargin = 5.0;  // radii of room around every body and the ship
const double cameraFill = 0.95;   // share of the view the framed content fills
}  // namespace

Camera frameCamera(const World& world, float viewWidth, float viewHeight, Camera previous) {
    const Rocket* rocket = world.rocket.get();
    if (!rocket) return previous;
    Vec2 low = rocket->position - rocket->radius * cameraMargin;
    Vec2 high = rocket->position + rocket->radius * cameraMargin;
    auto include = [&](Vec2 centre, double e) {
        if (centre.x - e < low.x) low.x = centre.x - e;
        if (centre.x + e > high.x) high.x = centre.x + e;
        if (centre.y - e < low.y) low.y = centre.y - e;
        if (centre.y + e > high.y) high.y = centre.y + e;
    };
    for (const Body& body : world.bodies) include(body.position, body.radius * cameraMargin);
    if (world.mission) {
        Goals goals;
        world.goals(goals);
        for (const Goal& goal : goals)
            if (goal.framed) include(goal.centre, goal.radius);
    }
    Vec2 center = (low + high) * 0.5;
    Vec2 size = high - low;
    float w = float(size.x), h = float(size.y);
    float W = viewWidth, H = viewHeight;
    float s = 1.0f;
    // Content relatively wider than the view: let it use the view's extra width.
    if (W * h < H * w) {
        float q = (H * w) / (W * h);
        float f = std::min(q - 1.0f, 1.0f);
        s = (W / H - 1.0f) * f + 1.0f;
    }
    return Camera{center, (double(s) * cameraFill) / std::max(high.x - low.x, high.y - low.y)};
}
