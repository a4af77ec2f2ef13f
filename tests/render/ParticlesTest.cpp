#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

#include "app/Application.h"
#include "render/Particles.h"
#include "render/Random.h"
#include "tests/support/GlTestWindow.h"

namespace {

void useWindowSize(int width, int height) {
    app.width = width;
    app.height = height;
}

bool starProjectsInside(const Particle& p) {
    float w = float(app.width);
    float sx = w * p.x / p.z + float(app.width / 2);
    float sy = w * p.y / p.z + float(app.height / 2);
    return sx >= 0.0f && sx <= w && sy >= 0.0f && sy <= float(app.height);
}

// The tint's colours run from bluish to reddish white: g fixed, r + b fixed.
void expectTinted(const Particle& p) {
    EXPECT_FLOAT_EQ(p.g, 0.8f);
    EXPECT_GE(p.r, 0.7f);
    EXPECT_LE(p.r, 0.9f);
    EXPECT_NEAR(p.r + p.b, 1.6f, 1e-6);
}

void expectFreshStar(const Particle& p) {
    EXPECT_GT(p.z, 0.0f);
    EXPECT_LE(p.z, 1.0f);
    EXPECT_TRUE(std::fabs(p.x) < 0.5f && std::fabs(p.y) < 0.5f) << p.x << "," << p.y;
    EXPECT_EQ(p.vx, 0.0f);
    EXPECT_EQ(p.vy, 0.0f);
    EXPECT_FLOAT_EQ(p.vz, -0.01f);
    expectTinted(p);
}

Particle star(float x, float y, float z, float vz) {
    Particle p{};
    p.x = x;
    p.y = y;
    p.z = z;
    p.vz = vz;
    return p;
}

// The slots that one exhaust step fills, replayed from a generator seeded
// with `seed`: each spawn draws its slot and then six uniforms.
std::vector<uint32_t> spawnedSlots(uint32_t seed) {
    std::mt19937 g(seed);
    std::vector<uint32_t> slots;
    for (int k = 0; k < 500; ++k) {
        slots.push_back((uint32_t(g()) >> 1) % 50000);
        g.discard(6);
    }
    return slots;
}

int liveCount(const ParticleSet& set) {
    int n = 0;
    for (int i = 0; i < set.count; ++i) n += set.items[i].life > 0;
    return n;
}

}  // namespace

// Runs first in this binary, before any test draws from the generator.
TEST(StartUp, TheFirstStarFieldUsesTheDefaultStateAndThenTheClockReseedsTheGenerator) {
    uint32_t next = random32();
    bool matched = false;
    std::time_t now = std::time(nullptr);
    for (std::time_t t = now; t >= now - 10 && !matched; --t) {
        std::mt19937 expected{uint32_t(t)};
        expected.discard(100);
        matched = expected() == next;
    }
    EXPECT_TRUE(matched) << "the generator after start-up is not the clock-seeded one";

    ASSERT_EQ(app.stars.count, 1000);
    seedRandom(5489);
    StarField fresh(1000);
    EXPECT_EQ(std::memcmp(app.stars.items, fresh.items, sizeof(Particle) * 1000), 0);
}

TEST(StarField, StarsAreBornFreshAndAfterEachStepAreInsideTheWindowOrRespawnedFar) {
    useWindowSize(800, 600);
    seedRandom(99);
    StarField field(1000);
    ASSERT_EQ(field.count, 1000);
    for (int i = 0; i < field.count; ++i) expectFreshStar(field.items[i]);
    int respawned = 0;
    for (int s = 0; s < 300; ++s) {
        field.step();
        for (int i = 0; i < field.count; ++i) {
            const Particle& p = field.items[i];
            if (p.z == 1.0f) {
                ++respawned;
                continue;
            }
            ASSERT_GT(p.z, 0.0f);
            ASSERT_TRUE(starProjectsInside(p)) << "star " << i << " after step " << s;
        }
    }
    // Stars cross the field in at most 100 steps, so all were renewed.
    EXPECT_GT(respawned, 3000);
}

TEST(StarField, AStarAtDepthZeroBehindTheViewerOrPastAnEdgeIsRespawnedFar) {
    useWindowSize(800, 600);
    const struct {
        Particle star;
        bool respawned;
    } cases[] = {{star(0.0f, 0.0f, 0.01f, -0.01f), true},
                 {star(0.001f, 0.001f, 0.005f, -0.01f), true},  // would project inside
                 {star(0.25f, 0.0f, 0.5f, 0.0f), false},        // projects to x = 800 exactly
                 {star(0.2501f, 0.0f, 0.5f, 0.0f), true}};
    for (const auto& c : cases) {
        StarField field(1);
        field.items[0] = c.star;
        field.step();
        SCOPED_TRACE(testing::Message() << c.star.x << "," << c.star.z);
        if (c.respawned) {
            EXPECT_EQ(field.items[0].z, 1.0f);
            expectFreshStar(field.items[0]);
        } else {
            EXPECT_EQ(field.items[0].z, c.star.z);
        }
    }
}

TEST(DriftField, InitFillsTheViewAndSteppingKeepsParticlesInItDriftingRight) {
    useWindowSize(800, 600);
    seedRandom(5);
    DriftField drift;
    drift.init();
    ASSERT_EQ(drift.count, 1000);
    auto inView = [](const Particle& p) {
        float sx = p.x * 80.0f / p.z, sy = 60.0f * p.y;
        return sx >= 0.0f && sx <= 80.0f && sy >= 0.0f && sy <= 60.0f;
    };
    for (int i = 0; i < drift.count; ++i) {
        ASSERT_TRUE(inView(drift.items[i])) << i;
        EXPECT_FLOAT_EQ(drift.items[i].vx, 0.001f);
        expectTinted(drift.items[i]);
    }
    int reentered = 0;
    for (int s = 0; s < 400; ++s) {
        float before = drift.items[s].x;
        drift.step();
        for (int i = 0; i < drift.count; ++i) {
            ASSERT_TRUE(inView(drift.items[i])) << i;
            reentered += drift.items[i].x == 0.0f;
        }
        if (drift.items[s].x != 0.0f) {
            ASSERT_FLOAT_EQ(drift.items[s].x, before + 0.001f) << s;
        }
    }
    EXPECT_GT(reentered, 0);
}

TEST(Exhaust, EachStepSpawnsUpToFiveHundredParticlesAtTheNozzleReplacingLiveOnes) {
    useWindowSize(800, 600);
    Exhaust exhaust;
    exhaust.init();
    ASSERT_EQ(exhaust.count, 50000);
    EXPECT_EQ(liveCount(exhaust), 0);
    for (int i = 0; i < exhaust.count; ++i) {
        exhaust.items[i] = star(0.5f, 0.5f, 0.0f, 0.0f);
        exhaust.items[i].life = 7;
    }
    seedRandom(8);
    exhaust.step();
    EXPECT_EQ(liveCount(exhaust), 50000);
    for (uint32_t slot : spawnedSlots(8)) {
        const Particle& p = exhaust.items[slot];
        EXPECT_EQ(p.life, 1);
        EXPECT_TRUE(p.x == 0.0f && p.z == 0.0f && p.y >= 0.475f && p.y <= 0.525f) << slot;
        EXPECT_TRUE(p.vx >= 0.01f && p.vx <= 0.015f) << slot;
    }
}

TEST(Exhaust, LiveParticlesMoveFadeAndDieWhenTheyLeaveTheView) {
    useWindowSize(800, 600);
    seedRandom(21);
    std::vector<uint32_t> spawned = spawnedSlots(21);
    // Three slots that this step's spawns leave alone.
    std::vector<int> slots;
    for (int i = 0; slots.size() < 3; ++i)
        if (std::find(spawned.begin(), spawned.end(), uint32_t(i)) == spawned.end())
            slots.push_back(i);
    Exhaust exhaust;
    exhaust.init();
    Particle moving = star(1.0f, 0.5f, 0.0f, 0.0f);
    moving.vx = 0.5f;
    moving.vy = 0.25f;
    moving.r = moving.g = 0.5f;
    moving.dr = -0.125f;
    moving.dg = 0.25f;
    moving.life = 1;
    exhaust.items[slots[0]] = exhaust.items[slots[1]] = exhaust.items[slots[2]] = moving;
    exhaust.items[slots[1]].y = 0.875f;  // 0.875 + 0.25 > 1: above the top of the view
    exhaust.items[slots[2]].x = 24.75f;  // 25.25 * 80 = 2020 pixels, past 2000
    exhaust.step();
    const Particle& p = exhaust.items[slots[0]];
    EXPECT_EQ(p.x, 1.5f);
    EXPECT_EQ(p.y, 0.75f);
    EXPECT_EQ(p.r, 0.375f);
    EXPECT_EQ(p.g, 0.75f);
    EXPECT_EQ(p.life, 1);
    EXPECT_EQ(exhaust.items[slots[1]].life, 0);
    EXPECT_EQ(exhaust.items[slots[2]].life, 0);
}

namespace {

class ParticleDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() { openTestWindow(200, 100); }
    void SetUp() override {
        usePixelProjection();
        clearWindow();
        glEnable(GL_TEXTURE_2D);
    }

    static void expectStateRestored() {
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_TRUE(glIsEnabled(GL_POINT_SMOOTH));
        GLfloat size = 0.0f;
        glGetFloatv(GL_POINT_SIZE, &size);
        EXPECT_EQ(size, 1.0f);
    }

    // Reads the window back and checks that red ink lies only in `rect`.
    static Image expectRedPointOnlyIn(PixelRect rect) {
        Image shot = readPixels();
        EXPECT_GT(shot.countPixels(rect, isReddish), 0);
        EXPECT_EQ(shot.countPixels(isLit), shot.countPixels(rect, isLit));
        expectStateRestored();
        return shot;
    }

    static bool isReddish(Rgba p) { return p.r > 64 && p.g < 32 && p.b < 32; }
};

}  // namespace

TEST_F(ParticleDrawing, AStarIsAPointAtItsProjectionInItsColour) {
    StarField field(1);
    field.items[0] = star(0.1f, 0.1f, 0.5f, -0.01f);  // projects to (140, 90)
    field.items[0].r = 1.0f;
    field.draw();
    expectRedPointOnlyIn(PixelRect{138, 88, 4, 4});
}

TEST_F(ParticleDrawing, TheDriftFieldIsDrawnInTheIntrosTenPixelUnits) {
    DriftField drift;
    drift.resize(1);
    drift.items[0] =
        star(0.125f, 0.5f, 0.25f, 0.0f);  // (0.125 * 20 / 0.25, 10 * 0.5) = (10, 5) units
    drift.items[0].r = 1.0f;
    glMatrixMode(GL_MODELVIEW);
    glScalef(10.0f, 10.0f, 1.0f);  // the intro's view: one unit is ten pixels
    drift.draw();
    expectRedPointOnlyIn(PixelRect{95, 45, 10, 10});
}

TEST_F(ParticleDrawing, OnlyLiveExhaustParticlesAreDrawnAsSquarePoints) {
    Exhaust exhaust;
    exhaust.resize(2);
    exhaust.items[0] = star(5.0f, 0.5f, 0.0f, 0.0f);  // (5 * 200 * 0.1, 10 * 0.5) = (100, 5) pixels
    exhaust.items[0].r = 1.0f;
    exhaust.items[0].life = 1;
    exhaust.items[1] = exhaust.items[0];
    exhaust.items[1].x = 2.5f;
    exhaust.items[1].life = 0;  // dead
    exhaust.draw();
    Image shot = expectRedPointOnlyIn(PixelRect{97, 2, 6, 6});
    // A hard-edged 4 x 4 square: point smoothing is off while the exhaust draws.
    EXPECT_EQ(shot.countPixels([](Rgba p) { return p.r == 255 && p.g == 0 && p.b == 0; }), 16);
}
