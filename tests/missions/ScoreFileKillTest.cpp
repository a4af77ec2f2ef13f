// "save.dat" survives the game being killed at any moment of a save: after
// every kill it reads whole and holds either the old or the new scores.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <thread>

#include "tests/support/SimSupport.h"
#include "missions/Mission.h"
#include "missions/ScoreFile.h"
#include "tests/support/SimSupport.h"

namespace {

// The score file as the game keeps it: one per run of the game.
ScoreFile& scores() {
    static ScoreFile file;
    return file;
}
void saveScores() { scores().save(testMissions(), std::cout); }

// Every mission completed with a score and a long program, so that one save
// takes long enough for kills to land inside it.
void setScores(float base, char letter) {
    float score = base;
    for (auto& entry : testMissions()) {
        Mission& mission = *entry.second;
        mission.bestScore = score;
        mission.savedProgram = "100";
        for (int i = 0; i < 100; ++i) mission.savedProgram += std::string(" ") + letter + " 1000";
        mission.savedProgram += '\n';
        score += 1.25f;
    }
}

std::string fileBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Saves in a loop, switching between the two score sets, until killed.
[[noreturn]] void saveForever() {
    if (!std::freopen("/dev/null", "w", stdout)) _exit(2);
    for (int i = 0;; ++i) {
        setScores(i % 2 ? 100.0f : 500.0f, i % 2 ? 'T' : 'L');
        saveScores();
    }
}

}  // namespace

TEST(ScoreFileKill, AKilledSaveLeavesTheOldOrTheNewScoresNeverAMixture) {
    ScratchDirectory scratch;
    registerFreshMissions();
    setScores(100.0f, 'T');
    const std::string oldScores = scoreFileBytes(testMissions());
    setScores(500.0f, 'L');
    const std::string newScores = scoreFileBytes(testMissions());
    setScores(100.0f, 'T');
    saveScores();
    ASSERT_EQ(fileBytes("save.dat"), oldScores);

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delay(0, 15000);  // microseconds
    int oldSeen = 0, newSeen = 0, insideSave = 0;
    for (int kill = 0; kill < 150; ++kill) {
        std::fflush(stdout);
        pid_t saver = fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) saveForever();
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);

        if (std::filesystem::exists("save.dat.tmp")) ++insideSave;
        std::string bytes = fileBytes("save.dat");
        ASSERT_TRUE(bytes == oldScores || bytes == newScores)
            << "kill " << kill << " (seed " << seed << ") left " << bytes.size() << " bytes";
        (bytes == oldScores ? oldSeen : newSeen) += 1;

        registerFreshMissions();
        std::FILE* file = std::fopen("save.dat", "rb");
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(readScoreRecords(file, testMissions()), "") << "seed " << seed;
        std::fclose(file);
        EXPECT_EQ(scoreFileBytes(testMissions()), bytes) << "seed " << seed;
    }
    // Otherwise the kills proved nothing.
    EXPECT_GT(insideSave, 0) << "no kill landed inside a save (seed " << seed << ")";
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
}
