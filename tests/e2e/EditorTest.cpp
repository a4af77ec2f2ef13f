// The program editor and the run messages in the real game, with real keys:
// one current row, refused digits that flash, runs that end and say so.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

namespace {

// Red (the refused key's flash) in the editor's column.
int redInEditor(const Screenshot& shot) {
    return shot.count(shot.width - 256, 0, 256, shot.height - 32, [](Screenshot::Rgb p) {
        return p.r > 200 && p.g < 110 && p.b < 110;
    });
}

// The message band's gold frame near the top of the space view.
int messageFrame(const Screenshot& shot) {
    return shot.count(0, 0, shot.width - 256, 120, [](Screenshot::Rgb p) {
        return p.r > 220 && p.g > 180 && p.g < 235 && p.b > 70 && p.b < 130;
    });
}

// From the intro to the game screen of the Cadet page's mission `downs` rows below "Thrust".
void openCadetMission(GameSession& game, int downs) {
    game.keys("space", 500ms);
    game.keys("Return", 500ms);
    std::string keys = "Down";
    for (int i = 0; i < downs; ++i) keys += " Down";
    game.keys(keys + " Return", 500ms);
    game.keys("Return", 700ms);
}

}  // namespace

TEST(Editor, DigitsGoToTheCurrentRowARefusedOneFlashesAndUpAfterAnInsertMovesUp) {
    auto game = startGame();
    openThrustWith(*game, "", 0);
    game->keys("t", 400ms);
    game->keys("1 3 5", 150ms);
    EXPECT_LT(redInEditor(game->screenshot()), 10);
    // 1350 would pass 1000. The flash lasts 0.4 s: a loaded machine may take
    // longer for a screenshot, so each try refuses another 0.
    int red = 0;
    for (int attempt = 0; attempt < 5 && red <= 40; ++attempt) {
        game->keys("0", 30ms);
        red = redInEditor(game->screenshot());
    }
    EXPECT_GT(red, 40) << "the refused digit did not flash";
    std::this_thread::sleep_for(700ms);
    EXPECT_LT(redInEditor(game->screenshot()), 10) << "the flash stayed";
    game->keys("t", 400ms);         // a second Thrust, below the first, current
    game->keys("7 Up 4", 150ms);    // 7 on the new one; Up reaches the first: 4 replaces 135
    game->keys("Escape", 700ms);    // the program is kept on leaving
    EXPECT_EQ(game->readFile("programs.dat"), "Thrust\t2 T 4 T 7\n");
    expectQuitsCleanly(*game);
}

TEST(Editor, ARunThatCannotWinEndsInSecondsAndItsMessageStaysUntilTheNextKey) {
    auto game = startGame();
    openCadetMission(*game, 5);  // "First Launch"
    game->keys("t 1 0 0 0", 150ms);
    game->keys("Return", 400ms);
    const auto start = std::chrono::steady_clock::now();
    game->keys("space", 0ms);  // turbo, which speeds up while nothing happens
    ASSERT_TRUE(game->waitForOutput("Out of time after 100000 s", 1, 15s)) << game->output();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_NE(game->output().find("Met: get outside the red circle. Missed: land again."),
              std::string::npos)
        << game->output();
    std::this_thread::sleep_for(8s);  // longer than a message used to stay
    EXPECT_GT(messageFrame(game->screenshot()), 100) << "the message went by itself";
    game->keys("Down", 500ms);
    EXPECT_LT(messageFrame(game->screenshot()), 20) << "the message outlived the next key";

    // End flies the rest of a run at once.
    game->keys("Return", 400ms);
    game->keys("End", 0ms);
    EXPECT_TRUE(game->waitForOutput("Out of time after 100000 s", 2, 3s)) << game->output();
    expectQuitsCleanly(*game);
}
