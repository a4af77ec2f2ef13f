#include <gtest/gtest.h>

#include <cmath>
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
        // Damaged values can win with a score no sound run makes: shown, never kept.
        {120.0f, -4.0f, keyPress(SDLK_RETURN), 120.0f, "1 T 90\n"},
        {0.0f, std::nanf(""), keyPress(SDLK_RETURN), 0.0f, ""},
    };
    for (const Case& c : cases) {
        std::filesystem::remove("save.dat");
        mission("Thrust").bestScore = c.best;
        mission("Thrust").savedProgram = c.best > 0.0f ? "1 T 90\n" : "";
        finishRun(c.score, thrust100);
        pushScreen(&screen);
        std::string said = dismissWith(c.dismissal);
        EXPECT_EQ(said.find("ERROR: A score of "), c.score >= 0.0f ? std::string::npos : 0u);
        EXPECT_EQ(said.substr(said.find("Saving game.")), "Saving game.\n") << c.score;
        EXPECT_EQ(mission("Thrust").bestScore, c.keptBest) << c.score;
        EXPECT_EQ(mission("Thrust").savedProgram, c.keptProgram) << c.score;
        EXPECT_TRUE(std::filesystem::exists("save.dat")) << c.score;
    }
}

TEST_F(Completion, DismissalReturnsToTheGameScreenAndOtherInputIsKeptOrIgnored) {
    finishRun(120.0f, thrust100);
    EXPECT_FALSE(screen.handleEvent(mouseMotion(10, 10)));
    EXPECT_TRUE(screen.handleEvent(keyPress(SDLK_a)));
    EXPECT_TRUE(screen.handleEvent(keyPress(SDLK_SPACE)));
    EXPECT_EQ(currentScreen(), &screen);
    EXPECT_EQ(mission("Thrust").bestScore, 0.0f);

    screen.entered = false;
    dismissWith(keyPress(SDLK_ESCAPE));
    EXPECT_EQ(currentScreen(), &gameScreen);
    EXPECT_EQ(app.focus, &gameScreen);
    EXPECT_TRUE(screen.entered);
}

TEST_F(Completion, AWonRunAlwaysEarnsAMedalEvenWithAScoreOfZero) {
    Mission& mission = mission("Thrust");
    for (auto c : {std::make_pair(0.0f, 3), std::make_pair(mission.goldLimit, 3),
                   std::make_pair(mission.silverLimit, 2), std::make_pair(1e9f, 1)}) {
        mission.score = c.first;
        EXPECT_EQ(runMedal(mission), c.second) << c.first;
    }
}

TEST_F(Completion, BreakdownShowsTheThreeCostsAndTheTotal) {
    // Thrust 100, Left 50, Wait 1000 winning at step 1150.
    Mission& mission = mission("Thrust");
    mission.thrustCost = 100.0f;
    mission.turnCost = 5.0f;
    mission.timeCost = 11.5f;
    mission.score = 116.5f;
    EXPECT_EQ(scoreBreakdown(mission),
              "Thrust:   100 x 1   =   100\n"
              " Turns:    50 x .1  =     5.0\n"
              "  Time:  1150 x .01 =    11.50\n"
              "-----------------------------\n"
              " Total:                 116.50\n");
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
