#include <GL/gl.h>
#include <gtest/gtest.h>

#include "screens/ViewLayer.h"
#include "tests/support/GlTestWindow.h"

namespace {

const PixelRect view{20, 16, 200, 150};

void useView() {
    glViewport(view.x, view.y, view.width, view.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, view.width, 0, view.height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void quad(float x0, float y0, float x1, float y1, float z) {
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
    glEnd();
}

// A still part as the view draws one: a half-transparent panel and smoothed
// lines, some running out past the view's edges, all at depth 0.
void paintStillPart() {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.2f, 0.3f, 0.8f, 0.6f);
    quad(10, 10, 120, 90, 0);
    glColor3f(0.9f, 0.9f, 0.5f);
    glBegin(GL_LINES);
    for (int i = 0; i < 12; ++i) {
        glVertex2f(-30.0f + 23.7f * float(i), -20.0f);
        glVertex2f(17.3f * float(i), 180.0f);
    }
    glEnd();
}

// Drawn over the still part: one quad in front of it, one behind, which
// only shows where the still part left the depth untouched.
void drawOver() {
    glColor3f(1, 0, 0);
    quad(100, 60, 180, 130, 0.5f);
    glColor3f(0, 1, 0);
    quad(60, 20, 150, 50, -0.5f);
}

Image frame(const std::function<void()>& still) {
    clearWindow();
    useView();
    still();
    drawOver();
    return readPixels();
}

class ViewLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        openTestWindow(320, 240);
        key.x = view.x;
        key.y = view.y;
        key.width = view.width;
        key.height = view.height;
        key.scale = 0.001;
    }

    ViewLayer layer;
    ViewLayerKey key;
    int paints = 0;
    void show(const ViewLayerKey& k) {
        layer.show(k, [&] {
            ++paints;
            paintStillPart();
        });
    }
};

TEST_F(ViewLayerTest, KeptPictureMatchesThePaintedOneToThePixelDepthIncluded) {
    Image painted = frame(paintStillPart);
    // The behind quad shows only where the still part left the depth cleared.
    auto green = [](Rgba p) { return p.g == 255 && p.r == 0; };
    EXPECT_GT(painted.countPixels(PixelRect{view.x + 122, view.y + 22, 26, 26}, green), 0);
    EXPECT_EQ(painted.countPixels(PixelRect{view.x + 62, view.y + 22, 56, 26}, green), 0);
    for (int round = 0; round < 2; ++round) {
        Image kept = frame([&] { show(key); });
        EXPECT_TRUE(kept.rgba == painted.rgba) << "frame " << round;
    }
    EXPECT_EQ(paints, 1);
}

TEST_F(ViewLayerTest, PaintsAfreshWhenAnythingThePictureDependsOnChanges) {
    show(key);
    show(key);
    EXPECT_EQ(paints, 1);
    std::vector<ViewLayerKey> changed(6, key);
    changed[0].scale = 0.002;
    changed[1].centreY = 5;
    changed[2].goalsX = -3;
    changed[3].x = view.x + 1;
    changed[4].width = view.width - 10;
    changed[5].backdrop = 99;
    for (const ViewLayerKey& k : changed) {
        int before = paints;
        useView();
        show(k);
        show(key);
        EXPECT_EQ(paints, before + 2);
    }
}

}  // namespace
