// The options screen of the real game: "Save and Quit" writes the chosen mode
// and the next start opens in it, or falls back to a window a player can use.
#include <gtest/gtest.h>

#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

namespace {

// From the intro: Options, three steps of "Resolution" from 1280 x 720 to
// 1440 x 900, "Full Screen" on, "Save and Quit".
std::string chooseFullScreen1440x900(const VirtualDisplay& display) {
    auto session = startGame(display);
    GameSession& game = *session;
    game.keys("space", 500ms);
    game.keys("Down Down Down Down Return", 500ms);
    game.keys("Return Return Return Down Return Down Return", 0ms);
    EXPECT_EQ(game.waitForExit(60s), 0) << game.output() << game.errorOutput();
    std::string output = game.output();
    EXPECT_NE(output.find("Saving options.\n"), std::string::npos) << output;
    EXPECT_NE(output.find("Quitting program.\nSaving game.\n"), std::string::npos) << output;
    return game.readFile("options.dat");
}

}  // namespace

TEST(VideoOptions, SaveAndQuitWritesExactlyTheChosenModeAndTheNextStartOpensInIt) {
    VirtualDisplay display("1440x900x24");
    ASSERT_TRUE(display.ok());
    const std::string options = chooseFullScreen1440x900(display);
    EXPECT_EQ(options, "1440 900 1\n");

    GameSetup setup;
    setup.files["options.dat"] = options;
    auto session = startGame(display, setup);
    GameSession& game = *session;
    expectWindowSize(game, 1440, 900);
    expectMenusWork(game);
    expectQuitsCleanly(game);
    EXPECT_EQ(game.readFile("options.dat"), options) << "quitting rewrote the options";
}

// On a larger display the full-screen mode is either given (scaled by the
// window library) or refused, which must fall back to the default window.
TEST(VideoOptions, FullScreenAtASizeTheDisplayLacksStillGivesAWindowThatAnswersKeys) {
    VirtualDisplay display("1920x1200x24");
    ASSERT_TRUE(display.ok());
    GameSetup setup;
    setup.files["options.dat"] = "1440 900 1\n";
    auto session = startGame(display, setup);
    GameSession& game = *session;
    int width = 0, height = 0;
    ASSERT_TRUE(game.windowSize(width, height));
    if (width != 1440 || height != 900) {
        EXPECT_NE(game.output().find("ERROR: Failed to set video mode 1440x900"), std::string::npos)
            << width << "x" << height << "\n"
            << game.output();
        expectWindowSize(game, 1280, 720);
    }
    game.keys("space", 700ms);  // intro -> main menu
    expectQuitsCleanly(game);
}
