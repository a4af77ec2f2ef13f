#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "app/Application.h"
#include "render/Texture.h"
#include "tests/support/GlTestWindow.h"

namespace {

const Rgba red{255, 0, 0, 255};
const Rgba blue{0, 0, 255, 255};
const Rgba green{0, 255, 0, 255};

class TextureCacheTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { openTestWindow(64, 64); }

    // Writes the canvas under a fresh name and returns that name.
    static std::string fixture(const std::string& name, const Canvas& canvas) {
        std::string path = scratchPath(name);
        EXPECT_TRUE(canvas.savePng(path));
        return path;
    }
};

// Texel (x, y) of mission 0 as GL holds it: rows bottom-up.
Rgba texel(const Texture& t, int x, int y) {
    std::vector<Rgba> all(size_t(t.texWidth) * t.texHeight);
    glBindTexture(GL_TEXTURE_2D, t.glName);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, all.data());
    return all[size_t(y) * t.texWidth + x];
}

bool same(Rgba a, Rgba b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

std::string captureLoad(const std::string& name, Texture** loaded) {
    testing::internal::CaptureStdout();
    *loaded = getTexture(name);
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST_F(TextureCacheTest, TextureSidesAreTheSmallestPowersOfTwoThatHoldTheImage) {
    struct Case {
        int w, h;
        uint32_t texW, texH;
    };
    for (Case c : {Case{100, 60, 128, 64}, Case{64, 64, 64, 64}, Case{1, 1, 1, 1},
                   Case{65, 3, 128, 4}, Case{2, 129, 2, 256}}) {
        std::string name = "size_" + std::to_string(c.w) + "x" + std::to_string(c.h) + ".png";
        Texture* t = getTexture(fixture(name, Canvas(c.w, c.h, green)));
        EXPECT_EQ(t->width, uint32_t(c.w)) << name;
        EXPECT_EQ(t->height, uint32_t(c.h)) << name;
        EXPECT_EQ(t->texWidth, c.texW) << name;
        EXPECT_EQ(t->texHeight, c.texH) << name;
        EXPECT_NE(t->glName, 0u) << name;
    }
}

TEST_F(TextureCacheTest, TheImageStandsUprightInTheLowerLeftCornerWithTransparentPadding) {
    Canvas canvas(5, 3, green);
    canvas.fillRect(0, 0, 5, 1, red);   // top row of the file
    canvas.fillRect(0, 2, 5, 1, blue);  // bottom row of the file
    canvas.set(4, 0, blue);             // top-right corner
    Texture* t = getTexture(fixture("upright.png", canvas));
    ASSERT_EQ(t->texWidth, 8u);
    ASSERT_EQ(t->texHeight, 4u);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            Rgba expected = x >= 5 || y >= 3               ? Rgba{}
                            : y == 0 || (y == 2 && x == 4) ? blue
                            : y == 2                       ? red
                                                           : green;
            EXPECT_TRUE(same(texel(*t, x, y), expected)) << "texel " << x << "," << y;
        }
    }
}

TEST_F(TextureCacheTest, OnlyFullyOpaqueMagentaIsKeyedOut) {
    Canvas canvas(4, 1, Rgba{255, 0, 255, 255});
    canvas.set(1, 0, Rgba{255, 0, 255, 128});  // translucent magenta keeps its colour
    canvas.set(2, 0, Rgba{255, 1, 255, 255});  // almost magenta is not the key
    canvas.set(3, 0, red);
    Texture* t = getTexture(fixture("magenta.png", canvas));
    EXPECT_TRUE(same(texel(*t, 0, 0), Rgba{0, 0, 0, 0}));
    EXPECT_TRUE(same(texel(*t, 1, 0), Rgba{255, 0, 255, 128}));
    EXPECT_TRUE(same(texel(*t, 2, 0), Rgba{255, 1, 255, 255}));
    EXPECT_TRUE(same(texel(*t, 3, 0), red));
}

TEST_F(TextureCacheTest, EachExactNameLoadsOnceAndCountsItsUsesUpToTwoBillion) {
    std::string name = fixture("shared.png", Canvas(2, 2, red));
    Texture* first = getTexture(name);
    // Changing the file afterwards must not matter: it is never read again.
    ASSERT_TRUE(Canvas(4, 4, blue).savePng(name));
    EXPECT_EQ(getTexture(name), first);
    EXPECT_EQ(first->width, 2u);
    EXPECT_EQ(app.textures.entries.at(name).useCount, 2);
    app.textures.entries.at(name).useCount = 1999999999;
    getTexture(name);
    getTexture(name);
    EXPECT_EQ(app.textures.entries.at(name).useCount, 2000000000);

    Texture* upper = getTexture(fixture("SHARED.png", Canvas(4, 2, blue)));
    EXPECT_NE(upper, first) << "names that differ only in case are two textures";
    EXPECT_EQ(upper->width, 4u);
}

TEST_F(TextureCacheTest, AMissingOrCorruptFileIsReportedOnceAndDrawsUntextured) {
    std::string corrupt = scratchPath("corrupt.png");
    std::ofstream(corrupt, std::ios::binary) << "\x89PNG\r\n\x1a\n this is not an image";
    for (const std::string& name : {scratchPath("no_such_image.png"), corrupt}) {
        Texture* first = nullptr;
        Texture* second = nullptr;
        EXPECT_EQ(captureLoad(name, &first), "failed to load texture: " + name + "\n");
        EXPECT_EQ(captureLoad(name, &second), "");
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first, second);
        EXPECT_EQ(first->width, 0u);
        EXPECT_EQ(first->texWidth, 1u);
        EXPECT_EQ(first->texHeight, 1u);
        EXPECT_EQ(first->glName, 0u);
    }
}

TEST(TextureCacheHeadless, RecordsNamesWithoutReadingOrReporting) {
    TextureCache cache;
    cache.headless = true;
    testing::internal::CaptureStdout();
    Texture* t = cache.get("images/definitely_missing.png");
    Texture* again = cache.get("images/definitely_missing.png");
    std::fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(t, again);
    EXPECT_EQ(t->glName, 0u);
    EXPECT_EQ(cache.entries.at("images/definitely_missing.png").useCount, 2);
}
