#include <cmath>

#include "tools/gen/Generators.h"
#include "tools/gen/Noise.h"
#include "tools/gen/SkinPainter.h"

namespace {

struct EarthNoise {
    Noise land{11}, detail{12}, climate{13}, cloud{14}, warp{15};

    // Height above sea mission, roughly -1..1; continents where positive.
    double elevation(Vec3 p) const {
        Vec3 w{warp.fractal(p * 1.3, 3), warp.fractal(p * 1.3 + Vec3{5, 1, 2}, 3), 0};
        Vec3 q = p * 1.7 + w * 0.35 + Vec3{3.1, 0.4, 7.7};
        return land.fractal(q, 7) * 1.6 + 0.05;
    }
};

Rgba surface(const EarthNoise& n, Vec3 p) {
    double h = n.elevation(p);
    double latitude = std::abs(p.y);  // 0 at the equator, 1 at the poles
    double wobble = n.climate.fractal(p * 3.0, 4);
    if (h < 0) {
        double depth = smoothstep(0.0, 0.35, -h);
        return mix(rgb(40, 110, 170), rgb(10, 35, 95), depth);
    }
    double dry = smoothstep(0.15, 0.35, 0.55 - std::abs(latitude - 0.38) * 2.2 + wobble * 0.3);
    Rgba ground = mix(rgb(55, 120, 45), rgb(30, 80, 35), smoothstep(0.0, 0.4, wobble + 0.2));
    ground = mix(ground, rgb(195, 170, 110), dry);
    ground = mix(rgb(200, 185, 130), ground, smoothstep(0.0, 0.03, h));   // beaches
    ground = mix(ground, rgb(120, 105, 90), smoothstep(0.3, 0.55, h));    // highlands
    ground = mix(ground, rgb(240, 240, 245), smoothstep(0.55, 0.65, h));  // snowy peaks
    double detail = n.detail.fractal(p * 12.0, 3);
    return scaled(ground, 0.9 + 0.2 * detail);
}

}  // namespace

Image makeEarth(int width, int height) {
    EarthNoise n;
    return paintSphere(width, height, 0.35, [&](Vec3 p) {
        Rgba c = surface(n, p);
        double ice = smoothstep(0.93, 0.96, std::abs(p.y) + 0.05 * n.climate.fractal(p * 6.0, 3));
        c = mix(c, rgb(235, 242, 250), ice);
        // Clouds stretched along the latitudes, as winds draw them.
        Vec3 q{p.x * 2.5, p.y * 7.0, p.z * 2.5};
        double cloud = smoothstep(0.05, 0.45, n.cloud.fractal(q, 6) + 0.1);
        return mix(c, rgb(250, 250, 252), cloud * 0.85);
    });
}
