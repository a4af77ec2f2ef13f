#include "tests/e2e/Road.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <thread>

#include "missions/Level.h"
#include "missions/Levels.h"

using namespace std::chrono_literals;

std::string gameBinary() { return ASTRELLO_BINARY_DIR "/astrello"; }

void expectWindowSize(GameSession& game, int width, int height) {
    int w = 0, h = 0;
    ASSERT_TRUE(game.windowSize(w, h)) << "no window";
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
    Screenshot shot = game.screenshot();
    EXPECT_EQ(shot.width, width);
    EXPECT_EQ(shot.height, height);
}

int changedPixels(const Screenshot& a, const Screenshot& b) {
    if (a.width != b.width || a.height != b.height) return a.width * a.height;
    int changed = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        changed += std::abs(a.pixels[i].brightness() - b.pixels[i].brightness()) > 40 ? 1 : 0;
    return changed;
}

namespace {

// Text and icons, not a star field, changed: many pixels.
constexpr int screenChange = 1500;

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
    EXPECT_GT(mainMenu.brightPixels(), 2000) << "the main menu shows no text";
    EXPECT_GT(changedPixels(intro, mainMenu), screenChange) << "space did not end the intro";
    Screenshot cadetPage = after(game, "Return");
    EXPECT_GT(changedPixels(mainMenu, cadetPage), screenChange) << "the Cadet page did not open";
    Screenshot back = after(game, "Escape");
    EXPECT_GT(changedPixels(cadetPage, back), screenChange) << "Escape did not go back";
    EXPECT_LT(changedPixels(mainMenu, back), screenChange) << "back is not the main menu";
}

void expectQuitsCleanly(GameSession& game) {
    game.keys("Escape", 0ms);
    EXPECT_EQ(game.waitForExit(60s), 0) << game.output() << game.errorOutput();
    std::string output = game.output();
    EXPECT_NE(output.find("Quitting program.\nSaving game.\n"), std::string::npos) << output;
    EXPECT_EQ(game.errorOutput(), "");
}

void openCadetMission(GameSession& game, int row) {
    game.keys("space", 500ms);   // intro -> main menu
    game.keys("Return", 500ms);  // "Cadet Missions"
    std::string downs;
    for (int i = 0; i < row; ++i) downs += " Down";
    game.keys(downs + " Return", 500ms);  // the mission's briefing
    game.keys("Return", 700ms);           // "Accept"
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
