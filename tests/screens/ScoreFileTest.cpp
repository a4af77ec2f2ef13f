#include <gtest/gtest.h>
#include <sys/resource.h>

#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "screens/ScoreFile.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Little-endian pieces for building files by hand.
std::string int32(int32_t value) {
    std::string out;
    for (int i = 0; i < 4; ++i) out.push_back(char((uint32_t(value) >> (8 * i)) & 0xFF));
    return out;
}
std::string float32(float value) { return int32(int32_t(bitsOf(value))); }
std::string record(const std::string& name, float best, const std::string& program) {
    return int32(int32_t(name.size())) + name + float32(best) + int32(int32_t(program.size())) +
           program;
}

// What loading printed has exactly one line, and it is an error.
bool oneErrorLine(const std::string& output) {
    return output.rfind("Loading game.\nERROR: ", 0) == 0 &&
           output.find('\n', 21) == output.size() - 1;
}

// Loads `bytes` as "save.dat" into fresh missions; returns what was printed.
std::string loadBytes(const std::string& bytes) {
    registerFreshLevels();
    std::ofstream("save.dat", std::ios::binary) << bytes;
    testing::internal::CaptureStdout();
    loadScores();
    return testing::internal::GetCapturedStdout();
}

std::string quietSave() {
    testing::internal::CaptureStdout();
    saveScores();
    return testing::internal::GetCapturedStdout();
}

class ScoreFile : public testing::Test {
protected:
    void SetUp() override {
        registerFreshLevels();
        std::filesystem::remove("save.dat");
        std::filesystem::remove("save.dat.tmp");
    }
};

// A few scores that a printed-and-parsed copy would not give back exactly.
void giveAwkwardScores() {
    mission("Thrust").bestScore = 116.5f;
    mission("Thrust").savedProgram = "3 T 100 L 50 W 1000\n";
    mission("Turn").bestScore = std::nextafter(137.31f, 200.0f);
    mission("Turn").savedProgram = "1 T 7\n";
    std::string longProgram = "60";  // longer than 255 bytes
    for (int i = 0; i < 60; ++i) longProgram += " T 1000";
    mission("Lunar Orbit").bestScore = 60000.5f;
    mission("Lunar Orbit").savedProgram = longProgram + "\n";
}

}  // namespace

TEST_F(ScoreFile, SavesOneLittleEndianRecordPerMissionInNameOrderAndLoadsItBackBitForBit) {
    giveAwkwardScores();
    EXPECT_EQ(quietSave(), "Saving game.\n");
    std::string bytes = readFile("save.dat");
    std::string expected = int32(int32_t(app.levels.size()));
    for (auto& entry : app.levels)
        expected += record(entry.first, entry.second->bestScore, entry.second->savedProgram);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.substr(0, 21), std::string("\x15\0\0\0\x0d\0\0\0Bigger Launch", 21));
    // Read back into fresh missions, and saved again: the same bytes.
    EXPECT_EQ(loadBytes(bytes), "Loading game.\n");
    EXPECT_EQ(bitsOf(mission("Turn").bestScore), bitsOf(std::nextafter(137.31f, 200.0f)));
    EXPECT_EQ(quietSave(), "Saving game.\n");
    EXPECT_EQ(readFile("save.dat"), bytes);
}

TEST_F(ScoreFile, DamagedCountsAndLengthsStopAtTheFirstBadRecord) {
    std::string good = record("Thrust", 12.5f, "1 T 3\n");
    std::string later = record("Turn", 9.0f, "1 T 9\n");
    std::string name256(256, 'x');
    struct Case {
        const char* what;
        std::string bytes;
        bool firstKept;
    } cases[] = {
        {"negative count", int32(-1) + good, false},
        {"huge count", int32(INT_MAX) + good + later, true},
        {"negative name length", int32(2) + good + int32(-5) + later, true},
        {"name over 255 bytes", int32(2) + good + record(name256, 1.0f, ""), true},
        {"huge name length", int32(2) + good + int32(INT_MAX) + later, true},
        {"negative program length", int32(2) + good + int32(4) + "Turn" + float32(9.0f) + int32(-1),
         true},
        {"program over the cap",
         int32(2) + good + record("Turn", 9.0f, std::string(maxProgramLength + 1, 'T')), true},
        {"huge program length",
         int32(2) + good + int32(4) + "Turn" + float32(9.0f) + int32(INT_MAX) + "1 T 9\n", true},
        {"not-a-number best", int32(2) + good + record("Turn", std::nanf(""), "1 T 9\n"), true},
        {"negative best", int32(2) + good + record("Turn", -4.0f, "1 T 9\n"), true},
    };
    for (const Case& c : cases) {
        const std::string output = loadBytes(c.bytes);
        EXPECT_TRUE(oneErrorLine(output)) << c.what << "\n" << output;
        EXPECT_EQ(mission("Thrust").bestScore, c.firstKept ? 12.5f : 0.0f) << c.what;
        EXPECT_EQ(mission("Turn").bestScore, c.what == std::string("huge count") ? 9.0f : 0.0f)
            << c.what;
    }
}

TEST_F(ScoreFile, FailedWriteKeepsTheOldFileWholeAndRemovesTheTempFile) {
    giveAwkwardScores();
    quietSave();
    std::string old = readFile("save.dat");
    mission("Thrust").bestScore = 99.0f;

    // A disk that fills up after 200 bytes: room for the captured messages,
    // not for the scores.
    ASSERT_GT(old.size(), 200u);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 200;
    testing::internal::CaptureStdout();
    setrlimit(RLIMIT_FSIZE, &tight);
    saveScores();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(
        output,
        "Saving game.\nERROR: Failed to write file for saving game. The old scores are kept.\n");
    EXPECT_EQ(readFile("save.dat"), old);
    EXPECT_FALSE(std::filesystem::exists("save.dat.tmp"));
}
