// The real game under a private X server, driven by real X input, over
// fresh, damaged and missing files: it says what is wrong, opens a window a
// player can use, plays, and never writes half a file. One row per start.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "tests/e2e/Road.h"

using namespace std::chrono_literals;

namespace {

enum class Play {
    Intro,    // the intro is drawn; a termination signal ends the game cleanly
    Menus,    // the menus answer keys; Escape quits
    Win,      // "Thrust" won with Thrust 1000 and saved
    Gold,     // "Thrust" won with Thrust 59 at turbo speed: a gold medal, shown in the menu
    Options,  // the options screen: 1440 x 900 full screen, "Save and Quit"
    Preview,  // "Thrust" with Thrust 59, its preview hidden as stored, then shown with P
    Optimize, // F1 on "Thrust" under the stored best, then a termination signal
    Kept,     // "Accept" brings back the program kept in "programs.dat"; run, stop, leave
};

struct Road {
    const char* name;
    GameSetup setup;
    std::vector<std::string> said;  // each printed exactly once (at least once if it ends in '+')
    int width, height;              // the window
    Play play;
    std::string saved = "-";  // "save.dat" at the end; "-": not checked
};

GameSetup files(std::map<std::string, std::string> files, bool images = true, bool models = true) {
    GameSetup setup;
    setup.files = std::move(files);
    setup.images = images;
    setup.models = models;
    return setup;
}

std::string garbage() {
    std::string bytes = "\xff\xff\xff\x7f";
    for (int i = 0; i < 400; ++i) bytes += char((i * 37 + 11) & 0xFF);
    return bytes;
}

// One record, "Bigger Launch" with a best of NaN, which no save writes.
std::string impossibleBest() {
    const std::string name = "Bigger Launch", program = "1 T 5\n";
    return std::string("\x01\0\0\0\x0d\0\0\0", 8) + name + std::string("\0\0\xc0\x7f", 4) +
           std::string("\x06\0\0\0", 4) + program;
}

// Pixels of the preview's gold win marker and score in the space view.
int goldInView(const Screenshot& shot) {
    return shot.count(0, 0, shot.width - 256, shot.height - 32, [](Screenshot::Rgb p) {
        return p.r > 200 && p.g > 150 && p.g < 230 && p.b < 110;
    });
}

// Made when the tests are listed, not before main.
const std::vector<Road>& roads() {
    const std::string kept = scoreFile("Bigger Launch", 300.0f, "1 T 5\n");
    static const std::vector<Road> all = {
        {"FirstStart",
         files({}),
         {"Loading options.\nERROR: Failed to open file for loading options. Will use defaults.\n",
          "Loading game.\nERROR: Failed to open file for loading game. No scores loaded.\n"},
         1280,
         720,
         Play::Intro,
         scoreFile()},
        {"StoredSizeAndGarbageScores",
         files({{"options.dat", "1024 768 0\n"}, {"save.dat", garbage()}}),
         {"Loading game.\nERROR: Damaged save.dat"},
         1024,
         768,
         Play::Menus,
         scoreFile()},
        {"ImpossibleSizeAndCutScores",
         files({{"options.dat", "99999 -20 7\n"}, {"save.dat", "\x02" + kept.substr(1)}}),  // a record short
         {"ERROR: Unusable window size 99999x-20. Using 1280x720.\n",
          "Loading game.\nERROR: Damaged"},
         1280,
         720,
         Play::Menus,
         kept},
        {"GarbageOptionsAndAShortScoreFileThenAWin",
         files({{"options.dat", "\x89PNG garbage \xff\xfe\n"},
                {"save.dat", std::string("\x05\x00\x00", 3)}}),
         {"Loading game.\nERROR: Damaged"},
         1280,
         720,
         Play::Win},
        {"WithoutImages",
         files({}, false),
         {"failed to load texture: images/font.png\n",
          "failed to load texture: images/font_small.png\n",
          "failed to load texture: images/space1.png\n",
          "failed to load texture: images/bronze2.png\n",
          "failed to load texture: images/little_locked.png\n"},
         1280,
         720,
         Play::Win},
        {"WithoutModels",
         files({}, true, false),
         {"failed to load models/ship_test.obj\n+",
          "failed to load texture: models/test_tex.png\n"},
         1280,
         720,
         Play::Win},
        {"GoldMedal", files({}), {}, 1280, 720, Play::Gold},
        {"OptionsScreen", files({}), {"Saving options.\n"}, 1280, 720, Play::Options},
        {"PreviewStoredHiddenThenShown", files({{"options.dat", "1280 720 0 0\n"}}),
         {"Saving options.\n"}, 1280, 720, Play::Preview},
        // A best so high that no run reaches its cut-off: F1 still ends its
        // runs, the window lives, and a termination signal ends the game cleanly.
        {"KeptProgramWithADamagedLine",
         files({{"programs.dat", "Thrust\t1 T 59\nno tab\n"}}),
         {"programs.dat:2: no tab between mission name and program; line skipped\n", "Stopped\n"},
         1280, 720, Play::Kept},
        {"OptimizerUnderAHugeBest", files({{"save.dat", scoreFile("Thrust", 1e30f, "1 W 5\n")}}),
         {"optimizing\n"}, 1280, 720, Play::Optimize, scoreFile("Thrust", 1e30f, "1 W 5\n")},
        // Only the record with an impossible best is lost; the file is kept aside first.
        {"ImpossibleBestKeptAside", files({{"save.dat", impossibleBest()}}),
         {"ERROR: The damaged save.dat is kept as save.dat.damaged.\n"}, 1280, 720, Play::Menus,
         scoreFile()},
    };
    return all;
}

void PrintTo(const Road& road, std::ostream* out) { *out << road.name; }

class PlayerRoads : public testing::TestWithParam<Road> {};

// The intro's drifting points light up both halves of a dark window; a grab
// may catch a frame half copied, so a few are taken.
void expectIntroDrawn(GameSession& game) {
    int left = 0, right = 0;
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::this_thread::sleep_for(1500ms);
        const Screenshot shot = game.screenshot();
        auto bright = [](Screenshot::Rgb p) { return p.r + p.g + p.b > 180; };
        left = shot.count(0, 0, shot.width / 2, shot.height, bright);
        right = shot.count(shot.width / 2, 0, shot.width, shot.height, bright);
        if (left > 100 && right > 100 && left + right < shot.width * shot.height / 4) return;
    }
    ADD_FAILURE() << "not the dark intro with points on both halves: " << left << " and " << right;
}

// Coloured pixels (medal icons) left of entry i of the mission menu's n.
int colouredLeftOf(const Screenshot& shot, int entries, int i) {
    const int top = shot.height - 1 - (shot.height / 2 - 32 * i + 16 * entries - 40 + 28);
    return shot.count(shot.width / 2 - 190, top, 88, 32, [](Screenshot::Rgb p) {
        return std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) > 60;
    });
}

}  // namespace

TEST_P(PlayerRoads, TheGameSaysWhatIsWrongAndCanBePlayed) {
    const Road& road = GetParam();
    auto session = startGame(road.setup);
    GameSession& game = *session;
    expectWindowSize(game, road.width, road.height);
    switch (road.play) {
        case Play::Intro: {
            EXPECT_NE(game.xdotool("getwindowgeometry " + game.window).find("Position: 100,30"),
                      std::string::npos);
            expectIntroDrawn(game);
            kill(game.pid, SIGTERM);
            EXPECT_EQ(game.waitForExit(), 0) << game.errorOutput();
            const std::string output = game.output(), end = "Quitting program.\nSaving game.\n";
            EXPECT_EQ(output.substr(output.size() - std::min(output.size(), end.size())), end);
            EXPECT_EQ(sanitizerFindings(game.errorOutput()), "");
            break;
        }
        case Play::Menus:
            expectMenusWork(game);
            expectQuitsCleanly(game);
            break;
        case Play::Win:
            winThrust(game, "1000", road.setup.images ? "bronze" : "");
            expectQuitsCleanly(game);
            break;
        case Play::Gold: {
            winThrust(game, "59", "gold", true);
            const Screenshot menu = game.screenshot();  // medal icons beside Thrust only
            EXPECT_GT(colouredLeftOf(menu, 8, 1), 150) << "no medal icons beside Thrust";
            EXPECT_LT(colouredLeftOf(menu, 8, 2), 20) << "medal icons beside Turn";
            const std::string saved = game.readFile("save.dat");
            expectQuitsCleanly(game);
            EXPECT_EQ(game.readFile("save.dat"), saved) << "the save at exit differs";
            break;
        }
        case Play::Options:  // Options; Resolution three times; Full Screen; Save and Quit
            game.keys("space", 500ms);
            game.keys("Down Down Down Down Return", 500ms);
            game.keys("Return Return Return Down Return Down Return", 0ms);
            EXPECT_EQ(game.waitForExit(60s), 0) << game.output() << game.errorOutput();
            EXPECT_EQ(game.readFile("options.dat"), "1440 900 1\n");
            break;
        case Play::Preview:
            openThrustWith(game, "59");
            EXPECT_EQ(goldInView(game.screenshot()), 0) << "the stored choice hides the preview";
            game.keys("p", 700ms);
            EXPECT_GT(goldInView(game.screenshot()), 30) << "no gold marker where Thrust 59 wins";
            EXPECT_EQ(game.readFile("options.dat"), "1280 720 0\n");
            game.keys("Escape", 700ms);
            expectQuitsCleanly(game);
            break;
        case Play::Optimize: {
            openThrustWith(game, "", 0);  // "Accept" loads the stored "1 W 5"
            game.keys("F1", 0ms);
            // In the middle of the search: before, a single run never ended.
            EXPECT_TRUE(game.waitForOutput("iter 3:")) << game.output();
            kill(game.pid, SIGTERM);
            EXPECT_EQ(game.waitForExit(20s), 0) << game.output() << game.errorOutput();
            const std::string output = game.output(), end = "Quitting program.\nSaving game.\n";
            EXPECT_EQ(output.substr(output.size() - std::min(output.size(), end.size())), end);
            break;
        }
        case Play::Kept:
            openThrustWith(game, "", 0);
            EXPECT_GT(goldInView(game.screenshot()), 30) << "Thrust 59 not brought back";
            game.keys("Return", 700ms);  // run
            game.keys("Return", 700ms);  // stop
            game.keys("5 Escape", 700ms);  // T 5, kept on leaving
            EXPECT_EQ(game.readFile("programs.dat"), "Thrust\t1 T 5\n");
            expectQuitsCleanly(game);
            break;
    }
    for (const std::string& text : road.said) {
        const bool more = text.back() == '+';
        const int count = game.countInOutput(more ? text.substr(0, text.size() - 1) : text);
        EXPECT_TRUE(more ? count >= 1 : count == 1) << text << "\n" << game.output();
    }
    if (road.saved != "-") {
        EXPECT_EQ(game.readFile("save.dat"), road.saved);
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, PlayerRoads, testing::ValuesIn(roads()),
                         [](const testing::TestParamInfo<Road>& info) { return info.param.name; });
