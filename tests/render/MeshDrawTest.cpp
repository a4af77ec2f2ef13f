#include <GL/gl.h>
#include <gtest/gtest.h>

#include "render/Mesh.h"
#include "tests/support/Feedback.h"
#include "tests/support/GlTestWindow.h"

namespace {

// Meshes are drawn 100 pixels to the unit around the window point (200, 200).
struct MeshDraw : testing::Test {
    void SetUp() override {
        openTestWindow(400, 400);
        usePixelProjection();
        glDisable(GL_CULL_FACE);
        glTranslatef(200.0f, 200.0f, 0.0f);
        glScalef(100.0f, 100.0f, 1.0f);
    }
    std::vector<FeedbackPrimitive> draw(const Mesh& mesh) {
        return captureFeedback([&] { mesh.draw(); });
    }
};

Mesh::Triangle triangle(int p0, int p1, int p2, int t0 = 0, int t1 = 1, int t2 = 2) {
    return Mesh::Triangle{{p0, p1, p2}, {0, 1, 2}, {t0, t1, t2}};
}

Mesh unitSquare() {
    Mesh mesh;
    mesh.positions = {{{0, 0, 0}}, {{1, 0, 0}}, {{1, 1, 0}}, {{0, 1, 0}}};
    mesh.texCoords = {{{0.0f, 0.0f}}, {{1.0f, 0.0f}}, {{1.0f, 1.0f}}, {{0.0f, 1.0f}}};
    mesh.faces = {triangle(0, 1, 2, 0, 1, 2), triangle(0, 2, 3, 0, 2, 3)};
    return mesh;
}

}  // namespace

TEST_F(MeshDraw, EachTriangleIsDrawnWithItsCornersInOrder) {
    EXPECT_TRUE(draw(Mesh()).empty());
    std::vector<FeedbackPrimitive> drawn = draw(unitSquare());
    ASSERT_EQ(drawn.size(), 2u);
    ASSERT_EQ(drawn[1].kind, FeedbackPrimitive::Polygon);
    ASSERT_EQ(drawn[1].vertices.size(), 3u);
    EXPECT_FLOAT_EQ(drawn[1].vertices[0].x, 200.0f);
    EXPECT_FLOAT_EQ(drawn[1].vertices[1].x, 300.0f);
    EXPECT_FLOAT_EQ(drawn[1].vertices[1].y, 300.0f);
    EXPECT_FLOAT_EQ(drawn[1].vertices[2].x, 200.0f);
    EXPECT_FLOAT_EQ(drawn[1].vertices[2].y, 300.0f);
    EXPECT_FLOAT_EQ(drawn[1].vertices[2].texCoord[1], 1.0f);
    EXPECT_FLOAT_EQ(drawn[0].vertices[1].texCoord[0], 1.0f);
}

TEST_F(MeshDraw, TriangleWithAPositionOutsideTheListIsLeftOut) {
    Mesh mesh = unitSquare();
    mesh.faces = {triangle(0, 1, 4), triangle(-1, 1, 2), triangle(0, 2, 3)};
    std::vector<FeedbackPrimitive> drawn = draw(mesh);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_FLOAT_EQ(drawn[0].vertices[2].y, 300.0f);
}

TEST_F(MeshDraw, MissingOrStrayTextureCoordinateDrawsAsZero) {
    Mesh mesh = unitSquare();
    mesh.faces = {triangle(0, 1, 2, 2, -1, 99)};
    glTexCoord2f(0.5f, 0.5f);
    std::vector<FeedbackPrimitive> drawn = draw(mesh);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_FLOAT_EQ(drawn[0].vertices[0].texCoord[0], 1.0f);
    for (int k = 1; k < 3; ++k) {
        EXPECT_FLOAT_EQ(drawn[0].vertices[k].texCoord[0], 0.0f) << k;
        EXPECT_FLOAT_EQ(drawn[0].vertices[k].texCoord[1], 0.0f) << k;
    }
}

TEST_F(MeshDraw, NormalsAreUsedOnlyWithTextureCoordinatesAndAStrayOneIsTheDefault) {
    const float up[3] = {0.0f, 1.0f, 0.0f};
    const struct {
        int lastNormal;
        bool texCoords;
        float expected[3];                         // the current normal after drawing
    } cases[] = {{2, true, {0.0f, 0.0f, -1.0f}},   // the last corner's normal
                 {5, true, {0.0f, 0.0f, 1.0f}},    // stray: the default
                 {2, false, {0.0f, 1.0f, 0.0f}}};  // untouched
    for (const auto& c : cases) {
        Mesh mesh = unitSquare();
        mesh.normals = {{{1.0f, 0.0f, 0.0f}}, {{0.0f, 1.0f, 0.0f}}, {{0.0f, 0.0f, -1.0f}}};
        mesh.faces = {triangle(0, 1, 2)};
        mesh.faces[0].normal[2] = c.lastNormal;
        if (!c.texCoords) mesh.texCoords.clear();
        glNormal3fv(up);
        EXPECT_EQ(draw(mesh).size(), 1u);
        GLfloat normal[4];
        glGetFloatv(GL_CURRENT_NORMAL, normal);
        for (int k = 0; k < 3; ++k)
            EXPECT_FLOAT_EQ(normal[k], c.expected[k]) << c.lastNormal << c.texCoords << k;
    }
}
