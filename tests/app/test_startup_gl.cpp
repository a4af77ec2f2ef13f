#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/GlTestWindow.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

std::string runCommand(const std::string& command) {
    std::string text;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
        pclose(pipe);
    }
    return text;
}

// Reads a binary PPM screenshot (top row first) into an image (bottom row first).
Image readPpm(const std::string& fileName) {
    Image image;
    std::ifstream in(fileName, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> image.width >> image.height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255 || image.width <= 0 || image.height <= 0) return Image();
    std::vector<char> rgb(size_t(image.width) * image.height * 3);
    if (!in.read(rgb.data(), std::streamsize(rgb.size()))) return Image();
    image.rgba.resize(size_t(image.width) * image.height * 4);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const char* from = &rgb[3 * (size_t(image.height - 1 - y) * image.width + x)];
            uint8_t* to = &image.rgba[4 * (size_t(y) * image.width + x)];
            for (int c = 0; c < 3; ++c) to[c] = uint8_t(from[c]);
            to[3] = 255;
        }
    }
    return image;
}

// The game binary started in a scratch folder of its own, its output read
// through a pipe.
class RunningGame {
public:
    std::string dir;
    std::string output;

    RunningGame(const std::string& name, const char* options) {
        dir = fs::absolute("startup-" + name).string();
        fs::remove_all(dir);
        fs::create_directory(dir);
        fs::create_directory_symlink(ASTRELLO_SOURCE_DIR "/images", dir + "/images");
        fs::create_directory_symlink(ASTRELLO_SOURCE_DIR "/models", dir + "/models");
        if (options) std::ofstream(dir + "/options.dat", std::ios::binary) << options;
        start();
    }
    ~RunningGame() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (out >= 0) close(out);
    }

    // Reads output until a line starting with `prefix` has arrived.
    bool waitForLine(const std::string& prefix, double seconds) {
        auto deadline = Clock::now() + std::chrono::milliseconds(long(seconds * 1000));
        while (!hasLine(prefix)) {
            if (Clock::now() > deadline || !readSome(deadline)) return false;
        }
        return true;
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        size_t start = 0;
        for (size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1)
            result.push_back(output.substr(start, end - start));
        return result;
    }
    std::string findWindow() {
        std::string id =
            runCommand("timeout 20 xdotool search --sync --name '^Astrello$' 2>/dev/null");
        return id.substr(0, id.find('\n'));
    }
    Image screenshot(const std::string& window) {
        // Let a few frames be drawn first, keeping the pipe drained.
        auto until = Clock::now() + std::chrono::milliseconds(1500);
        while (Clock::now() < until && readSome(until)) {
        }
        std::string file = dir + "/screen.ppm";
        runCommand("import -window " + window + " -depth 8 " + file);
        Image image = readPpm(file);
        image.savePng(dir + "/screen.png");  // for a person to look at
        return image;
    }
    // Sends a signal and waits for the program to end; returns its wait status.
    int stop(int signal) {
        kill(pid, signal);
        auto deadline = Clock::now() + std::chrono::seconds(30);
        while (readSome(deadline)) {
        }
        int status = -1;
        for (int i = 0; i < 100 && waitpid(pid, &status, WNOHANG) == 0; ++i) usleep(100000);
        if (WIFEXITED(status) || WIFSIGNALED(status)) pid = -1;
        return status;
    }

private:
    pid_t pid = -1;
    int out = -1;

    void start() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            if (chdir(dir.c_str()) != 0) _exit(127);
            // In sanitizer builds: the window system's libraries keep memory
            // past exit, which would turn a clean exit into a failure here.
            setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            execl(ASTRELLO_BINARY_DIR "/astrello", "astrello", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        out = fds[0];
    }
    bool hasLine(const std::string& prefix) const {
        for (const std::string& line : lines())
            if (line.compare(0, prefix.size(), prefix) == 0) return true;
        return false;
    }
    // Appends what arrives before the deadline; false at the end of the output.
    bool readSome(Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd p{out, POLLIN, 0};
            if (poll(&p, 1, int(left.count()) + 1) <= 0) continue;
            char buffer[4096];
            ssize_t n = read(out, buffer, sizeof buffer);
            if (n <= 0) return false;
            output.append(buffer, size_t(n));
            return true;
        }
        return true;
    }
};

void expectStartupLines(const std::vector<std::string>& lines, const char* optionsLine) {
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Loading options.");
    size_t next = 1;
    if (optionsLine) {
        EXPECT_EQ(lines[next++], optionsLine);
    }
    while (next < lines.size() && lines[next].rfind("ERROR: ", 0) == 0) ++next;
    ASSERT_LT(next, lines.size());
    EXPECT_EQ(lines[next].rfind("Opengl ", 0), 0u) << lines[next];
}

// Lit pixels in the left and right halves of the window.
struct IntroPixels {
    int left = 0;
    int right = 0;
    int total = 0;  // pixels in the window
    bool drawn() const { return left > 100 && right > 100 && left + right < total / 4; }
};

IntroPixels measureIntro(const Image& image) {
    int w = image.width;
    int h = image.height;
    IntroPixels pixels;
    pixels.left = image.countPixels(PixelRect{0, 0, w / 2, h}, isLit);
    pixels.right = image.countPixels(PixelRect{w / 2, 0, w - w / 2, h}, isLit);
    pixels.total = w * h;
    return pixels;
}

// The window is grabbed while the game keeps drawing, so one grab can catch
// a frame half copied; a game that draws the intro shows it in one of a few grabs.
Image screenshotOfIntro(RunningGame& game, const std::string& window) {
    Image image;
    for (int attempt = 0; attempt < 5; ++attempt) {
        image = game.screenshot(window);
        if (measureIntro(image).drawn()) break;
    }
    return image;
}

// The intro: its drifting points light up both halves of a dark window.
void expectIntroDrawn(const Image& image) {
    IntroPixels pixels = measureIntro(image);
    EXPECT_GT(pixels.left, 100) << "nothing drawn on the left half";
    EXPECT_GT(pixels.right, 100) << "nothing drawn on the right half";
    EXPECT_LT(pixels.left + pixels.right, pixels.total / 4) << "the window is not the dark intro";
}

void expectCleanExit(RunningGame& game, int signal) {
    int status = game.stop(signal);
    ASSERT_TRUE(WIFEXITED(status)) << game.output;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::vector<std::string> lines = game.lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "Quitting program.");
    EXPECT_EQ(lines.back(), "Saving game.");
}

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) {
            FAIL() << "needs an X display (run under xvfb-run)";
        }
    }
};

}  // namespace

TEST_F(StartUp, WithoutAnOptionsFileA1280By720WindowOpensAt100By30AndEndsCleanlyOnSigterm) {
    RunningGame game("default", nullptr);
    ASSERT_TRUE(game.waitForLine("Opengl ", 30)) << game.output;
    expectStartupLines(game.lines(),
                       "ERROR: Failed to open file for loading options. Will use defaults.");
    std::string window = game.findWindow();
    ASSERT_FALSE(window.empty());
    std::string geometry = runCommand("xdotool getwindowgeometry " + window);
    EXPECT_NE(geometry.find("Position: 100,30"), std::string::npos) << geometry;

    Image image = screenshotOfIntro(game, window);
    ASSERT_EQ(image.width, 1280);
    ASSERT_EQ(image.height, 720);
    expectIntroDrawn(image);
    expectCleanExit(game, SIGTERM);
}

TEST_F(StartUp, A1024By768SettingOpensThatWindowAndEndsCleanlyOnSigint) {
    RunningGame game("1024x768", "1024 768 0\n");
    ASSERT_TRUE(game.waitForLine("Opengl ", 30)) << game.output;
    expectStartupLines(game.lines(), nullptr);
    std::string window = game.findWindow();
    ASSERT_FALSE(window.empty());
    Image image = screenshotOfIntro(game, window);
    ASSERT_EQ(image.width, 1024);
    ASSERT_EQ(image.height, 768);
    expectIntroDrawn(image);
    expectCleanExit(game, SIGINT);
}

TEST_F(StartUp, AnAbsurdOptionsFileStillGivesAUsableWindow) {
    RunningGame game("absurd", "99999 -5 0\n");
    ASSERT_TRUE(game.waitForLine("Opengl ", 30)) << game.output;
    std::vector<std::string> lines = game.lines();
    expectStartupLines(lines, nullptr);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("ERROR: ", 0), 0u) << lines[1];
    std::string window = game.findWindow();
    ASSERT_FALSE(window.empty());
    Image image = screenshotOfIntro(game, window);
    ASSERT_EQ(image.width, 1280);
    ASSERT_EQ(image.height, 720);
    expectIntroDrawn(image);
    expectCleanExit(game, SIGTERM);
    std::ifstream kept(game.dir + "/options.dat");
    std::string text((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "99999 -5 0\n") << "the stored settings are not rewritten";
}
