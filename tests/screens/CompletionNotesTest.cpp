// What the completion screen tells beyond the medal: a new best, the way to
// the next medal, the best with this run counted, and Space to go on.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <vector>

#include "app/Application.h"
#include "missions/ThrustMission.h"
#include "screens/CompletionScreen.h"
#include "sim/Rocket.h"

namespace {

SDL_Event spacePress() {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_SPACE;
    return event;
}

}  // namespace

TEST(CompletionNotes, TellANewBestAndTheDistanceToTheNextMedal) {
    struct Case {
        float best;  // 0: never won
        float score;
        const char* notes;
        float shownBest;
    };
    // Thrust: gold 118.34, silver 150.
    const std::vector<Case> cases = {
        {0.0f, 118.44f, "New best!   0.10 from gold", 118.44f},
        {118.50f, 118.44f, "New best!   0.10 from gold", 118.44f},
        {118.44f, 118.44f, "0.10 from gold", 118.44f},  // a tie is no new best
        {117.0f, 150.01f, "0.01 from silver", 117.0f},
        {0.0f, 2000.0f, "New best!   1850.00 from silver", 2000.0f},
        {120.0f, 118.34f, "New best!", 118.34f},  // gold: no next medal
        {100.0f, 118.0f, "", 100.0f},
    };
    ThrustMission mission;
    for (const Case& c : cases) {
        mission.bestScore = c.best;
        mission.score = c.score;
        EXPECT_EQ(resultNotes(mission), c.notes) << c.best << " " << c.score;
        EXPECT_EQ(bestAfterRun(mission), c.shownBest) << c.best << " " << c.score;
    }
}

TEST(CompletionNotes, SpaceGoesOnOnlyOnceTheScreenHasBeenUpAMoment) {
    // Dismissal saves the scores: keep the file out of the shared test folder.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::string scratch = (previous / "completion-XXXXXX").string();
    ASSERT_NE(mkdtemp(&scratch[0]), nullptr);
    std::filesystem::current_path(scratch);

    ThrustMission mission;
    mission.score = 130.0f;
    app.world.mission = &mission;
    if (!app.world.rocket) app.world.rocket = new Rocket();  // the world owns it
    Widget game;
    CompletionScreen screen;
    app.screens.clear();
    pushScreen(&game);
    pushScreen(&screen);
    screen.update();  // shown: its timer starts
    EXPECT_TRUE(screen.handleEvent(spacePress()));
    EXPECT_EQ(currentScreen(), &screen) << "a turbo press just after the win went on";
    app.clock += 0.5;
    EXPECT_TRUE(screen.handleEvent(spacePress()));
    EXPECT_EQ(currentScreen(), &game);
    EXPECT_EQ(mission.bestScore, 130.0f);

    app.screens.clear();
    app.world.mission = nullptr;
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(scratch);
}
