#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/Button.h"
#include "missions/Level.h"
#include "screens/GameScreen.h"
#include "sim/Rocket.h"
#include "tests/support/PlaySeam.h"

namespace {

SDL_Event keyDown(int sym) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLKey(sym);
    return event;
}

void type(const char* keys) {
    for (const char* k = keys; *k; ++k) dispatchEvent(keyDown(*k));
}

void tick() {
    currentScreen()->update();
    ++app.stepCount;
}

TEST(PlayThrough, ThrustOneThousandWinsTheThrustMissionAndTheScreenStopsAndResets) {
    app.textures.headless = true;
    GameScreen& screen = enterMission("Thrust");
    Level& mission = *app.world.level;
    tick();

    type("t");
    tick();
    type("1000");
    dispatchEvent(keyDown(SDLK_RETURN));
    tick();
    ASSERT_TRUE(app.world.running);
    ASSERT_EQ(app.world.rocket->program.size(), 1u);
    EXPECT_EQ(app.world.rocket->program[0].value, 1000);

    // One unit per step from the origin: inside the circle at (400, 0) of
    // radius 50 on step 352, after 351 counted steps, in the 36th update.
    int updates = 0;
    while (app.world.running && updates < 1000) {
        tick();
        ++updates;
    }
    EXPECT_EQ(updates, 36);
    EXPECT_FLOAT_EQ(mission.thrustCost, 1000.0f);
    EXPECT_FLOAT_EQ(mission.timeCost, 3.51f);
    EXPECT_FLOAT_EQ(mission.score, 1003.51f);

    EXPECT_FALSE(app.world.running);
    EXPECT_FALSE(mission.won);
    EXPECT_EQ(app.world.time, 0);
    EXPECT_EQ(app.world.rocket->position.x, 0.0);
    EXPECT_EQ(screen.runButton->label, "Run");
    EXPECT_TRUE(screen.entered);
    EXPECT_EQ(app.world.rocket->program[0].value, 1000);
    leavePlay();
}

}  // namespace
