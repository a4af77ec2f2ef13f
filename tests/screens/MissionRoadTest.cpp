// The real game under the X server, driven by real X input: the whole road of
// one mission from the intro to a recorded best score and back out.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "tests/screens/MenuTestSupport.h"

namespace {

using namespace std::chrono_literals;

std::string run(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
    }
    return output;
}

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A score file parsed field by field.
struct SavedRecord {
    std::string name;
    float best;
    std::string program;
};
bool parseScoreFile(const std::string& bytes, std::vector<SavedRecord>& records) {
    size_t at = 0;
    auto int32 = [&](int32_t& v) {
        if (at + 4 > bytes.size()) return false;
        uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = u << 8 | uint8_t(bytes[at + i]);
        v = int32_t(u);
        at += 4;
        return true;
    };
    auto text = [&](std::string& s) {
        int32_t n;
        if (!int32(n) || n < 0 || at + size_t(n) > bytes.size()) return false;
        s = bytes.substr(at, size_t(n));
        at += size_t(n);
        return true;
    };
    int32_t count;
    if (!int32(count)) return false;
    for (int32_t i = 0; i < count; ++i) {
        SavedRecord r;
        int32_t bits;
        if (!text(r.name) || !int32(bits) || !text(r.program)) return false;
        std::memcpy(&r.best, &bits, 4);
        records.push_back(r);
    }
    return at == bytes.size();
}

class Game {
public:
    explicit Game(const std::string& log) {
        pid = fork();
        if (pid == 0) {
            std::freopen(log.c_str(), "w", stdout);
            // In sanitizer builds the window system's libraries keep memory past
            // exit; memory errors in the game still fail the run.
            setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            execl(ASTRELLO_BINARY_DIR "/astrello", "astrello", (char*)nullptr);
            _exit(127);
        }
    }
    // Waits up to `limit` for the exit; -1 if it is still running (then killed).
    int exitCode(std::chrono::seconds limit) {
        auto end = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (std::chrono::steady_clock::now() < end) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
            }
            std::this_thread::sleep_for(100ms);
        }
        return -1;
    }
    ~Game() {
        if (pid <= 0) return;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid_t pid = -1;
};

void key(const std::string& window, const std::string& name) {
    run("xdotool windowraise " + window + " windowfocus --sync " + window + " key --delay 80 " +
        name);
    std::this_thread::sleep_for(400ms);
}

// The only won mission in `records` is "Thrust", flown with Thrust 1000.
void expectOneBestOnThrust(const std::vector<SavedRecord>& records) {
    ASSERT_EQ(records.size(), 21u);
    int won = 0;
    for (const SavedRecord& r : records) {
        if (r.best == 0.0f) continue;
        ++won;
        EXPECT_EQ(r.name, "Thrust");
        EXPECT_EQ(r.program, "1 T 1000\n");
        EXPECT_GT(r.best, 1000.0f);
        EXPECT_LT(r.best, 1010.0f);
    }
    EXPECT_EQ(won, 1);
}

// The game in a scratch folder, driven along the road to the completion
// screen of "Thrust".
class MissionRoad : public testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display";
        game = std::make_unique<Game>("game.log");
        ASSERT_GT(game->pid, 0);
        window = run("timeout 20 xdotool search --sync --onlyvisible --pid " +
                     std::to_string(game->pid));
        window = window.substr(0, window.find('\n'));
        ASSERT_FALSE(window.empty()) << "no game window";
        std::this_thread::sleep_for(1500ms);
    }

    void flyThrustToCompletion() {
        key(window, "space");             // intro -> main menu
        key(window, "Return");            // "Cadet Missions"
        key(window, "Down");              // past "<- Back -<<" to "Thrust"
        key(window, "Return");            // the briefing of "Thrust"
        key(window, "Return");            // "Accept"
        key(window, "t");                 // Thrust, inserted at the next update...
        key(window, "1 0 0 0");           // ...so that the digits find it: 1000
        key(window, "Return");            // run
        std::this_thread::sleep_for(5s);  // the flight takes under two seconds of real time
    }

    // The completion screen shows its big medal in the middle of the window.
    // A grab can catch a frame half drawn, so a few are allowed.
    void expectMedalShown() {
        double brightness = 0.0;
        // A loaded machine draws slowly; the flight itself is short.
        for (int attempt = 0; attempt < 40 && brightness <= 0.3; ++attempt) {
            run("xdotool windowraise " + window);
            run("import -window " + window + " completion.png");
            brightness = std::atof(
                run("convert completion.png -crop 200x200+540+210 -format '%[fx:mean]' info:")
                    .c_str());
            if (brightness <= 0.3) std::this_thread::sleep_for(500ms);
        }
        EXPECT_GT(brightness, 0.3) << "no medal in the middle of the window";
    }

    ScratchDirectory scratch;
    std::unique_ptr<Game> game;
    std::string window;
};

}  // namespace

TEST_F(MissionRoad, FromTheIntroToARecordedBestAndOutAgainWithRealInput) {
    flyThrustToCompletion();
    expectMedalShown();
    EXPECT_FALSE(std::filesystem::exists("save.dat")) << "saved before the result was dismissed";
    key(window, "Return");  // dismiss the completion screen
    for (int i = 0; i < 40 && !std::filesystem::exists("save.dat"); ++i)
        std::this_thread::sleep_for(250ms);
    std::vector<SavedRecord> afterWin;
    EXPECT_TRUE(parseScoreFile(readFile("save.dat"), afterWin));
    expectOneBestOnThrust(afterWin);

    key(window, "Escape");  // game screen -> mission menu
    key(window, "Escape");  // mission menu -> main menu
    key(window, "Escape");  // "Quit"
    EXPECT_EQ(game->exitCode(20s), 0);

    std::string log = readFile("game.log");
    EXPECT_NE(log.find("Loading game.\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Quitting program.\nSaving game.\n"), std::string::npos) << log;
    std::vector<SavedRecord> records;
    ASSERT_TRUE(parseScoreFile(readFile("save.dat"), records));
    expectOneBestOnThrust(records);
}

TEST_F(MissionRoad, ClosingTheGameOnTheCompletionScreenKeepsTheWin) {
    flyThrustToCompletion();
    expectMedalShown();
    kill(game->pid, SIGTERM);  // a close request, as from the desktop
    EXPECT_EQ(game->exitCode(20s), 0);
    std::vector<SavedRecord> records;
    ASSERT_TRUE(parseScoreFile(readFile("save.dat"), records));
    expectOneBestOnThrust(records);
}
