#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A triangle mesh as the OBJ subset the game uses describes it: the lists
// and the triangles, nothing drawn. The renderer's Mesh draws one; the
// mission checks read one to see that a model will draw.
struct ObjModel {
    struct Triangle {
        int position[3];
        int normal[3];
        int texCoord[3];
    };
    std::vector<std::array<float, 3>> positions;
    std::vector<std::array<float, 3>> normals;
    std::vector<std::array<float, 2>> texCoords;
    std::vector<Triangle> faces;

    // Appends what `text` holds. A face line longer than 1023 characters is
    // skipped whole; indices are kept 0-based as the file gives them, even
    // outside their lists.
    void parse(std::string_view text);
};

// Why `model` would not draw as a solid (with `textured`, a skinned one), or
// "": no triangles, or corners whose indices lie outside their lists.
std::string objModelProblem(const ObjModel& model, bool textured);
