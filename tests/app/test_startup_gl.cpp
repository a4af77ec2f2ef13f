// The game binary started as a player starts it, on a private X server.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/GameSession.h"

using namespace std::chrono_literals;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The intro's drifting points light up both halves of a dark window. The
// window is grabbed while the game keeps drawing, so one grab can catch a
// frame half copied: a game that draws the intro shows it in one of a few.
void expectIntroDrawn(GameSession& game, int width, int height) {
    int left = 0, right = 0;
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::this_thread::sleep_for(1500ms);
        Screenshot shot = game.screenshot();
        ASSERT_EQ(shot.width, width);
        ASSERT_EQ(shot.height, height);
        left = shot.brightPixels(0, 0, width / 2, height);
        right = shot.brightPixels(width / 2, 0, width - width / 2, height);
        if (left > 100 && right > 100 && left + right < width * height / 4) return;
    }
    ADD_FAILURE() << "not the dark intro with points on both halves: " << left << " and " << right
                  << " lit pixels";
}

}  // namespace

TEST(StartUp, TheStoredWindowOpensAt100By30ShowsTheIntroAndEndsCleanlyOnASignal) {
    const struct {
        const char* options;  // nullptr: no options file
        int width, height, signal;
    } cases[] = {{nullptr, 1280, 720, SIGTERM}, {"1024 768 0\n", 1024, 768, SIGINT}};
    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options ? c.options : "no options file");
        GameSetup setup;
        if (c.options) setup.files["options.dat"] = c.options;
        GameSession game(display, ASTRELLO_BINARY_DIR "/astrello", setup);
        ASSERT_TRUE(game.waitForOutput("Opengl ")) << game.output();
        std::vector<std::string> lines = linesOf(game.output());
        EXPECT_EQ(lines[0], "Loading options.");
        size_t next = 1;
        if (!c.options) {
            EXPECT_EQ(lines[next++],
                      "ERROR: Failed to open file for loading options. Will use defaults.");
        }
        while (next < lines.size() && lines[next].rfind("ERROR: ", 0) == 0) ++next;
        ASSERT_LT(next, lines.size());
        EXPECT_EQ(lines[next].rfind("Opengl ", 0), 0u) << lines[next];

        ASSERT_TRUE(game.waitForWindow());
        std::string geometry = game.xdotool("getwindowgeometry " + game.window);
        EXPECT_NE(geometry.find("Position: 100,30"), std::string::npos) << geometry;
        expectIntroDrawn(game, c.width, c.height);

        kill(game.pid, c.signal);
        EXPECT_EQ(game.waitForExit(), 0) << game.errorOutput();
        lines = linesOf(game.output());
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "Quitting program.");
        EXPECT_EQ(lines.back(), "Saving game.");
    }
}
