#include <cmath>

#include "tools/gen/Generators.h"
#include "tools/gen/Relief.h"

namespace {

// Signed distance to a box of half sizes (hx, hy) with corners rounded by r.
double roundedBox(double x, double y, double hx, double hy, double r) {
    double qx = std::abs(x) - hx + r, qy = std::abs(y) - hy + r;
    double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

// The lock in units of its width: body centre at (0, 0.62), shackle above.
struct LockShape {
    double aspect;  // height / width

    double bodyDistance(double x, double y) const {
        return roundedBox(x, y - aspect * 0.69, 0.40, aspect * 0.27, 0.1);
    }
    // Distance to the centre line of the U-shaped shackle.
    double shackleDistance(double x, double y) const {
        double cy = aspect * 0.34, r = 0.25;
        if (y < cy) return std::abs(std::sqrt(x * x + (y - cy) * (y - cy)) - r);
        return std::abs(std::abs(x) - r);
    }
    bool inKeyhole(double x, double y) const {
        return std::min(std::hypot(x, y - aspect * 0.64) - 0.08,
                        roundedBox(x, y - aspect * 0.76, 0.035, 0.1, 0.02)) < 0;
    }
    double bodyHeight(double x, double y) const {
        double inside = -bodyDistance(x, y);
        return 0.8 * std::clamp(inside, 0.0, 0.08) - (inKeyhole(x, y) ? 0.05 : 0.0);
    }
    double shackleHeight(double x, double y) const {
        double half = 0.075, d = shackleDistance(x, y);
        return std::sqrt(std::max(0.0, half * half - d * d));
    }
};

}  // namespace

// A padlock: brass body with a keyhole, steel shackle.
Image makeLock(int width, int height) {
    LockShape lock{double(height) / width};
    const MetalTone brass{rgb(80, 50, 15), rgb(200, 155, 65), rgb(255, 240, 190)};
    const MetalTone steel{rgb(60, 62, 70), rgb(190, 195, 205), rgb(255, 255, 255)};
    double eps = 0.25 / width;
    return supersample(width, height, 4, [&](double px, double py) -> Rgba {
        double x = px / width - 0.5, y = py / width;
        if (lock.bodyDistance(x, y) < 0) {
            auto h = [&](double a, double b) { return lock.bodyHeight(a, b); };
            Rgba c = shadeMetal(brass, reliefNormal(h, x, y, eps));
            return lock.inKeyhole(x, y) ? scaled(c, 0.2) : c;
        }
        if (lock.shackleDistance(x, y) < 0.075 && y < lock.aspect * 0.5) {
            auto h = [&](double a, double b) { return lock.shackleHeight(a, b); };
            return shadeMetal(steel, reliefNormal(h, x, y, eps));
        }
        return {};
    });
}
