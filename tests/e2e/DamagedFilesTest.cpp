// The real game started over damaged or missing files: it says what is
// wrong, opens a window a player can use, and never writes half a file.
#include <gtest/gtest.h>

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
        auto game = std::make_unique<GameSession>(*display, gameBinary(), setup);
        EXPECT_TRUE(game->waitForWindow()) << game->output() << game->errorOutput();
        return game;
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
