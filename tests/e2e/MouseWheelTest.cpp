// The mouse wheel in the real game: it scrolls the program editor and never
// presses anything, however the pointer lies.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

TEST(MouseWheel, TheWheelOverQuitInTheMainMenuQuitsNothingButAPressThereDoes) {
    auto game = startGame();
    game->keys("space", 700ms);  // the main menu; "Quit", the 7th item, lies at y 240 from below
    game->xdotool("mousemove --window " + game->window +
                  " 560 469 sleep 0.3 click 4 sleep 0.2 click 5 sleep 0.2 click 5");
    std::this_thread::sleep_for(1500ms);
    EXPECT_EQ(game->countInOutput("Quitting program."), 0) << game->output();
    game->xdotool("click 1");
    EXPECT_EQ(game->waitForExit(20s), 0) << game->output();
}

TEST(MouseWheel, ALongProgramScrollsWithTheWheelAndTheKeysKeepTheSelectionInView) {
    // Row d of the view has its slider track 13 pixels above its lower edge;
    // the selected row is pink (1, 0.8, 0.8), its smoothed lines at half strength too.
    auto track = [](const Screenshot& shot, int d) {
        return shot.count(shot.width - 256 + 60, 32 * (d + 1) - 14, 100, 3,
                          [](Screenshot::Rgb p) { return p.r + p.g + p.b > 180; });
    };
    auto pink = [](const Screenshot& shot) {
        return shot.count(shot.width - 256, 0, 256, shot.height - 32, [](Screenshot::Rgb p) {
            return p.r > 100 && p.r * 9 > p.g * 10 && std::abs(p.g - p.b) < 12;
        });
    };
    for (const char* options : {"1280 720 0\n", "1024 768 0\n"}) {
        SCOPED_TRACE(options);
        GameSetup setup;
        setup.files["options.dat"] = options;
        auto game = startGame(setup);
        openThrustWith(*game, "", 0);
        std::string chain;
        for (int i = 0; i < 32; ++i) chain += "key t sleep 0.12 ";  // one insertion per update
        game->xdotool(chain + "sleep 0.5");
        Screenshot typed = game->screenshot();
        const int bottom = (typed.height - 32) / 32 - 1;  // the lowest whole row
        // The end row, selected below the view, is scrolled into it: pink, no slider.
        EXPECT_GT(pink(typed), 300);
        EXPECT_LT(track(typed, bottom), 20);

        // Four notches up over the editor reach the first row; the selection comes along.
        game->xdotool("mousemove --window " + game->window + " " +
                      std::to_string(typed.width - 128) +
                      " 300 sleep 0.2 click --repeat 4 --delay 100 4 sleep 0.5");
        Screenshot scrolled = game->screenshot();
        EXPECT_GT(pink(scrolled), 300);
        EXPECT_GT(track(scrolled, bottom), 150);
        game->keys("Escape Escape", 700ms);  // the mission menu, the main menu
        expectQuitsCleanly(*game);
    }
}
