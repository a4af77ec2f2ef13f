#include <gtest/gtest.h>
#include <sys/resource.h>

#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>

#include "missions/ScoreFile.h"
#include "sim/ProgramEdits.h"
#include "sim/ProgramText.h"
#include "tests/support/FileBytes.h"
#include "tests/support/SimSupport.h"

namespace {

// The score file as the game keeps it: one per run of the game. Each returns
// what it printed.
ScoreFile& scores() {
    static ScoreFile file;
    return file;
}
Records& records() {
    static Records kept;
    return kept;
}
void forgetRecords() { records() = Records(); }
std::string loadScores() {
    testing::internal::CaptureStdout();
    scores().load(records(), std::cout);
    return testing::internal::GetCapturedStdout();
}
std::string saveScores() {
    testing::internal::CaptureStdout();
    scores().save(records(), std::cout);
    return testing::internal::GetCapturedStdout();
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

int errorLines(const std::string& output) {
    int count = 0;
    for (size_t at = output.find("ERROR: "); at != std::string::npos; at = output.find("ERROR: ", at + 1))
        ++count;
    return count;
}

// Loads `bytes` as "save.dat" into fresh missions, without the damaged copies
// of earlier loads.
std::string loadBytes(const std::string& bytes) {
    forgetRecords();
    for (const char* copy : {"save.dat.damaged", "save.dat.damaged.2"}) std::remove(copy);
    writeFile("save.dat", bytes);
    return loadScores();
}

class SaveFile : public testing::Test {
protected:
    void SetUp() override {
        forgetRecords();
        loadScores();  // forgets any damaged file an earlier test loaded
    }
    ScratchDirectory scratch;
};

// A few scores that a printed-and-parsed copy would not give back exactly.
void giveAwkwardScores() {
    records().put("Thrust", Record{116.5f, "3 T 100 L 50 W 1000\n"});
    records().put("Turn", Record{std::nextafter(137.31f, 200.0f), "1 T 7\n"});
    records().put("Binary Orbit", Record{1.0e-30f, "0\n"});
    std::string longer = "60";  // longer than 255 bytes
    for (int i = 0; i < 60; ++i) longer += " T 1000";
    records().put("Lunar Orbit", Record{60000.5f, longer});
}

}  // namespace

TEST_F(SaveFile, SavesOneLittleEndianRecordPerMissionInNameOrderAndLoadsItBackBitForBit) {
    giveAwkwardScores();
    EXPECT_EQ(saveScores(), "Saving game.\n");
    const std::string bytes = readFile("save.dat");
    std::string expected = int32(int32_t(records().all().size()));
    for (auto& [name, r] : records().all()) expected += record(name, r.bestScore, r.program);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.substr(0, 20), std::string("\4\0\0\0\x0c\0\0\0Binary Orbit", 20));
    EXPECT_EQ(loadBytes(bytes), "Loading game.\n");
    EXPECT_EQ(records().program("Turn"), "1 T 7\n");
    EXPECT_EQ(scoreFileBytes(records()), bytes);  // every best and program, bit for bit
}

TEST_F(SaveFile, ABadRecordIsSkippedWhileTheFramingHoldsAndBrokenFramingStopsTheReading) {
    const std::string good = record("Thrust", 12.5f, "1 T 3\n");
    const std::string later = record("Turn II", 9.0f, "1 T 9\n");
    auto three = [&](const std::string& bad) { return int32(3) + good + bad + later; };
    const std::string turn = int32(4) + "Turn" + float32(9.0f);  // a record without its program
    std::string tooMany = "1001";
    for (int i = 0; i < 1001; ++i) tooMany += " T 1";
    struct Case {
        const char* what;
        std::string bytes;
        bool firstKept, laterKept;
    } cases[] = {
        // clang-format off
        {"negative count", int32(-1) + good, false, false},
        {"huge count", int32(INT_MAX) + good + later, true, true},
        {"negative name length", three(int32(-5)), true, false},
        {"name over 255 bytes", three(record(std::string(256, 'x'), 1.0f, "")), true, false},
        {"huge name length", three(int32(INT_MAX)), true, false},
        {"negative program length", three(turn + int32(-1)), true, false},
        {"program text over the cap", three(record("Turn", 9.0f, std::string(maxProgramLength + 1, 'T'))), true, false},
        {"huge program length", three(turn + int32(INT_MAX)), true, false},
        {"not-a-number best", three(record("Turn", std::nanf(""), "1 T 9\n")), true, true},
        {"negative best", three(record("Turn", -4.0f, "1 T 9\n")), true, true},
        {"more commands than the editor holds", three(record("Turn", 9.0f, tooMany)), true, true},
        // clang-format on
    };
    for (const Case& c : cases) {
        std::string output = loadBytes(c.bytes);
        EXPECT_EQ(errorLines(output), 2) << c.what << "\n" << output;
        EXPECT_NE(output.find("ERROR: The damaged save.dat is kept as save.dat.damaged.\n"), std::string::npos) << c.what;
        EXPECT_EQ(readFile("save.dat.damaged"), c.bytes) << c.what;
        EXPECT_EQ(records().best("Thrust"), c.firstKept ? 12.5f : 0.0f) << c.what;
        EXPECT_EQ(records().best("Turn"), 0.0f) << c.what;
        EXPECT_EQ(records().best("Turn II"), c.laterKept ? 9.0f : 0.0f) << c.what;
    }
}

TEST_F(SaveFile, ABestTheReaderWouldRefuseIsWrittenAsNoBest) {
    Program longest(maxProgramSize, Instruction{Thrust, 1000});
    int selected = maxProgramSize;
    insertInstruction(longest, selected, Left);  // refused: the editor's limit
    std::string longestText = programText(longest);
    longest.push_back(Instruction{Thrust, 1});
    struct Case {
        float score;
        std::string program;
        bool kept;
    } cases[] = {{-4.0f, "1 T 5\n", false},    {std::nanf(""), "1 T 5\n", false},
                 {INFINITY, "1 T 5\n", false},  {7.0f, programText(longest), false},
                 {7.0f, "1 T -5\n", false},     {7.0f, "1 T 1001\n", false},
                 {7.0f, longestText, true},     {0.0f, "", true}};
    for (const Case& c : cases) {
        forgetRecords();
        std::filesystem::remove("save.dat");  // whose best would be merged in
        records().put("Turn", Record{c.score, c.program});
        saveScores();
        EXPECT_EQ(loadBytes(readFile("save.dat")), "Loading game.\n") << c.score;
        EXPECT_EQ(records().best("Turn"), c.kept ? c.score : 0.0f) << c.score;
        EXPECT_EQ(records().program("Turn"), c.kept ? c.program : "") << c.score;
    }
}

TEST_F(SaveFile, ASaveKeepsTheScoresItChangesAndNeverTheDamagedOnesAsTheBackup) {
    auto saveWithBest = [](float best) {
        records().put("Turn", Record{best, "4 T 100 L 50 W 1000 T 7\n"});
        saveScores();
        return readFile("save.dat");
    };
    std::string first = saveWithBest(20.0f);
    EXPECT_FALSE(std::filesystem::exists("save.dat.bak"));
    std::string second = saveWithBest(10.0f);
    EXPECT_EQ(readFile("save.dat.bak"), first);
    saveWithBest(10.0f);  // unchanged: the backup still holds the scores before
    EXPECT_EQ(readFile("save.dat.bak"), first);

    // A damaged file is copied aside; an earlier, different copy is kept.
    std::string damaged = second.substr(0, 30), otherDamage = second.substr(0, 40);
    writeFile("save.dat.damaged", otherDamage);
    writeFile("save.dat", damaged);
    loadScores();
    EXPECT_EQ(readFile("save.dat.damaged"), otherDamage);
    EXPECT_EQ(readFile("save.dat.damaged.2"), damaged);
    std::string repaired = saveWithBest(5.0f);
    EXPECT_EQ(readFile("save.dat.bak"), first) << "the damaged file replaced the backup";
    saveWithBest(4.0f);
    EXPECT_EQ(readFile("save.dat.bak"), repaired);
}

TEST_F(SaveFile, ADamagedFileThatCannotBeCopiedAsideIsNotReplaced) {
    // Every name a copy could take is in the way.
    std::filesystem::create_directory("save.dat.damaged");
    for (int k = 2; k <= 99; ++k) std::filesystem::create_directory("save.dat.damaged." + std::to_string(k));
    const std::string damaged = int32(2) + record("Turn", -1.0f, "");
    writeFile("save.dat", damaged);
    std::string output = loadScores();
    output += saveScores();
    // The damage, no copy at load and at save, and the save that could not be.
    EXPECT_EQ(errorLines(output), 4) << output;
    EXPECT_NE(output.find("ERROR: Could not save: a copy of the damaged save.dat could not be kept\n"),
              std::string::npos) << output;
    EXPECT_EQ(readFile("save.dat"), damaged);
}

