#include "render/Camera.h"

#include <algorithm>

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
    for (const Body& b : world.bodies) {
        const Body* body = &b;
        double e = body->radius * cameraMargin;
        if (body->position.x - e < low.x) low.x = body->position.x - e;
        if (body->position.x + e > high.x) high.x = body->position.x + e;
        if (body->position.y - e < low.y) low.y = body->position.y - e;
        if (body->position.y + e > high.y) high.y = body->position.y + e;
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
