#include "tools/gen/Noise.h"

#include <cmath>

#include "tools/gen/Random.h"

namespace {

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

int wrap(int i, int period) {
    int m = i % period;
    return m < 0 ? m + period : m;
}

}  // namespace

Noise::Noise(uint64_t seed) {
    Random random(seed);
    for (int i = 0; i < 256; ++i) perm_[i] = uint8_t(i);
    for (int i = 255; i > 0; --i) {
        int j = int(random.next() % uint64_t(i + 1));
        uint8_t t = perm_[i];
        perm_[i] = perm_[j];
        perm_[j] = t;
    }
    for (int i = 0; i < 256; ++i) perm_[256 + i] = perm_[i];
}

double Noise::gradientDot(int ix, int iy, int iz, double fx, double fy, double fz) const {
    int h = perm_[perm_[perm_[ix & 255] + (iy & 255)] + (iz & 255)] & 15;
    // The twelve cube-edge directions (four repeated), as in classic
    // gradient noise.
    double u = h < 8 ? fx : fy;
    double v = h < 4 ? fy : (h == 12 || h == 14 ? fx : fz);
    return ((h & 1) ? -u : u) + ((h & 2) ? -v : v);
}

double Noise::at(Vec3 p, int period) const {
    double fx0 = std::floor(p.x), fy0 = std::floor(p.y), fz0 = std::floor(p.z);
    int x0 = int(fx0), y0 = int(fy0), z0 = int(fz0);
    double fx = p.x - fx0, fy = p.y - fy0, fz = p.z - fz0;
    int xa = wrap(x0, period), xb = wrap(x0 + 1, period);
    int ya = wrap(y0, period), yb = wrap(y0 + 1, period);
    double u = fade(fx), v = fade(fy), w = fade(fz);
    double result[2];
    for (int k = 0; k < 2; ++k) {
        int iz = z0 + k;
        double dz = fz - k;
        double a =
            mix(gradientDot(xa, ya, iz, fx, fy, dz), gradientDot(xb, ya, iz, fx - 1, fy, dz), u);
        double b = mix(gradientDot(xa, yb, iz, fx, fy - 1, dz),
                       gradientDot(xb, yb, iz, fx - 1, fy - 1, dz), u);
        result[k] = mix(a, b, v);
    }
    return mix(result[0], result[1], w);
}

double Noise::fractal(Vec3 p, int octaves, int period) const {
    double sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += at(p, period) * amplitude;
        total += amplitude;
        amplitude *= 0.5;
        p = p * 2.0;
        period *= 2;
    }
    return sum / total;
}
