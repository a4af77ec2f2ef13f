#include <cmath>
#include <cstdio>
#include <utility>

#include "tools/gen/Model.h"
#include "tools/gen/ShipShape.h"

namespace {

// Four decimals: a hundredth of a pixel even on the largest planet, and no
// "-0.0000" that would differ from "0.0000" by a rounding whim.
std::string number(double v) {
    if (std::abs(v) < 0.00005) v = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", v);
    return text;
}

std::string vectorLine(const char* tag, Vec3 v) {
    return std::string(tag) + " " + number(v.x) + " " + number(v.y) + " " + number(v.z) + "\n";
}

int addPosition(Model& m, Vec3 p) {
    m.positions.push_back(p);
    return int(m.positions.size()) - 1;
}
int addTexCoord(Model& m, double s, double t) {
    m.texCoords.push_back({s, t});
    return int(m.texCoords.size()) - 1;
}
int addNormal(Model& m, Vec3 n) {
    m.normals.push_back(normalize(n));
    return int(m.normals.size()) - 1;
}

// Points of one ring of a surface of revolution about the y axis, with
// longitude 0 facing +z (the camera) as in spherePoint().
Vec3 around(double radius, double y, double longitude) {
    return {radius * std::sin(longitude), y, radius * std::cos(longitude)};
}

// Adds a surface of revolution through the given rings, top to bottom,
// texture t given by tOf(y). A ring of radius 0 is a single tip.
// Texture s runs from s0 to s1 once round.
template <typename TOf>
void addLathe(Model& m, const std::vector<ship::Ring>& rings, int n, TOf tOf, double s0 = 0,
              double s1 = 1) {
    std::vector<std::vector<Model::Corner>> corners(rings.size());
    for (size_t k = 0; k < rings.size(); ++k) {
        const ship::Ring& above = rings[k > 0 ? k - 1 : k];
        const ship::Ring& below = rings[k + 1 < rings.size() ? k + 1 : k];
        double dy = above.y - below.y, dr = above.radius - below.radius;
        int tip = rings[k].radius == 0 ? addPosition(m, {0, rings[k].y, 0}) : -1;
        int tipNormal = tip >= 0 ? addNormal(m, {0, k == 0 ? 1.0 : -1.0, 0}) : -1;
        // A tip has one corner per segment (texture s in the segment's
        // middle); a ring has n + 1, the last closing the seam.
        int count = tip >= 0 ? n : n + 1;
        for (int i = 0; i < count; ++i) {
            double lon = 2 * kPi * (double(i) / n - 0.5);
            double s = mix(s0, s1, tip >= 0 ? (i + 0.5) / n : double(i) / n);
            int position = tip >= 0 ? tip
                           : i < n  ? addPosition(m, around(rings[k].radius, rings[k].y, lon))
                                    : corners[k][0].position;
            int normal = tip >= 0 ? tipNormal
                         : i < n  ? addNormal(m, around(dy, -dr, lon))
                                  : corners[k][0].normal;
            corners[k].push_back({position, addTexCoord(m, s, tOf(rings[k].y)), normal});
        }
    }
    for (size_t k = 0; k + 1 < rings.size(); ++k) {
        const auto& a = corners[k];
        const auto& b = corners[k + 1];
        for (int i = 0; i < n; ++i) {
            if (rings[k].radius == 0) {
                m.faces.push_back({a[i], b[i], b[i + 1]});
            } else if (rings[k + 1].radius == 0) {
                m.faces.push_back({a[i], b[i], a[i + 1]});
            } else {
                m.faces.push_back({a[i], b[i], b[i + 1], a[i + 1]});
            }
        }
    }
}

void addFin(Model& m, double side) {
    int normal = addNormal(m, {0, 0, 1});
    std::vector<Model::Corner> corners;
    for (const Point& p : ship::fin()) {
        int position = addPosition(m, {side * p.x, p.y, 0});
        corners.push_back(
            {position, addTexCoord(m, ship::finS.map(p.y), ship::finT.map(p.x)), normal});
    }
    // Counter-clockwise as seen from +z, like the hull.
    if (side > 0) std::swap(corners[1], corners[3]);
    m.faces.push_back(corners);
}

}  // namespace

std::string objText(const Model& model, const std::string& comment) {
    std::string text = "# " + comment + "\n";
    for (const Vec3& p : model.positions) text += vectorLine("v", p);
    for (const auto& t : model.texCoords) text += "vt " + number(t.s) + " " + number(t.t) + "\n";
    for (const Vec3& n : model.normals) text += vectorLine("vn", n);
    for (const auto& face : model.faces) {
        text += "f";
        for (const Model::Corner& c : face) {
            text += " " + std::to_string(c.position + 1) + "/" + std::to_string(c.texCoord + 1) +
                    "/" + std::to_string(c.normal + 1);
        }
        text += "\n";
    }
    return text;
}

Model makeSphere(int longitudes, int latitudes) {
    Model m;
    std::vector<ship::Ring> rings;
    for (int j = 0; j <= latitudes; ++j) {
        double lat = kPi * (0.5 - double(j) / latitudes);
        rings.push_back({std::sin(lat), j == 0 || j == latitudes ? 0.0 : std::cos(lat)});
    }
    addLathe(m, rings, longitudes,
             [](double y) { return 0.5 + std::asin(std::clamp(y, -1.0, 1.0)) / kPi; });
    return m;
}

Model makeShip() {
    Model m;
    auto hullT = [](double y) { return ship::hullT.map(y); };
    auto bellT = [](double y) { return ship::bellT.map(y); };
    addLathe(m, ship::hull(), ship::kSegments, hullT);
    addLathe(m, ship::bell(), ship::kSegments, bellT, ship::bellS.to0, ship::bellS.to1);
    addFin(m, 1);
    addFin(m, -1);
    return m;
}
