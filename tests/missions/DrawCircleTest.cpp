#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "missions/Mission.h"
#include "tests/support/Feedback.h"
#include "tests/support/GlTestWindow.h"

TEST(DrawCircle, SeparateSegmentsOnTheCircleInTheCurrentColourAndTexturingBackOn) {
    openTestWindow(400, 400);
    usePixelProjection();
    glEnable(GL_TEXTURE_2D);
    glColor3f(0.0f, 1.0f, 0.0f);
    std::vector<FeedbackPrimitive> drawn =
        captureFeedback([] { drawCircle(16.0f, 200.0f, 150.0f); });
    ASSERT_EQ(drawn.size(), size_t(circleSegments(16.0f)));
    for (size_t i = 0; i < drawn.size(); ++i) {
        ASSERT_EQ(drawn[i].kind, FeedbackPrimitive::Line);
        for (const FeedbackVertex& v : drawn[i].vertices)
            EXPECT_NEAR(std::hypot(v.x - 200.0, v.y - 150.0), 16.0, 1e-3);
        // Each segment starts where the previous one ended.
        const FeedbackVertex& end = drawn[(i + drawn.size() - 1) % drawn.size()].vertices[1];
        EXPECT_NEAR(drawn[i].vertices[0].x, end.x, 1e-3);
        EXPECT_NEAR(drawn[i].vertices[0].y, end.y, 1e-3);
    }
    EXPECT_NEAR(drawn[0].vertices[0].x, 216.0f, 1e-3);
    EXPECT_NEAR(drawn[0].vertices[0].y, 150.0f, 1e-3);
    EXPECT_FLOAT_EQ(drawn[0].vertices[0].colour[0], 0.0f);
    EXPECT_FLOAT_EQ(drawn[0].vertices[0].colour[1], 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}
