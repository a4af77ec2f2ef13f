#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "render/Mesh.h"

namespace {

Mesh loaded(const std::string& text) {
    const std::string path = "mesh_test.obj";
    std::ofstream(path, std::ios::binary) << text;
    Mesh mesh;
    mesh.load(path);
    return mesh;
}

// The faces' indices of one kind, e.g. "0 1 2, 0 2 3".
std::string indices(const Mesh& mesh, int (Mesh::Triangle::*part)[3]) {
    std::string text;
    for (const Mesh::Triangle& face : mesh.faces) {
        const int* i = face.*part;
        text += (text.empty() ? "" : ", ") + std::to_string(i[0]) + " " + std::to_string(i[1]) +
                " " + std::to_string(i[2]);
    }
    return text;
}

}  // namespace

TEST(Mesh, ReadsPositionsNormalsAndTextureCoordinatesInFileOrder) {
    Mesh mesh = loaded("# by hand\no Ship\nv 1 2 3\nvn 0 0 1\nv -1.5 2e1 .25\nvt 0.5 0.75\n");
    ASSERT_EQ(mesh.positions.size(), 2u);
    EXPECT_EQ(mesh.positions[0][2], 3.0f);
    EXPECT_EQ(mesh.positions[1], (std::array<float, 3>{-1.5f, 20.0f, 0.25f}));
    ASSERT_EQ(mesh.normals.size(), 1u);
    EXPECT_EQ(mesh.normals[0][2], 1.0f);
    ASSERT_EQ(mesh.texCoords.size(), 1u);
    EXPECT_EQ(mesh.texCoords[0][1], 0.75f);
    EXPECT_TRUE(mesh.faces.empty());
}

TEST(Mesh, FacesAreSplitIntoFansWithZeroBasedPositionTextureAndNormalIndices) {
    const struct {
        const char* text;
        const char *positions, *texCoords, *normals;
    } cases[] = {
        {"f 1/1/1 2/2/2 3/3/3 4/4/4\n", "0 1 2, 0 2 3", "0 1 2, 0 2 3", "0 1 2, 0 2 3"},
        {"f 5 4 3 2 1\n", "4 3 2, 4 2 1, 4 1 0", nullptr, nullptr},
        {"f 7/5/3 8/6/4 9/7/5\n", "6 7 8", "4 5 6", "2 3 4"},
        {"f 7//3 1//1 2//2", "6 0 1", "2 0 1", "-1 -1 -1"},       // no normal, no final line feed
        {"f 1 2\nf\nf 1\nf 1 2 3\n", "0 1 2", nullptr, nullptr},  // fewer than three corners
        {"f 1\t2  3\r\n", "0 1 2", nullptr, nullptr},
        {"f a b/c 3x\n", "-1 -1 2", "-1 -1 -1", nullptr},  // words without digits
        {"f -2147483648 99999999999 -5\n", "-2147483648 2147483646 -6", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        Mesh mesh = loaded(c.text);
        EXPECT_EQ(indices(mesh, &Mesh::Triangle::position), c.positions) << c.text;
        if (c.texCoords) {
            EXPECT_EQ(indices(mesh, &Mesh::Triangle::texCoord), c.texCoords) << c.text;
        }
        if (c.normals) {
            EXPECT_EQ(indices(mesh, &Mesh::Triangle::normal), c.normals) << c.text;
        }
    }
}
