// The real game under its own X server, driven by real X input: the whole
// road of one mission from the intro to a recorded best score and back out.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <memory>
#include <thread>

#include "tests/e2e/Road.h"

namespace {

using namespace std::chrono_literals;

// The only won mission in `bests` is "Thrust", flown with Thrust 1000.
void expectOneBestOnThrust(const std::map<std::string, SavedBest>& bests) {
    ASSERT_EQ(bests.size(), 21u);
    int won = 0;
    for (const auto& [name, best] : bests) {
        if (best.score == 0.0f) continue;
        ++won;
        EXPECT_EQ(name, "Thrust");
        EXPECT_EQ(best.program, "1 T 1000\n");
        EXPECT_GT(best.score, 1000.0f);
        EXPECT_LT(best.score, 1010.0f);
    }
    EXPECT_EQ(won, 1);
}

std::map<std::string, SavedBest> savedBests(const GameSession& game) {
    std::map<std::string, SavedBest> bests;
    EXPECT_TRUE(readScoreFile(game.readFile("save.dat"), bests));
    return bests;
}

// The game in a scratch folder, driven along the road to the completion
// screen of "Thrust".
class MissionRoad : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
        game = std::make_unique<GameSession>(display, gameBinary(), GameSetup());
        ASSERT_TRUE(game->waitForWindow()) << game->output() << game->errorOutput();
        std::this_thread::sleep_for(1500ms);
    }

    void flyThrustToCompletion() {
        EXPECT_EQ(::flyThrustToCompletion(*game), "bronze") << "no medal in the window";
    }

    VirtualDisplay display;
    std::unique_ptr<GameSession> game;
};

}  // namespace

TEST_F(MissionRoad, FromTheIntroToARecordedBestAndOutAgainWithRealInput) {
    flyThrustToCompletion();
    EXPECT_FALSE(game->fileExists("save.dat")) << "saved before the result was dismissed";
    game->keys("Return", 0ms);  // dismiss the completion screen
    ASSERT_TRUE(game->waitForOutput("Saving game."));
    expectOneBestOnThrust(savedBests(*game));

    game->keys("Escape", 400ms);  // game screen -> mission menu
    game->keys("Escape", 400ms);  // mission menu -> main menu
    expectQuitsCleanly(*game);    // "Quit"
    EXPECT_NE(game->output().find("Loading game.\n"), std::string::npos) << game->output();
    expectOneBestOnThrust(savedBests(*game));
}

TEST_F(MissionRoad, ClosingTheGameOnTheCompletionScreenKeepsTheWin) {
    flyThrustToCompletion();
    kill(game->pid, SIGTERM);  // a close request, as from the desktop
    EXPECT_EQ(game->waitForExit(std::chrono::seconds(20)), 0);
    expectOneBestOnThrust(savedBests(*game));
}
