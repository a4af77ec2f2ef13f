#include <cmath>
#include <vector>

#include "tools/gen/Generators.h"
#include "tools/gen/Noise.h"
#include "tools/gen/Random.h"
#include "tools/gen/SkinPainter.h"

namespace {

struct Crater {
    Vec3 centre;
    double size;      // angular radius, radians
    double reachCos;  // cosine of the angle beyond which it changes nothing
};

std::vector<Crater> scatterCraters(uint64_t seed, int count, double smallest, double largest) {
    Random random(seed);
    std::vector<Crater> craters;
    for (int i = 0; i < count; ++i) {
        Vec3 v{random.uniform(-1, 1), random.uniform(-1, 1), random.uniform(-1, 1)};
        if (length(v) < 0.1 || length(v) > 1) {
            --i;
            continue;
        }
        double t = random.uniform();
        double size = mix(smallest, largest, t * t * t);
        craters.push_back({normalize(v), size, std::cos(size * 1.4)});
    }
    return craters;
}

// Brightness change of the craters at p: dark floors, bright rims.
double craterShade(const std::vector<Crater>& craters, Vec3 p) {
    double shade = 0;
    for (const Crater& c : craters) {
        double cosine = dot(p, c.centre);
        if (cosine <= c.reachCos) continue;
        double r = std::acos(std::min(cosine, 1.0)) / c.size;
        if (r < 1.0) shade -= 0.18 * (1 - r * r * r);
        shade += 0.22 * std::max(0.0, 1 - std::abs(r - 1.05) / 0.18);
    }
    return shade;
}

}  // namespace

Image makeMoon(int width, int height) {
    Noise noise(21);
    std::vector<Crater> craters = scatterCraters(22, 90, 0.04, 0.3);
    return paintSphere(width, height, 0.3, [&](Vec3 p) {
        double mare = smoothstep(0.05, 0.25, noise.fractal(p * 1.5 + Vec3{2, 2, 2}, 4));
        double grain = noise.fractal(p * 10.0, 4);
        double v = 0.68 - 0.2 * mare + 0.08 * grain + craterShade(craters, p);
        return scaled(rgb(255, 252, 245), clamp01(v));
    });
}

Image makeBrownPlanet(int width, int height) {
    Noise noise(31);
    std::vector<Crater> craters = scatterCraters(32, 40, 0.03, 0.16);
    return paintSphere(width, height, 0.3, [&](Vec3 p) {
        double turbulence = noise.fractal(p * 2.5, 5);
        double band = std::sin((p.y * 7.0 + turbulence * 0.9) * kPi);
        Rgba c = mix(rgb(110, 65, 30), rgb(200, 140, 70), 0.5 + 0.5 * band);
        c = mix(c, rgb(225, 190, 120), smoothstep(0.6, 1.0, noise.fractal(p * 4.0, 4) + 0.5));
        double rock = noise.fractal(p * 14.0, 3);
        return scaled(c, clamp01(0.9 + 0.2 * rock + craterShade(craters, p) * 0.8));
    });
}

Image makeNeutronStar(int width, int height) {
    Noise noise(41);
    return paintSphere(width, height, 0.55, [&](Vec3 p) {
        double cells = noise.fractal(p * 9.0, 4);
        double flare = smoothstep(0.2, 0.6, noise.fractal(p * 3.0 + Vec3{1, 5, 2}, 4));
        Rgba c = mix(rgb(150, 190, 255), rgb(235, 245, 255), 0.6 + 0.4 * cells);
        return mix(c, rgb(255, 255, 255), flare);
    });
}
