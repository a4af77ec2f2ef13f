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

bool sameParticles(const ParticleSet& a, const ParticleSet& b) {
    return a.count == b.count &&
           std::memcmp(a.items, b.items, sizeof(Particle) * size_t(a.count)) == 0;
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
    EXPECT_GT(p.x, -0.5f);
    EXPECT_LT(p.x, 0.5f);
    EXPECT_GT(p.y, -0.5f);
    EXPECT_LT(p.y, 0.5f);
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
TEST(StartUp, TheGeneratorIsReseededFromTheClockAfterTheFirstStarField) {
    uint32_t next = random32();
    bool matched = false;
    std::time_t now = std::time(nullptr);
    for (std::time_t t = now; t >= now - 10 && !matched; --t) {
        std::mt19937 expected{uint32_t(t)};
        expected.discard(100);
        matched = expected() == next;
    }
    EXPECT_TRUE(matched) << "the generator after start-up is not the clock-seeded one";
}

TEST(StartUp, TheFirstStarFieldIsTheOneOfTheGeneratorsDefaultState) {
    ASSERT_EQ(app.stars.count, 1000);
    seedRandom(5489);
    StarField fresh(1000);
    EXPECT_TRUE(sameParticles(app.stars, fresh));
    for (int i = 0; i < app.stars.count; ++i) {
        const Particle& p = app.stars.items[i];
        ASSERT_GT(p.z, 0.0f) << i;
        ASSERT_LT(p.z, 1.0f) << i;
    }
}

TEST(ParticleSet, ResizingAllocatesExactlyAndKeepsTheParticlesThatFit) {
    ParticleSet set;
    set.resize(3);
    EXPECT_EQ(set.count, 3);
    EXPECT_EQ(set.capacity, 3);
    for (int i = 0; i < 3; ++i) set.items[i].x = float(i + 1);
    set.resize(5);
    EXPECT_EQ(set.capacity, 5);
    EXPECT_EQ(set.items[2].x, 3.0f);
    set.resize(2);
    EXPECT_EQ(set.count, 2);
    EXPECT_EQ(set.items[1].x, 2.0f);
    set.resize(0);
    EXPECT_EQ(set.count, 0);
    EXPECT_EQ(set.capacity, 0);
    EXPECT_EQ(set.items, nullptr);
    set.resize(-1);
    EXPECT_EQ(set.items, nullptr);
}

TEST(StarField, EveryStarIsBornInFrontOfTheViewerWithinTheFieldsBox) {
    seedRandom(1234);
    StarField field(1000);
    ASSERT_EQ(field.count, 1000);
    for (int i = 0; i < field.count; ++i) {
        const Particle& p = field.items[i];
        EXPECT_GT(p.z, 0.0f);
        EXPECT_LE(p.z, 1.0f);
        expectFreshStar(p);
    }
}

TEST(StarField, AfterEachStepAStarIsInsideTheWindowOrWasJustRespawnedFar) {
    useWindowSize(800, 600);
    seedRandom(99);
    StarField field(1000);
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

TEST(StarField, AStarReachingDepthZeroIsRespawnedFar) {
    useWindowSize(800, 600);
    StarField field(1);
    field.items[0] = star(0.0f, 0.0f, 0.01f, -0.01f);
    field.step();
    EXPECT_EQ(field.items[0].z, 1.0f);
    EXPECT_TRUE(std::isfinite(field.items[0].x));
    expectFreshStar(field.items[0]);
}

TEST(StarField, AStarPassingBehindTheViewerIsRespawnedEvenIfItWouldProjectInside) {
    useWindowSize(800, 600);
    StarField field(1);
    field.items[0] = star(0.001f, 0.001f, 0.005f, -0.01f);
    field.step();
    EXPECT_EQ(field.items[0].z, 1.0f);
}

TEST(StarField, TheWindowsEdgesCountAsInside) {
    useWindowSize(800, 600);
    StarField field(2);
    field.items[0] = star(0.25f, 0.0f, 0.5f, 0.0f);    // projects to x = 800 exactly
    field.items[1] = star(0.2501f, 0.0f, 0.5f, 0.0f);  // just past the right edge
    field.step();
    EXPECT_EQ(field.items[0].z, 0.5f);
    EXPECT_EQ(field.items[1].z, 1.0f);
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
        const Particle& p = drift.items[i];
        ASSERT_TRUE(inView(p)) << i;
        EXPECT_FLOAT_EQ(p.vx, 0.001f);
        EXPECT_EQ(p.vy, 0.0f);
        EXPECT_EQ(p.vz, 0.0f);
        expectTinted(p);
    }
    int reentered = 0;
    for (int s = 0; s < 400; ++s) {
        std::vector<float> before;
        for (int i = 0; i < drift.count; ++i) before.push_back(drift.items[i].x);
        drift.step();
        for (int i = 0; i < drift.count; ++i) {
            const Particle& p = drift.items[i];
            ASSERT_TRUE(inView(p)) << i;
            if (p.x == 0.0f) {
                ++reentered;
            } else {
                ASSERT_FLOAT_EQ(p.x, before[size_t(i)] + 0.001f);
            }
        }
    }
    EXPECT_GT(reentered, 0);
}

TEST(Exhaust, InitMakesFiftyThousandDeadParticles) {
    Exhaust exhaust;
    exhaust.init();
    EXPECT_EQ(exhaust.count, 50000);
    EXPECT_EQ(liveCount(exhaust), 0);
}

TEST(Exhaust, EachStepSpawnsUpToFiveHundredParticlesAtTheNozzle) {
    useWindowSize(800, 600);
    seedRandom(3);
    Exhaust exhaust;
    exhaust.init();
    exhaust.step();
    int live = liveCount(exhaust);
    EXPECT_LE(live, 500);
    EXPECT_GT(live, 480);
    for (int i = 0; i < exhaust.count; ++i) {
        const Particle& p = exhaust.items[i];
        if (p.life <= 0) continue;
        EXPECT_EQ(p.x, 0.0f);
        EXPECT_EQ(p.z, 0.0f);
        EXPECT_GE(p.y, 0.475f);
        EXPECT_LE(p.y, 0.525f);
        EXPECT_GE(p.vx, 0.01f);
        EXPECT_LE(p.vx, 0.015f);
        EXPECT_GE(p.vy, -0.001f);
        EXPECT_LE(p.vy, 0.001f);
        EXPECT_GE(p.r, 0.85f);
        EXPECT_LE(p.r, 0.95f);
        EXPECT_LE(p.g, p.r);
        EXPECT_GE(p.g, p.r - 0.2f);
        EXPECT_LE(p.b, p.g);
        EXPECT_GE(p.b, p.g - 0.5f);
        EXPECT_EQ(p.life, 1);
    }
}

TEST(Exhaust, SpawnsReplaceLiveParticlesInTheirSlots) {
    useWindowSize(800, 600);
    Exhaust exhaust;
    exhaust.init();
    for (int i = 0; i < exhaust.count; ++i) {
        Particle& p = exhaust.items[i];
        p = Particle{};
        p.x = 0.5f;
        p.y = 0.5f;
        p.life = 7;
    }
    seedRandom(8);
    exhaust.step();
    int replaced = 0;
    for (int i = 0; i < exhaust.count; ++i) replaced += exhaust.items[i].life == 1;
    EXPECT_EQ(liveCount(exhaust), 50000);
    EXPECT_GT(replaced, 480);
    EXPECT_LE(replaced, 500);
    for (uint32_t slot : spawnedSlots(8)) EXPECT_EQ(exhaust.items[slot].life, 1);
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
    Particle moving{};
    moving.x = 1.0f;
    moving.y = 0.5f;
    moving.vx = 0.5f;
    moving.vy = 0.25f;
    moving.r = 0.5f;
    moving.g = 0.5f;
    moving.dr = -0.125f;
    moving.dg = 0.25f;
    moving.life = 1;
    Particle rising = moving;
    rising.y = 0.875f;  // 0.875 + 0.25 > 1: above the top of the view
    Particle far = moving;
    far.x = 24.75f;  // 25.25 * 80 = 2020 pixels, past 2000
    exhaust.items[slots[0]] = moving;
    exhaust.items[slots[1]] = rising;
    exhaust.items[slots[2]] = far;
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
    Particle& p = field.items[0];
    p = star(0.1f, 0.1f, 0.5f, -0.01f);  // projects to (140, 90)
    p.r = 1.0f;
    field.draw();
    expectRedPointOnlyIn(PixelRect{138, 88, 4, 4});
}

TEST_F(ParticleDrawing, TheDriftFieldIsDrawnInTheIntrosTenPixelUnits) {
    DriftField drift;
    drift.resize(1);
    Particle& p = drift.items[0];
    p = Particle{};
    p.x = 0.125f;
    p.y = 0.5f;
    p.z = 0.25f;  // (0.125 * 20 / 0.25, 10 * 0.5) = (10, 5) units
    p.r = 1.0f;
    glMatrixMode(GL_MODELVIEW);
    glScalef(10.0f, 10.0f, 1.0f);  // the intro's view: one unit is ten pixels
    drift.draw();
    expectRedPointOnlyIn(PixelRect{95, 45, 10, 10});
}

TEST_F(ParticleDrawing, OnlyLiveExhaustParticlesAreDrawnAsSquarePoints) {
    Exhaust exhaust;
    exhaust.resize(2);
    Particle live{};
    live.x = 5.0f;  // 5 * 200 * 0.1 = 100 pixels
    live.y = 0.5f;  // 10 * 0.5 = 5 pixels
    live.r = 1.0f;
    live.life = 1;
    Particle dead = live;
    dead.x = 2.5f;
    dead.life = 0;
    exhaust.items[0] = live;
    exhaust.items[1] = dead;
    exhaust.draw();
    Image shot = expectRedPointOnlyIn(PixelRect{97, 2, 6, 6});
    // A hard-edged 4 x 4 square: point smoothing is off while the exhaust draws.
    EXPECT_EQ(shot.countPixels([](Rgba p) { return p.r == 255 && p.g == 0 && p.b == 0; }), 16);
}
