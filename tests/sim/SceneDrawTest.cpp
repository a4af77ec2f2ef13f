#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "render/Mesh.h"
#include "sim/Body.h"
#include "sim/Rocket.h"
#include "tests/support/Feedback.h"
#include "tests/support/GlTestWindow.h"

namespace {

const double pi = 3.141592653589793;

// A one-triangle mesh whose first corner is the model's +y tip.
Mesh* arrowMesh() {
    Mesh* mesh = new Mesh;
    mesh->positions = {{{0.0f, 1.0f, 0.0f}}, {{-0.5f, -1.0f, 0.0f}}, {{0.5f, -1.0f, 0.0f}}};
    mesh->faces = {Mesh::Triangle{{0, 1, 2}, {0, 0, 0}, {0, 0, 0}}};
    return mesh;
}

struct SceneDraw : testing::Test {
    void SetUp() override {
        openTestWindow(400, 400);
        usePixelProjection();
        glDisable(GL_TEXTURE_2D);
        glColor3f(1.0f, 0.0f, 0.0f);
    }
    static FeedbackVertex tip(const std::vector<FeedbackPrimitive>& drawn) {
        EXPECT_EQ(drawn.size(), 1u);
        if (drawn.empty() || drawn[0].vertices.empty()) return FeedbackVertex{};
        return drawn[0].vertices[0];
    }
};

}  // namespace

TEST_F(SceneDraw, BodyIsPlacedScaledAndTurnedInWhiteAndRestoresTheMatrix) {
    Body body;
    body.radius = 40.0;
    EXPECT_TRUE(captureFeedback([&] { body.draw(); }).empty());  // no mesh yet
    body.mesh = arrowMesh();
    body.position = Vec2(200.0, 150.0);
    body.angle = pi / 2;
    FeedbackVertex v = tip(captureFeedback([&] { body.draw(); }));
    EXPECT_NEAR(v.x, 160.0f, 1e-3);
    EXPECT_NEAR(v.y, 150.0f, 1e-3);
    EXPECT_FLOAT_EQ(v.colour[1], 1.0f);
    GLfloat before[16], after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    body.draw();
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(before[k], after[k]) << k;
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(SceneDraw, ShipPointsAlongTheHeadingWithBackFaceCullingOff) {
    Rocket ship;
    ship.mesh = arrowMesh();
    ship.position = Vec2(300.0, 200.0);
    ship.radius = 8.0;
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    for (double heading : {0.0, pi / 2, pi}) {
        ship.angle = heading;
        FeedbackVertex v = tip(captureFeedback([&] { ship.draw(); }));
        EXPECT_NEAR(v.x, 300.0 + 8.0 * std::cos(heading), 1e-3) << heading;
        EXPECT_NEAR(v.y, 200.0 + 8.0 * std::sin(heading), 1e-3) << heading;
    }
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}
