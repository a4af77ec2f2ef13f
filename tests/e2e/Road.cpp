#include "tests/e2e/Road.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "tests/support/SimSupport.h"
#include "missions/ScoreFile.h"
#include "sim/World.h"

using namespace std::chrono_literals;

std::unique_ptr<GameSession> startGame(const GameSetup& setup) {
    auto game = std::make_unique<GameSession>(ASTRELLO_BINARY_DIR "/astrello", setup);
    EXPECT_TRUE(game->waitForWindow()) << game->output() << game->errorOutput();
    return game;
}

void expectWindowSize(GameSession& game, int width, int height) {
    const Screenshot shot = game.screenshot();
    EXPECT_EQ(shot.width, width);
    EXPECT_EQ(shot.height, height);
}

std::string medalShown(const Screenshot& shot) {
    // The disc of the 512 x 512 medal image lies around 17 rows above the
    // window's middle.
    double r = 0, g = 0, b = 0;
    const int n = shot.count(shot.width / 2 - 50, shot.height / 2 - 67, 100, 100, [&](auto p) {
        r += p.r, g += p.g, b += p.b;
        return true;
    });
    if (n == 0 || r / 10000 < 100) return "none";
    if (b >= 0.8 * r) return "silver";
    return g >= 0.7 * r ? "gold" : "bronze";
}

void expectMenusWork(GameSession& game) {
    // Reddish pixels where the main menu writes the labels of the locked
    // rank groups: hundreds on the main menu, none on a mission page.
    auto lockedLabels = [&](const std::string& keys) {
        game.keys(keys, 700ms);
        Screenshot shot = game.screenshot();
        return shot.count(
            shot.width / 2 - 100, shot.height / 2 - 70, 360, 95,
            [](Screenshot::Rgb p) { return p.r > 120 && p.r > p.g + 40 && p.r > p.b + 40; });
    };
    std::this_thread::sleep_for(1500ms);
    EXPECT_GT(lockedLabels("space"), 300) << "space did not show the main menu";
    EXPECT_LT(lockedLabels("Return"), 50) << "Return did not open the Cadet page";
    EXPECT_GT(lockedLabels("Escape"), 300) << "Escape did not go back to the main menu";
}

std::string sanitizerFindings(const std::string& errors) {
    std::string findings;
    // A leak report lists blocks separated by blank lines; only blocks that
    // were allocated by the game's own code count: the game is built with
    // its symbols, so such a block names one of its source files. The window
    // system's libraries keep a few blocks to the end, and those of a library
    // unloaded at exit show as bare addresses, sometimes attributed to
    // whatever module lies next to them.
    for (size_t at = 0, end; at < errors.size(); at = end + 2) {
        end = std::min(errors.find("\n\n", at), errors.size());
        const std::string block = errors.substr(at, end - at);
        bool ours = false;
        for (size_t line = 0, stop; line < block.size() && !ours; line = stop + 1) {
            stop = std::min(block.find('\n', line), block.size());
            const std::string frame = block.substr(line, stop - line);
            ours = frame.find(ASTRELLO_SOURCE_DIR) != std::string::npos &&
                   (frame.find(".cpp:") != std::string::npos || frame.find(".h:") != std::string::npos);
        }
        if ((block.find("leak of") != std::string::npos && ours) ||
            block.find("ERROR: AddressSanitizer") != std::string::npos ||
            block.find("runtime error") != std::string::npos)
            findings += block + "\n\n";
    }
    return findings;
}

void expectQuitsCleanly(GameSession& game) {
    // A loaded machine may let a key of the road land on a screen still
    // changing; another Escape only goes back one more screen, and one that
    // reaches a game already quitting changes nothing.
    for (int i = 0; i < 8 && game.running() && !game.countInOutput("Quitting program."); ++i) {
        game.keys("Escape", 0ms);
        game.waitForOutput("Quitting program.", 1, 2s);
    }
    EXPECT_EQ(game.waitForExit(20s), 0) << game.output() << game.errorOutput();
    EXPECT_NE(game.output().find("Quitting program.\nSaving game.\n"), std::string::npos)
        << game.output();
    EXPECT_EQ(sanitizerFindings(game.errorOutput()), "");
}

void openThrustWith(GameSession& game, const std::string& digits, int thrusts) {
    game.keys("space", 500ms);        // intro -> main menu
    game.keys("Return", 500ms);       // "Cadet Missions"
    game.keys("Down Return", 500ms);  // the briefing of "Thrust"
    game.keys("Return", 700ms);       // "Accept"
    std::string typed;
    for (char digit : digits) typed += std::string(" ") + digit;
    for (int i = 0; i < thrusts; ++i) {
        game.keys("t", 500ms);  // inserted at the next update; the digits wait for that
        game.keys(typed, 150ms);
    }
}

void winThrust(GameSession& game, const std::string& digits, const std::string& medal, bool turbo) {
    const std::string before = game.readFile("save.dat"), program = "1 T " + digits + "\n";
    const std::string expected = scoreFile("Thrust", thrustScore(program), program);
    openThrustWith(game, digits);
    game.keys("Return", turbo ? 400ms : 0ms);            // run
    if (turbo) game.keys("space", 0ms);                  // 2000 steps a second
    if (medal.empty()) std::this_thread::sleep_for(6s);  // no medal to see without images
    std::string shown = "none";
    for (int attempt = 0; !medal.empty() && attempt < 30 && shown == "none"; ++attempt) {
        std::this_thread::sleep_for(500ms);
        shown = medalShown(game.screenshot());
    }
    EXPECT_EQ(shown, medal.empty() ? "none" : medal);
    EXPECT_EQ(game.readFile("save.dat"), before) << "saved before the result was dismissed";
    game.keys("Return", 0ms);  // dismiss the completion screen
    ASSERT_TRUE(game.waitForOutput("Saving game.")) << game.output();
    for (int i = 0; i < 50 && game.readFile("save.dat") == before; ++i)
        std::this_thread::sleep_for(100ms);
    EXPECT_EQ(game.readFile("save.dat"), expected);
    game.keys("Escape", 1s);  // the mission menu
}

// The 21 missions without scores, freed after `use`.
template <class Use>
auto withMissions(Use use) {
    MissionRegistry missions;
    loadTestCampaign(missions);
    auto result = use(missions);
    return result;
}

float thrustScore(const std::string& program) {
    const FlightResult result = withMissions([&](MissionRegistry& missions) {
        World world;
        return flyMission(world, *missions.at("Thrust"), program, 100000);
    });
    EXPECT_STREQ(result.result, "won") << program;
    return result.score;
}

std::string scoreFile(const std::string& mission, float best, const std::string& program) {
    Records records;
    if (!mission.empty()) records.put(mission, Record{best, program});
    return scoreFileBytes(records);
}
