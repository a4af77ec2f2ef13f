#include <cmath>
#include <vector>

#include "tools/gen/Generators.h"
#include "tools/gen/Noise.h"
#include "tools/gen/Random.h"

namespace {

constexpr int kSize = 512;  // pixels per side; the tile repeats at this size

// Dim clouds of dust: noise whose lattice repeats once per tile.
void paintDust(std::vector<float>& light) {
    Noise noise(7);
    const int period = 4;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Vec3 p{x * double(period) / kSize, y * double(period) / kSize, 0.5};
            double cloud = smoothstep(-0.1, 0.6, noise.fractal(p, 5, period));
            double tint = 0.5 + 0.5 * noise.fractal(p * 0.5 + Vec3{0, 0, 3.7}, 3, period / 2);
            float* c = &light[(size_t(y) * kSize + x) * 3];
            c[0] = float(0.010 + cloud * mix(0.018, 0.030, tint));
            c[1] = float(0.012 + cloud * 0.016);
            c[2] = float(0.028 + cloud * mix(0.045, 0.030, tint));
        }
    }
}

// One star: a small soft spot, wrapped around the tile's edges.
void paintStar(std::vector<float>& light, double sx, double sy, double brightness, Rgba colour) {
    double radius = 0.55 + 0.6 * brightness;
    int reach = int(std::ceil(radius * 2.5));
    int cx = int(std::floor(sx)), cy = int(std::floor(sy));
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            double ox = cx + dx + 0.5 - sx, oy = cy + dy + 0.5 - sy;
            double fall = std::exp(-(ox * ox + oy * oy) / (radius * radius));
            if (fall < 0.002) continue;
            int x = ((cx + dx) % kSize + kSize) % kSize;
            int y = ((cy + dy) % kSize + kSize) % kSize;
            float* c = &light[(size_t(y) * kSize + x) * 3];
            c[0] += float(colour.r * brightness * fall);
            c[1] += float(colour.g * brightness * fall);
            c[2] += float(colour.b * brightness * fall);
        }
    }
}

}  // namespace

// Dark and sparse on purpose: the goal circles over it are one-pixel red and
// green lines, and the tile repeats behind the whole view.
Image makeBackdrop() {
    std::vector<float> light(size_t(kSize) * kSize * 3);
    paintDust(light);
    Random random(1234);
    const Rgba colours[] = {rgb(255, 255, 255), rgb(200, 215, 255), rgb(255, 240, 215),
                            rgb(225, 230, 255)};
    for (int i = 0; i < 420; ++i) {
        double x = random.uniform(0, kSize), y = random.uniform(0, kSize);
        double u = random.uniform();
        // Mostly faint stars, a few brighter ones.
        double brightness = 0.12 + 0.5 * u * u * u * u + (u > 0.985 ? 0.35 : 0.0);
        Rgba colour = colours[random.next() % 4];
        paintStar(light, x, y, brightness, colour);
    }
    Image image(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float* c = &light[(size_t(y) * kSize + x) * 3];
            image.set(x, y, {c[0], c[1], c[2], 1.0f});
        }
    }
    return image;
}
