// The real game started over damaged or missing files: it says what is
// wrong, opens a window a player can use, and never writes half a file.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

namespace {

class DamagedFiles : public testing::Test {
protected:
    static void SetUpTestSuite() { display = std::make_unique<VirtualDisplay>(); }
    static void TearDownTestSuite() { display.reset(); }
    void SetUp() override { ASSERT_TRUE(display->ok()) << "Xvfb did not start"; }

    std::unique_ptr<GameSession> start(const GameSetup& setup) {
        return startGame(*display, setup);
    }

    static std::unique_ptr<VirtualDisplay> display;
};
std::unique_ptr<VirtualDisplay> DamagedFiles::display;

GameSetup withFile(const std::string& name, const std::string& bytes) {
    GameSetup setup;
    setup.files[name] = bytes;
    return setup;
}

}  // namespace

TEST_F(DamagedFiles, GarbageOptionsGiveTheDefaultWindowAndAWorkingGame) {
    auto game = start(withFile("options.dat", "\x89PNG garbage \xff\xfe\n"));
    expectWindowSize(*game, 1280, 720);
    expectMenusWork(*game);
    expectQuitsCleanly(*game);
}

TEST_F(DamagedFiles, AnImpossibleWindowSizeIsReportedAndAUsableWindowOpens) {
    for (const char* options : {"99999 -20 7\n", "0 0 0\n", "100000 100000 1\n"}) {
        SCOPED_TRACE(options);
        auto game = start(withFile("options.dat", options));
        EXPECT_NE(game->output().find("ERROR: "), std::string::npos) << game->output();
        expectWindowSize(*game, 1280, 720);
        expectMenusWork(*game);
        expectQuitsCleanly(*game);
    }
}

TEST_F(DamagedFiles, ATruncatedScoreFileKeepsTheRecordsBeforeTheCutAndTheNextSaveIsWhole) {
    const std::map<std::string, SavedBest> bests = {{"Bigger Launch", {300.0f, "1 T 5\n"}}};
    const std::string whole = scoreFileLayout(bests);
    auto game = start(withFile("save.dat", whole.substr(0, whole.size() / 2)));
    EXPECT_TRUE(game->waitForOutput("Loading game.\nERROR: ")) << game->output();
    expectMenusWork(*game);
    expectQuitsCleanly(*game);
    EXPECT_EQ(game->readFile("save.dat"), whole);
}

TEST_F(DamagedFiles, AnImpossibleBestLosesOnlyItsRecordAndTheDamagedFileIsKeptAside) {
    const SavedBest thrust = {300.0f, "1 T 5\n"};
    // "Bigger Launch" comes first in the file, before "Thrust".
    const std::string bytes =
        scoreFileLayout({{"Bigger Launch", {NAN, "1 T 5\n"}}, {"Thrust", thrust}});
    auto game = start(withFile("save.dat", bytes));
    EXPECT_TRUE(game->waitForOutput("ERROR: The damaged save.dat is kept as save.dat.damaged.\n"))
        << game->output();
    game->keys("space", 700ms);
    expectQuitsCleanly(*game);
    EXPECT_EQ(game->readFile("save.dat"), scoreFileLayout({{"Thrust", thrust}}));
    EXPECT_EQ(game->readFile("save.dat.damaged"), bytes);
}

TEST_F(DamagedFiles, AGarbageScoreFileIsReportedAndTheNextSaveWritesAFreshWholeFile) {
    std::string garbage = "\xff\xff\xff\x7f";
    for (int i = 0; i < 400; ++i) garbage += char((i * 37 + 11) & 0xFF);
    auto game = start(withFile("save.dat", garbage));
    EXPECT_TRUE(game->waitForOutput("Loading game.\nERROR: ")) << game->output();
    expectMenusWork(*game);
    expectQuitsCleanly(*game);
    EXPECT_EQ(game->readFile("save.dat"), scoreFileLayout({}));
}

TEST_F(DamagedFiles, AWonMissionAfterADamagedScoreFileIsSavedWhole) {
    auto game = start(withFile("save.dat", std::string("\x05\x00\x00", 3)));
    EXPECT_TRUE(game->waitForOutput("Loading game.\nERROR: ")) << game->output();
    winThrustAndSave(*game);
    game->keys("Escape Escape", 700ms);  // mission menu, main menu
    expectQuitsCleanly(*game);
}
