#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "screens/CompletionScreen.h"
#include "missions/ScoreFile.h"
#include "sim/Rocket.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

// The completion screen on top of a stand-in game screen, after a won run
// of "Thrust" with the given score and program.
class Completion : public testing::Test {
protected:
    void SetUp() override {
        registerFreshMissions();
        app.screens.clear();
        pushScreen(&gameScreen);
        pushScreen(&screen);
        app.completionScreen = &screen;
        app.world.mission = &mission("Thrust");
        delete app.world.rocket;
        app.world.rocket = new Rocket();
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

const Program thrust100 = {{Thrust, 100}};

}  // namespace

TEST_F(Completion, DismissingSavesAndKeepsTheBestRunWithTiesTakingTheNewProgram) {
    struct Case {
        float best;  // 0: never won
        float score;
        SDL_Event dismissal;
        float keptBest;
        const char* keptProgram;
    };
    const std::vector<Case> cases = {
        {0.0f, 5000.0f, keyPress(SDLK_RETURN), 5000.0f, "1 T 100\n"},  // whatever the medal
        {120.0f, 130.0f, keyPress(SDLK_ESCAPE), 120.0f, "1 T 90\n"},
        {120.0f, 120.0f, mousePress(5, 5), 120.0f, "1 T 100\n"},
        {120.0f, 110.5f, keyPress(SDLK_RETURN), 110.5f, "1 T 100\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove("save.dat");
        mission("Thrust").bestScore = c.best;
        mission("Thrust").savedProgram = c.best > 0.0f ? "1 T 90\n" : "";
        finishRun(c.score, thrust100);
        pushScreen(&screen);
        EXPECT_EQ(dismissWith(c.dismissal), "Saving game.\n") << c.score;
        EXPECT_EQ(mission("Thrust").bestScore, c.keptBest) << c.score;
        EXPECT_EQ(mission("Thrust").savedProgram, c.keptProgram) << c.score;
        EXPECT_TRUE(std::filesystem::exists("save.dat")) << c.score;
    }
}

TEST_F(Completion, AtExitAResultStillOnShowIsRecordedAndNothingElse) {
    finishRun(117.0f, thrust100);
    popScreen();  // another screen is showing
    recordShownResult();
    EXPECT_EQ(mission("Thrust").bestScore, 0.0f);
    pushScreen(&screen);
    recordShownResult();
    EXPECT_EQ(mission("Thrust").bestScore, 117.0f);
    EXPECT_EQ(mission("Thrust").savedProgram, "1 T 100\n");
    EXPECT_EQ(currentScreen(), &screen);
}
