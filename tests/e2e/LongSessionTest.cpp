// A long session with the real game: 120 won runs of one mission back to
// back through the game screen and the completion screen, each one saved.
// Resident memory must stay flat and the game must end clean (under the
// sanitizers: no report at all).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

namespace {

constexpr int runs = 120;
constexpr int runsPerChain = 25;

// One run: Return starts it, 40 steps later the completion screen is up and
// a click dismisses it, which saves. A click on the stopped game screen and
// a Return on the completion screen are harmless, so a late frame costs a
// run but never puts the keys out of step.
std::string chainOfRuns(int count) {
    std::string chain;
    for (int i = 0; i < count; ++i) chain += "key Return sleep 0.35 click 1 sleep 0.05 ";
    return chain;
}

}  // namespace

TEST(LongSession, ManyWonRunsKeepResidentMemoryFlatAndEndClean) {
    GameSetup setup;
    setup.files["options.dat"] = "640 480 0\n";  // small frames draw quickly in software
    // A small quarantine, so that freed memory held back by the address
    // sanitizer does not pass for growth.
    const char* asan = std::getenv("ASAN_OPTIONS");
    setup.environment.push_back(std::string("ASAN_OPTIONS=") + (asan ? asan : "") +
                                ":quarantine_size_mb=4");
    auto session = startGame(setup);
    GameSession& game = *session;
    openThrustWith(game, "1000", 10);
    game.xdotool("mousemove --window " + game.window + " 200 200");  // over the space view

    int attempts = 0, saves = 0;
    // The most resident KiB over runs 40 to 80, and over the runs after: the
    // allocator's memory wobbles by megabytes, so a dip on one reading must
    // not pass for growth.
    long settled = 0, highest = 0;
    while (saves < runs && attempts < runs * 3 / 2 && game.running()) {
        int batch = std::min(runsPerChain, runs - saves);
        game.xdotool(chainOfRuns(batch));
        attempts += batch;
        game.waitForOutput("Saving game.", saves + batch, 3s);
        saves = game.countInOutput("Saving game.");
        const long resident = game.residentKiB();
        std::printf("%d runs saved, %d tried: resident %ld KiB\n", saves, attempts, resident);
        // By then every allocation of a run has been made once; from then on
        // memory may wobble but not grow with the number of runs.
        if (saves >= 40 && saves <= 80) settled = std::max(settled, resident);
        if (saves > 80) highest = std::max(highest, resident);
    }
    ASSERT_GE(saves, runs) << "after " << attempts << " attempts\n" << game.errorOutput();

    ASSERT_GT(settled, 0);
    ASSERT_GT(highest, 0);
    EXPECT_LT(highest - settled, 4096)
        << "resident memory grew from " << settled << " KiB to " << highest << " KiB";

    const std::string tenThrusts =
        "10 T 1000 T 1000 T 1000 T 1000 T 1000 T 1000 T 1000 T 1000 T 1000 T 1000\n";
    EXPECT_EQ(game.readFile("save.dat"), scoreFile("Thrust", thrustScore(tenThrusts), tenThrusts));
    game.keys("Escape Escape", 700ms);  // mission menu, main menu
    expectQuitsCleanly(game);
}
