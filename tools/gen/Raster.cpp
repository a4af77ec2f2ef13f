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
    double x, y, z, s, t;  // sample position, depth, texture coordinates
};

// Samples with depth: the nearest surface (largest z) wins.
class SampleBuffer {
public:
    SampleBuffer(int width, int height)
        : width_(width),
          height_(height),
          depth_(size_t(width) * height, -std::numeric_limits<double>::infinity()),
          colour_(size_t(width) * height) {}

    void drawTriangle(const ScreenCorner v[3], const Image& texture) {
        double area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[2].x - v[0].x) * (v[1].y - v[0].y);
        if (std::abs(area) < 1e-12) return;
        int x0 = std::max(0, int(std::floor(std::min({v[0].x, v[1].x, v[2].x}))));
        int x1 = std::min(width_ - 1, int(std::ceil(std::max({v[0].x, v[1].x, v[2].x}))));
        int y0 = std::max(0, int(std::floor(std::min({v[0].y, v[1].y, v[2].y}))));
        int y1 = std::min(height_ - 1, int(std::ceil(std::max({v[0].y, v[1].y, v[2].y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                double w[3];
                for (int i = 0; i < 3; ++i) {
                    const ScreenCorner& a = v[(i + 1) % 3];
                    const ScreenCorner& b = v[(i + 2) % 3];
                    w[i] = ((b.x - a.x) * (y + 0.5 - a.y) - (x + 0.5 - a.x) * (b.y - a.y)) / area;
                }
                if (w[0] < 0 || w[1] < 0 || w[2] < 0) continue;
                double z = w[0] * v[0].z + w[1] * v[1].z + w[2] * v[2].z;
                size_t k = size_t(y) * width_ + x;
                if (z <= depth_[k]) continue;
                depth_[k] = z;
                colour_[k] = sampleTexture(texture, w[0] * v[0].s + w[1] * v[1].s + w[2] * v[2].s,
                                           w[0] * v[0].t + w[1] * v[1].t + w[2] * v[2].t);
            }
        }
    }
    Rgba at(int x, int y) const { return colour_[size_t(y) * width_ + x]; }

private:
    int width_, height_;
    std::vector<double> depth_;
    std::vector<Rgba> colour_;
};

}  // namespace

Image renderModel(const Model& model, const Image& texture, int width, int height,
                  Placement place) {
    SampleBuffer samples(width * kSamples, height * kSamples);
    double c = std::cos(place.angle), s = std::sin(place.angle);
    auto project = [&](const Model::Corner& corner) -> ScreenCorner {
        Vec3 p = model.positions[corner.position];
        Model::TexCoord uv = model.texCoords[corner.texCoord];
        return {(place.cx + (p.x * c - p.y * s) * place.scale) * kSamples,
                (place.cy - (p.x * s + p.y * c) * place.scale) * kSamples, p.z, uv.s, uv.t};
    };
    for (const auto& face : model.faces) {
        // A fan, as the game splits its faces.
        for (size_t k = 2; k < face.size(); ++k) {
            ScreenCorner v[3] = {project(face[0]), project(face[k - 1]), project(face[k])};
            samples.drawTriangle(v, texture);
        }
    }
    return supersample(width, height, kSamples, [&](double x, double y) {
        return samples.at(int(x * kSamples), int(y * kSamples));
    });
}
