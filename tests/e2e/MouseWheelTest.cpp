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

TEST(MouseWheel, ALongProgramScrollsWithTheWheelWithoutMovingTheCurrentRowAndShowsWhatIsHidden) {
    // A long list leaves a 16-pixel strip above and below its rows; row d of
    // the view has its slider track 13 pixels above its lower edge. The
    // current row is pink (1, 0.8, 0.8), its smoothed lines at half strength too.
    auto track = [](const Screenshot& shot, int d) {
        return shot.count(shot.width - 256 + 60, 16 + 32 * (d + 1) - 14, 100, 3,
                          [](Screenshot::Rgb p) { return p.r + p.g + p.b > 180; });
    };
    auto pink = [](const Screenshot& shot) {
        return shot.count(shot.width - 256, 0, 256, shot.height - 32, [](Screenshot::Rgb p) {
            return p.r > 100 && p.r * 9 > p.g * 10 && std::abs(p.g - p.b) < 12;
        });
    };
    // The "N more above" / "N more below" strips: light text on the editor's black.
    auto strip = [](const Screenshot& shot, bool above) {
        const int y = above ? 1 : shot.height - 32 - 16 - (shot.height - 32 - 32) % 32;
        return shot.count(shot.width - 256 + 60, y, 150, 15,
                          [](Screenshot::Rgb p) { return p.r > 150 && p.g > 150 && p.b > 150; });
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
        // The last command, current, is in view; rows are hidden above, none below but the end row.
        EXPECT_GT(pink(typed), 300);
        EXPECT_GT(strip(typed, true), 20);

        // Four notches up over the editor reach the first row; the current row stays put, out of view.
        game->xdotool("mousemove --window " + game->window + " " +
                      std::to_string(typed.width - 128) +
                      " 300 sleep 0.2 click --repeat 4 --delay 100 4 sleep 0.5");
        Screenshot scrolled = game->screenshot();
        EXPECT_LT(pink(scrolled), 50);
        EXPECT_GT(track(scrolled, 0), 150);
        EXPECT_LT(strip(scrolled, true), 5);
        EXPECT_GT(strip(scrolled, false), 20);

        // A key brings the current row back into view.
        game->keys("Up", 500ms);
        EXPECT_GT(pink(game->screenshot()), 300);
        game->keys("Escape Escape", 700ms);  // the mission menu, the main menu
        expectQuitsCleanly(*game);
    }
}
