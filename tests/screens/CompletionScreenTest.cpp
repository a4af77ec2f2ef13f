// The completion screen after a won run of "Thrust": dismissing it keeps the
// better of the stored and the new run and saves; at exit a result still on
// show is kept too.
#include <gtest/gtest.h>

#include <filesystem>

#include "screens/CompletionScreen.h"
#include "missions/ScoreFile.h"
#include "sim/Rocket.h"
#include "tests/screens/MenuTestSupport.h"

namespace {
struct Completion : testing::Test {
    void SetUp() override {
        registerFreshMissions();
        app.screens.clear();
        pushScreen(&gameScreen);
        app.completionScreen = &screen;
        app.world.mission = &mission("Thrust");
        delete app.world.rocket;
        app.world.rocket = new Rocket();
        app.world.rocket->program = {{Thrust, 100}};
    }
    void TearDown() override {
        app.screens.clear();
        app.completionScreen = nullptr;
    }

    void finishRun(float score, Program program) {
        app.world.mission->score = score;
        app.world.rocket->program = std::move(program);
    }
    std::string dismissWith(const SDL_Event& event) {
        testing::internal::CaptureStdout();
        EXPECT_TRUE(screen.handleEvent(event));
        return testing::internal::GetCapturedStdout();
    }

    ScratchDirectory scratch;
    Widget gameScreen;
    CompletionScreen screen;
};
}  // namespace

TEST_F(Completion, DismissingSavesAndKeepsTheBestRunWithTiesTakingTheNewProgram) {
    const struct {
        float best, score;  // best 0: never won
        SDL_Event dismissal;
        float keptBest;
        const char* keptProgram;
    } cases[] = {
        {0.0f, 5000.0f, keyPress(SDLK_RETURN), 5000.0f, "1 T 100\n"},  // whatever the medal
        {120.0f, 130.0f, keyPress(SDLK_ESCAPE), 120.0f, "1 T 90\n"},
        {120.0f, 120.0f, mousePress(5, 5), 120.0f, "1 T 100\n"},
        {120.0f, 110.5f, keyPress(SDLK_RETURN), 110.5f, "1 T 100\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove("save.dat");
        mission("Thrust").bestScore = c.best;
        mission("Thrust").savedProgram = c.best > 0.0f ? "1 T 90\n" : "";
        mission("Thrust").score = c.score;
        pushScreen(&screen);
        testing::internal::CaptureStdout();
        EXPECT_TRUE(screen.handleEvent(c.dismissal));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Saving game.\n") << c.score;
        EXPECT_EQ(currentScreen(), &gameScreen);
        EXPECT_EQ(mission("Thrust").bestScore, c.keptBest) << c.score;
        EXPECT_EQ(mission("Thrust").savedProgram, c.keptProgram) << c.score;
        EXPECT_TRUE(std::filesystem::exists("save.dat")) << c.score;
    }
}

TEST_F(Completion, AtExitAResultStillOnShowIsRecordedAndNothingElse) {
    mission("Thrust").score = 117.0f;
    recordShownResult();  // another screen is showing
    EXPECT_EQ(mission("Thrust").bestScore, 0.0f);
    pushScreen(&screen);
    recordShownResult();
    EXPECT_EQ(mission("Thrust").bestScore, 117.0f);
    EXPECT_EQ(mission("Thrust").savedProgram, "1 T 100\n");
}
