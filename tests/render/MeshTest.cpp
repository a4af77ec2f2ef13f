#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "render/Mesh.h"

namespace {

// Writes `text` to a scratch model file in the test's working directory.
std::string modelFile(const std::string& name, const std::string& text) {
    std::string path = "mesh_test_" + name + ".obj";
    FILE* file = fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    if (file) {
        fwrite(text.data(), 1, text.size(), file);
        fclose(file);
    }
    return path;
}

Mesh loaded(const std::string& name, const std::string& text) {
    Mesh mesh;
    mesh.load(modelFile(name, text));
    return mesh;
}

void expectCorners(const int (&indices)[3], int a, int b, int c) {
    EXPECT_EQ(indices[0], a);
    EXPECT_EQ(indices[1], b);
    EXPECT_EQ(indices[2], c);
}

}  // namespace

TEST(Mesh, ReadsPositionsNormalsAndTextureCoordinatesInFileOrder) {
    Mesh mesh = loaded("lists", "v 1 2 3\nvn 0 0 1\nv -1.5 2e1 .25\nvt 0.5 0.75\n");
    ASSERT_EQ(mesh.positions.size(), 2u);
    EXPECT_EQ(mesh.positions[0][2], 3.0f);
    EXPECT_EQ(mesh.positions[1][0], -1.5f);
    EXPECT_EQ(mesh.positions[1][1], 20.0f);
    EXPECT_EQ(mesh.positions[1][2], 0.25f);
    ASSERT_EQ(mesh.normals.size(), 1u);
    EXPECT_EQ(mesh.normals[0][2], 1.0f);
    ASSERT_EQ(mesh.texCoords.size(), 1u);
    EXPECT_EQ(mesh.texCoords[0][1], 0.75f);
    EXPECT_TRUE(mesh.faces.empty());
}

TEST(Mesh, QuadFaceIsSplitIntoAFanOfTwoTriangles) {
    Mesh mesh = loaded("quad", "f 1/1/1 2/2/2 3/3/3 4/4/4\n");
    ASSERT_EQ(mesh.faces.size(), 2u);
    expectCorners(mesh.faces[0].position, 0, 1, 2);
    expectCorners(mesh.faces[0].texCoord, 0, 1, 2);
    expectCorners(mesh.faces[0].normal, 0, 1, 2);
    expectCorners(mesh.faces[1].position, 0, 2, 3);
    expectCorners(mesh.faces[1].texCoord, 0, 2, 3);
    expectCorners(mesh.faces[1].normal, 0, 2, 3);
}

TEST(Mesh, PentagonGivesThreeTrianglesAroundTheFirstCorner) {
    Mesh mesh = loaded("pentagon", "f 5 4 3 2 1\n");
    ASSERT_EQ(mesh.faces.size(), 3u);
    expectCorners(mesh.faces[0].position, 4, 3, 2);
    expectCorners(mesh.faces[1].position, 4, 2, 1);
    expectCorners(mesh.faces[2].position, 4, 1, 0);
}

TEST(Mesh, CornerPartsAreReadInPositionTextureNormalOrder) {
    Mesh mesh = loaded("corners", "f 7/5/3 8/6/4 9/7/5\n");
    ASSERT_EQ(mesh.faces.size(), 1u);
    expectCorners(mesh.faces[0].position, 6, 7, 8);
    expectCorners(mesh.faces[0].texCoord, 4, 5, 6);
    expectCorners(mesh.faces[0].normal, 2, 3, 4);
}

TEST(Mesh, DoubleSlashCornerIsPositionAndTextureWithoutNormal) {
    Mesh mesh = loaded("doubleslash", "f 7//3 1//1 2//2");  // no final line feed either
    ASSERT_EQ(mesh.faces.size(), 1u);
    expectCorners(mesh.faces[0].position, 6, 0, 1);
    expectCorners(mesh.faces[0].texCoord, 2, 0, 1);
    expectCorners(mesh.faces[0].normal, -1, -1, -1);
}

TEST(Mesh, FacesWithFewerThanThreeCornersAddNothing) {
    Mesh mesh = loaded("short", "f 1 2\nf\nf 1\nf 1 2 3\n");
    ASSERT_EQ(mesh.faces.size(), 1u);
    expectCorners(mesh.faces[0].position, 0, 1, 2);
}

TEST(Mesh, FaceCornersSplitAtTabsAndCarriageReturns) {
    Mesh mesh = loaded("crlf", "f 1\t2  3\r\nv 1 1 1\r\n");
    ASSERT_EQ(mesh.faces.size(), 1u);
    expectCorners(mesh.faces[0].position, 0, 1, 2);
    EXPECT_EQ(mesh.positions.size(), 1u);
}

TEST(Mesh, CommentsAreSkippedWordByWordSoALoneVReadsAPosition) {
    Mesh mesh = loaded("comments",
                       "# made by hand\n"
                       "o Ship\ng hull\ns off\nusemtl skin\nmtllib ship.mtl\n"
                       "# the word v alone is read\n"
                       "v 1 2 3\n");
    ASSERT_EQ(mesh.positions.size(), 2u);
    // "v alone is read": the words after it are read as numbers; none is one.
    EXPECT_EQ(mesh.positions[0][0], 0.0f);
    EXPECT_EQ(mesh.positions[1][0], 1.0f);
    EXPECT_TRUE(mesh.faces.empty());
}

TEST(Mesh, ExtraComponentsAreSkippedAsStrayTokens) {
    Mesh mesh = loaded("extra", "v 1 2 3 1.0\nvt 0.5 0.5 0\nv 4 5 6\n");
    ASSERT_EQ(mesh.positions.size(), 2u);
    EXPECT_EQ(mesh.positions[1][0], 4.0f);
    EXPECT_EQ(mesh.texCoords.size(), 1u);
}

TEST(Mesh, WordsWithoutDigitsGiveIndexMinusOne) {
    Mesh mesh = loaded("garbage", "f a b/c 3x\n");
    ASSERT_EQ(mesh.faces.size(), 1u);
    expectCorners(mesh.faces[0].position, -1, -1, 2);
    expectCorners(mesh.faces[0].texCoord, -1, -1, -1);
}

TEST(Mesh, NegativeAndHugeNumbersStayWithinThirtyTwoBits) {
    Mesh mesh = loaded("extreme", "f -2147483648 99999999999 -5\n");
    ASSERT_EQ(mesh.faces.size(), 1u);
    expectCorners(mesh.faces[0].position, INT32_MIN, 2147483646, -6);
}

TEST(Mesh, OverlongFaceLineIsDroppedAndReadingGoesOn) {
    std::string longLine = "f";
    while (longLine.size() < 1100) longLine += " 1/1/1";
    Mesh mesh = loaded("long", longLine + "\nv 1 2 3\nf 1 2 3\n");
    ASSERT_EQ(mesh.faces.size(), 1u);
    expectCorners(mesh.faces[0].position, 0, 1, 2);
    EXPECT_EQ(mesh.positions.size(), 1u);
}

TEST(Mesh, FaceLineOfExactly1023CharactersIsRead) {
    std::string rest;
    for (int i = 0; i < 170; ++i) rest += " 1 2 3";  // 1020 characters, 510 corners
    rest += "   ";
    Mesh mesh = loaded("limit", "f" + rest + "\n");
    EXPECT_EQ(mesh.faces.size(), 508u);
    Mesh over = loaded("over", "f" + rest + " \n");
    EXPECT_TRUE(over.faces.empty());
}

TEST(Mesh, MissingFileReportsItsNameAndLeavesTheMeshEmpty) {
    testing::internal::CaptureStdout();
    Mesh mesh;
    mesh.load("no_such_model.obj");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "failed to load no_such_model.obj\n");
    EXPECT_TRUE(mesh.positions.empty());
    EXPECT_TRUE(mesh.faces.empty());
}
