#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "screens/CompletionScreen.h"
#include "screens/ScoreFile.h"
#include "sim/Rocket.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

// The completion screen on top of a stand-in game screen, after a won run
// of "Thrust" with the given score and program.
class Completion : public testing::Test {
protected:
    void SetUp() override {
        registerFreshLevels();
        app.screens.clear();
        pushScreen(&gameScreen);
        pushScreen(&screen);
        app.completionScreen = &screen;
        app.world.level = &mission("Thrust");
        delete app.world.rocket;
        app.world.rocket = new Rocket();
    }
    void TearDown() override {
        app.screens.clear();
        app.completionScreen = nullptr;
    }

    void finishRun(float score, Program program) {
        app.world.level->score = score;
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
const Program thrust90 = {{Thrust, 90}};

}  // namespace

TEST_F(Completion, FirstWinBecomesTheBestWhateverTheMedal) {
    finishRun(5000.0f, thrust100);
    std::string output = dismissWith(keyPress(SDLK_RETURN));
    EXPECT_EQ(mission("Thrust").bestScore, 5000.0f);
    EXPECT_EQ(mission("Thrust").savedProgram, "1 T 100\n");
    EXPECT_EQ(output, "Saving game.\n");
    EXPECT_TRUE(std::filesystem::exists("save.dat"));
}

TEST_F(Completion, WorseRunKeepsTheBestButTheFileIsWrittenAgain) {
    mission("Thrust").bestScore = 120.0f;
    mission("Thrust").savedProgram = "1 T 90\n";
    finishRun(130.0f, thrust100);
    std::string output = dismissWith(keyPress(SDLK_ESCAPE));
    EXPECT_EQ(mission("Thrust").bestScore, 120.0f);
    EXPECT_EQ(mission("Thrust").savedProgram, "1 T 90\n");
    EXPECT_EQ(output, "Saving game.\n");
}

TEST_F(Completion, TieReplacesTheStoredProgramAndBetterRunReplacesBoth) {
    mission("Thrust").bestScore = 120.0f;
    mission("Thrust").savedProgram = "1 T 90\n";
    finishRun(120.0f, thrust100);
    dismissWith(mousePress(5, 5));
    EXPECT_EQ(mission("Thrust").savedProgram, "1 T 100\n");

    pushScreen(&screen);
    finishRun(110.5f, thrust90);
    dismissWith(keyPress(SDLK_RETURN));
    EXPECT_EQ(mission("Thrust").bestScore, 110.5f);
    EXPECT_EQ(mission("Thrust").savedProgram, "1 T 90\n");
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

TEST_F(Completion, MedalFollowsTheLimitsWithEqualityEarningTheBetterOne) {
    Level& level = mission("Thrust");
    level.score = level.goldLimit;
    EXPECT_EQ(runMedal(level), 3);
    level.score = std::nextafter(level.goldLimit, 1000.0f);
    EXPECT_EQ(runMedal(level), 2);
    level.score = level.silverLimit;
    EXPECT_EQ(runMedal(level), 2);
    level.score = std::nextafter(level.silverLimit, 1000.0f);
    EXPECT_EQ(runMedal(level), 1);
    EXPECT_EQ(medalSentence(3), "You got a GOLD medal.");
    EXPECT_EQ(medalSentence(2), "You got a SILVER medal.");
    EXPECT_EQ(medalSentence(1), "You got a BRONZE medal.");
}

TEST_F(Completion, BreakdownShowsTheThreeCostsAndTheTotal) {
    // Thrust 100, Left 50, Wait 1000 winning at step 1150.
    Level& level = mission("Thrust");
    level.thrustCost = 100.0f;
    level.turnCost = 5.0f;
    level.timeCost = 11.5f;
    level.score = 116.5f;
    EXPECT_EQ(scoreBreakdown(level),
              "Thrust:   100 x 1   =   100\n"
              " Turns:    50 x .1  =     5.0\n"
              "  Time:  1150 x .01 =    11.50\n"
              "-----------------------------\n"
              " Total:                 116.50\n");
}

TEST_F(Completion, ResultStillOnShowAtExitIsRecordedWithoutLeavingTheScreen) {
    finishRun(117.0f, thrust100);
    recordShownResult();
    EXPECT_EQ(mission("Thrust").bestScore, 117.0f);
    EXPECT_EQ(mission("Thrust").savedProgram, "1 T 100\n");
    EXPECT_EQ(currentScreen(), &screen);
}

TEST_F(Completion, NothingIsRecordedAtExitWhenAnotherScreenIsShowing) {
    finishRun(117.0f, thrust100);
    popScreen();
    recordShownResult();
    EXPECT_EQ(mission("Thrust").bestScore, 0.0f);
    EXPECT_EQ(mission("Thrust").savedProgram, "");
}

TEST_F(Completion, ClosingTheWindowOnTheCompletionScreenStillSavesTheWin) {
    finishRun(117.0f, thrust100);
    testing::internal::CaptureStdout();
    shutdown();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Quitting program.\nSaving game.\n");
    registerFreshLevels();
    testing::internal::CaptureStdout();
    loadScores();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(mission("Thrust").bestScore, 117.0f);
    EXPECT_EQ(mission("Thrust").savedProgram, "1 T 100\n");
}
