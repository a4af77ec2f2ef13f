#include "tools/gen/Raster.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int kSamples = 4;  // per pixel side

Rgba sampleTexture(const Image& texture, double s, double t) {
    int x = int(std::floor(s * texture.width));
    int y = int(std::floor((1 - t) * texture.height));
    x = std::clamp(x, 0, texture.width - 1);
    y = std::clamp(y, 0, texture.height - 1);
    return texture.get(x, y);
}

struct ScreenCorner {
    double x, y, z, s, t;
};

}  // namespace

Image renderModel(const Model& model, const Image& texture, int width, int height,
                  Placement place) {
    int sw = width * kSamples, sh = height * kSamples;
    std::vector<double> depth(size_t(sw) * sh, -std::numeric_limits<double>::infinity());
    std::vector<Rgba> colour(size_t(sw) * sh);
    double c = std::cos(place.angle), s = std::sin(place.angle);
    for (const auto& triangle : model.triangles) {
        ScreenCorner v[3];
        for (int i = 0; i < 3; ++i) {
            Vec3 p = model.positions[triangle[i].position];
            Model::TexCoord uv = model.texCoords[triangle[i].texCoord];
            v[i] = {(place.cx + (p.x * c - p.y * s) * place.scale) * kSamples,
                    (place.cy - (p.x * s + p.y * c) * place.scale) * kSamples, p.z, uv.s, uv.t};
        }
        double area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[2].x - v[0].x) * (v[1].y - v[0].y);
        if (std::abs(area) < 1e-12) continue;
        int x0 = std::max(0, int(std::floor(std::min({v[0].x, v[1].x, v[2].x}))));
        int x1 = std::min(sw - 1, int(std::ceil(std::max({v[0].x, v[1].x, v[2].x}))));
        int y0 = std::max(0, int(std::floor(std::min({v[0].y, v[1].y, v[2].y}))));
        int y1 = std::min(sh - 1, int(std::ceil(std::max({v[0].y, v[1].y, v[2].y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                double px = x + 0.5, py = y + 0.5;
                double w[3];
                for (int i = 0; i < 3; ++i) {
                    const ScreenCorner& a = v[(i + 1) % 3];
                    const ScreenCorner& b = v[(i + 2) % 3];
                    w[i] = ((b.x - a.x) * (py - a.y) - (px - a.x) * (b.y - a.y)) / area;
                }
                if (w[0] < 0 || w[1] < 0 || w[2] < 0) continue;
                double z = w[0] * v[0].z + w[1] * v[1].z + w[2] * v[2].z;
                size_t k = size_t(y) * sw + x;
                if (z <= depth[k]) continue;
                depth[k] = z;
                colour[k] = sampleTexture(texture, w[0] * v[0].s + w[1] * v[1].s + w[2] * v[2].s,
                                          w[0] * v[0].t + w[1] * v[1].t + w[2] * v[2].t);
            }
        }
    }
    return supersample(width, height, kSamples, [&](double x, double y) {
        return colour[size_t(y * kSamples) * sw + size_t(x * kSamples)];
    });
}
