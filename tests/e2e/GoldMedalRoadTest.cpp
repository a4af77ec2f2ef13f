// A player's whole road through the real game to a gold medal on the first
// Cadet mission, and what that leaves in "save.dat", byte by byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "app/Application.h"
#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

namespace {

// The score the simulation gives `program` on the mission, as the game
// screen would fly it.
float scoreOf(const std::string& mission, const std::string& program) {
    app.textures.headless = true;
    MissionRegistry missions;
    registerMissions(missions);
    FlightResult result = flyMission(app.world, *missions.at(mission), program, 100000);
    app.world.mission = nullptr;
    for (auto& entry : missions) delete entry.second;
    EXPECT_STREQ(result.result, "won");
    EXPECT_EQ(medalName(result.medal), std::string("gold"));
    return result.score;
}

// Rows of the mission menu's entries, counted from the top of the window:
// entry i of n is drawn from y = H/2 - 32 i + 16 n - 40 upwards.
int entryTop(int height, int entries, int i) {
    int bottom = height / 2 - 32 * i + 16 * entries - 40;
    return height - 1 - (bottom + 28);
}

// Coloured pixels (the medal icons) left of a mission menu entry.
int colouredLeftOf(const Screenshot& shot, int entries, int i) {
    return shot.count(shot.width / 2 - 190, entryTop(shot.height, entries, i), 88, 32,
                      [](Screenshot::Rgb p) {
                          return std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) > 60;
                      });
}

}  // namespace

TEST(GoldMedalRoad, TheFirstCadetMissionFlownToGoldIsSeenAndSavedByteForByte) {
    const std::string program = "1 T 59\n";
    const float score = scoreOf("Thrust", program);
    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    auto session = startGame(display);
    GameSession& game = *session;
    openCadetMission(game, 1);
    typeProgram(game, "t 5 9");       // Thrust 59
    game.keys("Return", 400ms);       // run
    game.keys("space", 0ms);          // turbo: 2000 steps a second
    std::this_thread::sleep_for(5s);  // 5933 steps
    Screenshot completion = game.screenshot();
    EXPECT_EQ(medalShown(completion), "gold");
    EXPECT_FALSE(game.fileExists("save.dat")) << "saved before the result was dismissed";

    game.keys("Return", 1s);  // dismiss: the best is recorded and saved
    ASSERT_TRUE(game.waitForOutput("Saving game.", 1));
    const std::string expected = scoreFileLayout({{"Thrust", {score, program}}});
    EXPECT_EQ(game.readFile("save.dat"), expected);

    game.keys("Escape", 1s);  // back to the mission menu: gold, silver and bronze icons
    Screenshot menu = game.screenshot();
    EXPECT_GT(colouredLeftOf(menu, 8, 1), 150) << "no medal icons beside Thrust";
    EXPECT_LT(colouredLeftOf(menu, 8, 2), 20) << "medal icons beside Turn";

    game.keys("Escape", 700ms);  // main menu
    expectQuitsCleanly(game);
    EXPECT_EQ(game.readFile("save.dat"), expected) << "the save at exit differs";
}
