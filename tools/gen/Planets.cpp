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

// Brightness change of the craters at p, lit from one side: the inner wall
// facing the light and the outer slope beyond the far rim are bright, the
// others dark.
double craterShade(const std::vector<Crater>& craters, Vec3 p) {
    const Vec3 light = normalize({-0.6, 0.7, 0.4});
    double shade = 0;
    for (const Crater& c : craters) {
        double cosine = dot(p, c.centre);
        if (cosine <= c.reachCos) continue;
        double r = std::acos(std::min(cosine, 1.0)) / c.size;
        Vec3 offset = p - c.centre;
        double away = length(offset);
        if (away < 1e-9) continue;
        Vec3 towardsLight = light - c.centre * dot(light, c.centre);
        double side = dot(offset, towardsLight) / away / std::max(1e-9, length(towardsLight));
        if (r < 1.0) {
            shade += -0.22 * side * r * r - 0.05;
        } else {
            shade +=
                0.16 * side * (1 - smoothstep(1.0, 1.4, r)) + 0.06 * (1 - smoothstep(1.0, 1.15, r));
        }
    }
    return shade;
}

}  // namespace

Image makeMoon(int width, int height) {
    Noise noise(21);
    std::vector<Crater> craters = scatterCraters(22, 150, 0.025, 0.22);
    return paintSphere(width, height, 0.3, [&](Vec3 p) {
        double mare = smoothstep(-0.05, 0.15, noise.fractal(p * 1.1 + Vec3{2, 2, 2}, 5));
        double grain = noise.fractal(p * 12.0, 4);
        double v = 0.72 - 0.3 * mare + 0.07 * grain + craterShade(craters, p) * (1 - 0.5 * mare);
        return scaled(mix(rgb(250, 248, 240), rgb(205, 210, 220), mare), clamp01(v));
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

// Blue-white and glowing: the edge turns deep blue instead of dark, with
// bright filaments of plasma over a boiling surface.
Image makeNeutronStar(int width, int height) {
    Noise noise(41);
    return paintSphere(width, height, 1.0, [&](Vec3 p) {
        double cells = noise.fractal(p * 16.0, 3);
        double filament = 1 - std::abs(noise.fractal(p * 4.0 + Vec3{1, 5, 2}, 5));
        double centre = std::sqrt(std::max(0.0, p.z));
        Rgba c = mix(rgb(40, 70, 230), rgb(140, 185, 255), smoothstep(0.0, 0.6, centre));
        c = mix(c, rgb(225, 238, 255), smoothstep(0.3, 1.0, centre) * (0.75 + 0.5 * cells));
        return mix(c, rgb(255, 255, 255), smoothstep(0.9, 0.99, filament) * 0.6 * centre);
    });
}
