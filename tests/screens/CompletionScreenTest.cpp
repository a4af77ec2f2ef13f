#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <vector>

#include "screens/CompletionScreen.h"
#include "missions/Mission.h"
#include "missions/ScoreFile.h"
#include "sim/Rocket.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

// The completion screen on top of a stand-in game screen, after a won run
// of "Thrust" with the given score and program.
class Completion : public testing::Test, public ScreenTestBed {
protected:
    void SetUp() override {
        ui.pushScreen(&gameScreen);
        ui.pushScreen(&screen);
        world.mission = &mission("Thrust");
        world.rocket = std::make_unique<Rocket>();
    }

    void finishRun(float score, Program program) {
        world.result.score = score;
        world.rocket->program = std::move(program);
    }
    std::string dismissWith(const InputEvent& event) {
        testing::internal::CaptureStdout();
        EXPECT_TRUE(screen.handleEvent(event));
        return testing::internal::GetCapturedStdout();
    }

    ScratchDirectory scratch;
    ScoreFile scores;
    Widget gameScreen{ui};
    CompletionScreen screen{ui, world, records, scores};
};

const Program thrust100 = {{Thrust, 100}};

}  // namespace

TEST_F(Completion, DismissingSavesAndKeepsTheBestRunWithTiesTakingTheNewProgram) {
    struct Case {
        float best;  // 0: never won
        float score;
        InputEvent dismissal;
        float keptBest;
        const char* keptProgram;
    };
    const std::vector<Case> cases = {
        {0.0f, 5000.0f, keyPress(Key::Return), 5000.0f, "1 T 100\n"},  // whatever the medal
        {120.0f, 130.0f, keyPress(Key::Escape), 120.0f, "1 T 90\n"},
        {120.0f, 120.0f, mousePress(5, 5), 120.0f, "1 T 100\n"},
        {120.0f, 110.5f, keyPress(Key::Return), 110.5f, "1 T 100\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove("save.dat");
        records = Records();
        if (c.best > 0.0f) records.put("Thrust", Record{c.best, "1 T 90\n"});
        finishRun(c.score, thrust100);
        ui.pushScreen(&screen);
        EXPECT_EQ(dismissWith(c.dismissal), "Saving game.\n") << c.score;
        EXPECT_EQ(records.best("Thrust"), c.keptBest) << c.score;
        EXPECT_EQ(records.program("Thrust"), c.keptProgram) << c.score;
        EXPECT_TRUE(std::filesystem::exists("save.dat")) << c.score;
    }
}

TEST_F(Completion, NotesTellANewBestAndTheDistanceToTheNextMedal) {
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
    Mission& thrust = mission("Thrust");
    for (const Case& c : cases) {
        RunResult run;
        run.score = c.score;
        EXPECT_EQ(resultNotes(thrust, run, c.best), c.notes) << c.best << " " << c.score;
        EXPECT_EQ(bestAfterRun(run, c.best), c.shownBest) << c.best << " " << c.score;
    }
}

TEST_F(Completion, SpaceGoesOnOnlyOnceTheScreenHasBeenUpAMoment) {
    finishRun(130.0f, thrust100);
    screen.update();  // shown: its timer starts
    EXPECT_TRUE(screen.handleEvent(keyPress(Key::Space)));
    EXPECT_EQ(ui.currentScreen(), &screen) << "a turbo press just after the win went on";
    ui.clock += 0.5;
    EXPECT_EQ(dismissWith(keyPress(Key::Space)), "Saving game.\n");
    EXPECT_EQ(ui.currentScreen(), &gameScreen);
    EXPECT_EQ(records.best("Thrust"), 130.0f);
}

TEST(ScoreBreakdown, EachCostIsRoundedSoThatTheLinesAddUpToTheTotalShown) {
    const struct {
        std::array<float, 3> parts;
        std::array<long, 3> shown;  // hundredths
    } cases[] = {
        {{173.8f, 0.5f, 153.54f}, {17380, 50, 15354}},
        // Each rounded alone: 0.00 three times beside a total of 0.01.
        {{0.005f, 0.005f, 0.005f}, {1, 0, 0}},
        // Each rounded alone: 1.01 three times beside a total of 3.02.
        {{1.006f, 1.006f, 1.006f}, {101, 101, 100}},
    };
    for (const auto& c : cases) {
        const float total = c.parts[0] + c.parts[1] + c.parts[2];
        EXPECT_EQ(shownHundredths(c.parts, total), c.shown) << total;
    }
}

TEST(ScoreBreakdown, AMissionOfItsOwnCostsShowsItsRatesAndHundredthsThatAddUp) {
    struct OwnCosts : Mission {
        OwnCosts() : Mission("Own Costs", "", 100.0f, 200.0f) {}
    } mission;
    mission.thrustRate = 0.2f, mission.turnRate = 0.05f, mission.timeRate = 0.1f;
    RunResult run;
    run.thrustCost = 869 * 0.2f, run.turnCost = 10 * 0.05f, run.timeCost = 1535.4f * 0.1f;
    run.score = run.thrustCost + run.turnCost + run.timeCost;
    EXPECT_EQ(scoreBreakdown(mission, run),
              "Thrust:   869 x .2  =   173.80\n"
              " Turns:    10 x .05 =     0.50\n"
              "  Time:  1535 x .1  =   153.54\n"
              "-----------------------------\n"
              " Total:                 327.84\n");
}
