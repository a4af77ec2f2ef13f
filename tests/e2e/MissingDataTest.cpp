// The real game started without its images or its models: it names what it
// could not load, does not crash, and a mission can still be flown and won.
#include <gtest/gtest.h>

#include <thread>

#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

TEST(MissingData, WithoutImagesTheGameNamesThemOnceAndCanStillBePlayed) {
    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    GameSetup setup;
    setup.images = false;
    auto session = startGame(display, setup);
    GameSession& game = *session;
    // Without the font sheets no text can be drawn, but the stars still
    // move and every key still does what it does.
    std::this_thread::sleep_for(1500ms);
    EXPECT_GT(game.screenshot().brightPixels(), 500);
    winThrustAndSave(game, false);
    game.keys("Escape Escape", 700ms);  // mission menu, main menu
    expectQuitsCleanly(game);
    for (const char* image : {"images/font.png", "images/font_small.png", "images/space1.png",
                              "images/bronze2.png", "images/little_locked.png"}) {
        EXPECT_EQ(game.countInOutput(std::string("failed to load texture: ") + image + "\n"), 1)
            << image << " is not reported exactly once\n"
            << game.output();
    }
}

TEST(MissingData, WithoutModelsTheGameNamesThemAndAMissionCanStillBeWon) {
    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    GameSetup setup;
    setup.models = false;
    auto session = startGame(display, setup);
    GameSession& game = *session;
    std::this_thread::sleep_for(1500ms);  // the intro flies the ship without its model
    ASSERT_TRUE(game.running()) << game.errorOutput();
    winThrustAndSave(game);
    game.keys("Escape Escape", 700ms);
    expectQuitsCleanly(game);
    std::string output = game.output();
    EXPECT_NE(output.find("failed to load models/ship_test.obj\n"), std::string::npos) << output;
    EXPECT_NE(output.find("failed to load texture: models/test_tex.png\n"), std::string::npos)
        << output;
}
