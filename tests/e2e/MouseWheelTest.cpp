// The mouse wheel in the real game: it scrolls the program editor and never
// presses anything, however the pointer lies.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <thread>

#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

namespace {

class MouseWheel : public testing::Test {
protected:
    static void SetUpTestSuite() { display = std::make_unique<VirtualDisplay>(); }
    static void TearDownTestSuite() { display.reset(); }
    void SetUp() override { ASSERT_TRUE(display->ok()) << "Xvfb did not start"; }
    static std::unique_ptr<VirtualDisplay> display;
};
std::unique_ptr<VirtualDisplay> MouseWheel::display;

// The editor's rows in a screenshot of a W x H window: row d (counted from
// the top of the view) has its slider track 13 pixels above its lower edge.
int trackPixels(const Screenshot& shot, int d) {
    return shot.brightPixels(shot.width - 256 + 60, 32 * (d + 1) - 14, 100, 3);
}
// Pixels in the selected row's pink (1, 0.8, 0.8), smoothed lines at half
// strength too, anywhere in the editor.
int pinkPixels(const Screenshot& shot) {
    return shot.count(shot.width - 256, 0, 256, shot.height - 32, [](Screenshot::Rgb p) {
        return p.r > 100 && p.r * 9 > p.g * 10 && std::abs(p.g - p.b) < 12;
    });
}

}  // namespace

TEST_F(MouseWheel, TheWheelOverQuitInTheMainMenuQuitsNothingButAPressThereDoes) {
    auto game = startGame(*display);
    game->keys("space", 700ms);  // the main menu; "Quit", the 7th item, lies at y 240 from below
    game->xdotool(
        "mousemove --window " + game->window +
        " 560 469 sleep 0.3 click 4 sleep 0.2 click 5 sleep 0.2 click 5 sleep 0.2 click 4");
    std::this_thread::sleep_for(1500ms);
    EXPECT_TRUE(game->running());
    EXPECT_EQ(game->countInOutput("Quitting program."), 0) << game->output();
    game->xdotool("click 1");
    EXPECT_EQ(game->waitForExit(20s), 0) << game->output();
    EXPECT_NE(game->output().find("Quitting program.\nSaving game.\n"), std::string::npos);
}

TEST_F(MouseWheel, ALongProgramScrollsWithTheWheelAndTheKeysKeepTheSelectionInView) {
    for (const char* options : {"1280 720 0\n", "1024 768 0\n"}) {
        SCOPED_TRACE(options);
        GameSetup setup;
        setup.files["options.dat"] = options;
        auto game = startGame(*display, setup);
        openCadetMission(*game, 1);
        std::string chain;
        for (int i = 0; i < 32; ++i) chain += "key t sleep 0.12 ";  // one insertion per update
        game->xdotool(chain);
        std::this_thread::sleep_for(500ms);
        Screenshot typed = game->screenshot();
        const int bottomRow = (typed.height - 32) / 32 - 1;  // the lowest whole row
        // The end row, selected below the view, scrolled into it: pink and no slider.
        EXPECT_GT(pinkPixels(typed), 300);
        EXPECT_LT(trackPixels(typed, bottomRow), 20);
        EXPECT_GT(trackPixels(typed, bottomRow - 1), 150);

        // Over the editor: the wheel scrolls up to the first row, the
        // selection comes along, and no button is pressed.
        game->xdotool("mousemove --window " + game->window + " " +
                      std::to_string(typed.width - 128) + " 300 sleep 0.2 " +
                      "click 4 sleep 0.1 click 4 sleep 0.1 click 4 sleep 0.1 click 4");
        std::this_thread::sleep_for(500ms);
        Screenshot scrolled = game->screenshot();
        EXPECT_GT(pinkPixels(scrolled), 300);
        EXPECT_GT(trackPixels(scrolled, bottomRow), 150);
        EXPECT_EQ(game->countInOutput("Saving game."), 0);
        if (const char* folder = std::getenv("ASTRELLO_SCREENSHOT_DIR")) {
            std::string size = std::to_string(typed.width) + "x" + std::to_string(typed.height);
            typed.savePpm(std::string(folder) + "/editor_typed_" + size + ".ppm");
            scrolled.savePpm(std::string(folder) + "/editor_scrolled_" + size + ".ppm");
        }
        game->keys("Escape Escape", 700ms);  // the mission menu, the main menu
        expectQuitsCleanly(*game);
    }
}
