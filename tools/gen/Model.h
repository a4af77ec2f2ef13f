#pragma once

#include <string>
#include <vector>

#include "tools/gen/Math.h"

// A triangle mesh as the game's OBJ reader sees it; indices are 0-based.
struct Model {
    struct Corner {
        int position, texCoord, normal;
    };
    struct TexCoord {
        double s, t;  // t grows upwards from the image's bottom row
    };
    std::vector<Vec3> positions;
    std::vector<TexCoord> texCoords;
    std::vector<Vec3> normals;
    // Triangles and flat convex quads, counter-clockwise seen from outside.
    // The game's reader splits a quad into a fan of two triangles, and one
    // quad line parses faster than two triangle lines.
    std::vector<std::vector<Corner>> faces;
};

// OBJ text with "v", "vt", "vn" and "f" lines only, numbers in a fixed
// short format so the file is the same on every run.
std::string objText(const Model& model, const std::string& comment);

// A unit sphere around the origin with its poles on the y axis, texture
// coordinates matching spherePoint().
Model makeSphere(int longitudes, int latitudes);

// The player's ship: a rocket of unit size pointing along +y, seen from +z.
Model makeShip();
