#include <gtest/gtest.h>

#include <string>

#include "app/Application.h"
#include "render/Mesh.h"
#include "render/Texture.h"
#include "sim/Body.h"

TEST(Body, LoadReadsItsOwnMeshTakesTheCachedTextureAndReplacesWhatItHad) {
    const std::string triangleFile = ASTRELLO_SOURCE_DIR "/tests/render/data/triangle.obj";
    app.textures.headless = true;
    Body a, b;
    a.load(triangleFile, "models/earth_tex.png");
    b.load(triangleFile, "models/earth_tex.png");
    ASSERT_NE(a.mesh, nullptr);
    EXPECT_NE(a.mesh, b.mesh);  // no mesh cache: each body reads its own copy
    EXPECT_EQ(a.mesh->faces.size(), 1u);
    EXPECT_EQ(a.texture, b.texture);
    a.load(triangleFile, "models/moon_tex.png");
    EXPECT_EQ(a.mesh->positions.size(), 3u);
    EXPECT_EQ(a.texture->fileName, "models/moon_tex.png");
}

TEST(Body, MissingModelLeavesAnEmptyMeshAndSaysSo) {
    app.textures.headless = true;
    Body body;
    testing::internal::CaptureStdout();
    body.load("models/no_such_model.obj", "models/earth_tex.png");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "failed to load models/no_such_model.obj\n");
    ASSERT_NE(body.mesh, nullptr);
    EXPECT_TRUE(body.mesh->faces.empty());
}
