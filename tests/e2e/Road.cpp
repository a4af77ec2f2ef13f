#include "tests/e2e/Road.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>

#include "missions/Level.h"
#include "missions/Levels.h"

using namespace std::chrono_literals;

std::string gameBinary() { return ASTRELLO_BINARY_DIR "/astrello"; }

std::unique_ptr<GameSession> startGame(const VirtualDisplay& display, const GameSetup& setup) {
    auto game = std::make_unique<GameSession>(display, gameBinary(), setup);
    EXPECT_TRUE(game->waitForWindow()) << game->output() << game->errorOutput();
    return game;
}

void expectWindowSize(GameSession& game, int width, int height) {
    int w = 0, h = 0;
    ASSERT_TRUE(game.windowSize(w, h)) << "no window";
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
    Screenshot shot = game.screenshot();
    EXPECT_EQ(shot.width, width);
    EXPECT_EQ(shot.height, height);
}

std::string medalShown(const Screenshot& shot) {
    // The disc of the 512 x 512 medal image, drawn at (W/2 - 256, H/2 - 206)
    // from the bottom-left, lies around 17 rows above the window's middle.
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = shot.height / 2 - 67; y < shot.height / 2 + 33; ++y) {
        for (int x = shot.width / 2 - 50; x < shot.width / 2 + 50; ++x, ++n) {
            if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) continue;
            r += shot.at(x, y).r;
            g += shot.at(x, y).g;
            b += shot.at(x, y).b;
        }
    }
    if (n == 0 || r / n < 100) return "none";
    if (b >= 0.8 * r) return "silver";
    return g >= 0.7 * r ? "gold" : "bronze";
}

namespace {

// Reddish pixels where the main menu writes the labels of the three locked
// rank groups (rows 1 to 3, from x = W/2 - 100): hundreds on the main menu
// of a new player, none on a mission page.
int lockedLabelPixels(const Screenshot& shot) {
    return shot.count(shot.width / 2 - 100, shot.height / 2 - 70, 360, 95, [](Screenshot::Rgb p) {
        return p.r > 120 && p.r > p.g + 40 && p.r > p.b + 40;
    });
}

Screenshot after(GameSession& game, const std::string& keys) {
    game.keys(keys, 700ms);
    return game.screenshot();
}

}  // namespace

void expectMenusWork(GameSession& game) {
    std::this_thread::sleep_for(1500ms);
    Screenshot intro = game.screenshot();
    ASSERT_GT(intro.width, 0) << "no screenshot";
    Screenshot mainMenu = after(game, "space");
    Screenshot cadetPage = after(game, "Return");
    Screenshot back = after(game, "Escape");
    if (const char* folder = std::getenv("ASTRELLO_SCREENSHOT_DIR")) {
        for (auto [name, shot] : {std::pair{"intro", &intro},
                                  {"main_menu", &mainMenu},
                                  {"cadet_page", &cadetPage},
                                  {"back", &back}})
            shot->savePpm(std::string(folder) + "/" + name + ".ppm");
    }
    EXPECT_GT(lockedLabelPixels(mainMenu), 300) << "space did not show the main menu";
    EXPECT_LT(lockedLabelPixels(cadetPage), 50) << "Return did not open the Cadet page";
    EXPECT_GT(lockedLabelPixels(back), 300) << "Escape did not go back to the main menu";
}

std::string sanitizerFindings(const std::string& errors) {
    std::string findings;
    // A leak report lists blocks separated by blank lines; only blocks that
    // were allocated by the game's own code count. The window system's
    // libraries keep a few blocks to the end, and once SDL_Quit has unloaded
    // them their frames cannot even be named.
    size_t at = 0;
    while (at < errors.size()) {
        size_t end = errors.find("\n\n", at);
        if (end == std::string::npos) end = errors.size();
        std::string block = errors.substr(at, end - at);
        bool leak = block.find("leak of") != std::string::npos;
        bool ours = block.find(ASTRELLO_SOURCE_DIR) != std::string::npos ||
                    block.find("/astrello+0x") != std::string::npos;
        bool other = block.find("ERROR: AddressSanitizer") != std::string::npos ||
                     block.find("runtime error") != std::string::npos;
        if ((leak && ours) || other) findings += block + "\n\n";
        at = end + 2;
    }
    return findings;
}

void expectQuitsCleanly(GameSession& game) {
    // Escape from the main menu quits. A loaded machine may let a key of the
    // road before land on a screen still changing; another Escape only goes
    // back one more level, so one is sent again every ten seconds.
    for (int i = 0; i < 5 && game.running() && !game.countInOutput("Quitting program."); ++i) {
        game.keys("Escape", 0ms);
        game.waitForOutput("Quitting program.", 1, 10s);
    }
    EXPECT_EQ(game.waitForExit(20s), 0) << game.output() << game.errorOutput();
    std::string output = game.output();
    EXPECT_NE(output.find("Quitting program.\nSaving game.\n"), std::string::npos) << output;
    EXPECT_EQ(sanitizerFindings(game.errorOutput()), "");
}

void openCadetMission(GameSession& game, int row) {
    game.keys("space", 500ms);   // intro -> main menu
    game.keys("Return", 500ms);  // "Cadet Missions"
    std::string downs;
    for (int i = 0; i < row; ++i) downs += " Down";
    game.keys(downs + " Return", 500ms);  // the mission's briefing
    game.keys("Return", 700ms);           // "Accept"
}

std::string flyThrustToCompletion(GameSession& game, bool medalVisible) {
    openCadetMission(game, 1);
    typeProgram(game, "t 1 0 0 0");
    game.keys("Return", medalVisible ? 0ms : 6000ms);  // run
    // Under two seconds of flight; a loaded machine draws slowly.
    std::string medal = "none";
    for (int attempt = 0; medalVisible && attempt < 40 && medal == "none"; ++attempt) {
        std::this_thread::sleep_for(500ms);
        medal = medalShown(game.screenshot());
    }
    return medal;
}

void winThrustAndSave(GameSession& game, bool medalVisible) {
    std::string medal = flyThrustToCompletion(game, medalVisible);
    if (medalVisible) {
        EXPECT_EQ(medal, "bronze");
    }
    game.keys("Return", 0ms);  // dismiss the completion screen
    ASSERT_TRUE(game.waitForOutput("Saving game.")) << game.output();
    // The message comes before the new file is renamed into place.
    std::map<std::string, SavedBest> saved;
    for (int i = 0; i < 50 && !readScoreFile(game.readFile("save.dat"), saved); ++i)
        std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(readScoreFile(game.readFile("save.dat"), saved));
    EXPECT_EQ(saved.size(), 21u);
    EXPECT_EQ(saved["Thrust"].program, "1 T 1000\n");
    EXPECT_GT(saved["Thrust"].score, 1000.0f);
}

void typeProgram(GameSession& game, const std::string& keys) {
    std::istringstream words(keys);
    std::string word, digits;
    while (words >> word) {
        if (word.size() == 1 && std::string("tlrws").find(word[0]) != std::string::npos) {
            if (!digits.empty()) game.keys(digits, 100ms);
            digits.clear();
            game.keys(word, 500ms);
        } else {
            digits += " " + word;
        }
    }
    if (!digits.empty()) game.keys(digits, 250ms);
}

namespace {

void appendInt32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += char((value >> shift) & 0xFF);
}

bool takeInt32(const std::string& bytes, size_t& at, uint32_t& value) {
    if (bytes.size() - at < 4) return false;
    value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | uint8_t(bytes[at + size_t(i)]);
    at += 4;
    return true;
}

bool takeText(const std::string& bytes, size_t& at, std::string& text) {
    uint32_t length;
    if (!takeInt32(bytes, at, length) || length > bytes.size() - at) return false;
    text = bytes.substr(at, length);
    at += length;
    return true;
}

}  // namespace

std::string scoreFileLayout(const std::map<std::string, SavedBest>& bests) {
    LevelRegistry levels;
    registerLevels(levels);
    std::string out;
    appendInt32(out, uint32_t(levels.size()));
    for (auto& [name, level] : levels) {
        SavedBest best;
        if (bests.count(name)) best = bests.at(name);
        uint32_t bits;
        std::memcpy(&bits, &best.score, 4);
        appendInt32(out, uint32_t(name.size()));
        out += name;
        appendInt32(out, bits);
        appendInt32(out, uint32_t(best.program.size()));
        out += best.program;
        delete level;
    }
    return out;
}

bool readScoreFile(const std::string& bytes, std::map<std::string, SavedBest>& bests) {
    size_t at = 0;
    uint32_t count;
    if (!takeInt32(bytes, at, count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        std::string name;
        SavedBest best;
        uint32_t bits;
        if (!takeText(bytes, at, name) || !takeInt32(bytes, at, bits) ||
            !takeText(bytes, at, best.program))
            return false;
        std::memcpy(&best.score, &bits, 4);
        bests[name] = best;
    }
    return at == bytes.size();
}
