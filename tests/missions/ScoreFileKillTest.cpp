// "save.dat" survives the game being killed at any moment of a save: after
// every kill it reads whole and holds either the old or the new scores.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <thread>

#include "missions/ScoreFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/SimSupport.h"

namespace {

// Every mission completed with a score and a long program, so that one save
// takes long enough for kills to land inside it.
Records scoresOf(float base, char letter) {
    Records records;
    for (auto& entry : testMissions()) {
        std::string program = "100";
        for (int i = 0; i < 100; ++i) program += std::string(" ") + letter + " 1000";
        records.put(entry.first, Record{base, program});
        base += 1.25f;
    }
    return records;
}

// Saves in a loop, switching between the two score sets, until killed.
[[noreturn]] void saveForever() {
    if (!std::freopen("/dev/null", "w", stdout)) _exit(2);
    ScoreFile scores;  // as the game keeps it
    for (int i = 0;; ++i) {
        scores.save(scoresOf(i % 2 ? 100.0f : 500.0f, i % 2 ? 'T' : 'L'), std::cout);
    }
}

}  // namespace

TEST(ScoreFileKill, AKilledSaveLeavesTheOldOrTheNewScoresNeverAMixture) {
    ScratchDirectory scratch;
    registerFreshMissions();
    const std::string oldScores = scoreFileBytes(scoresOf(100.0f, 'T'));
    const std::string newScores = scoreFileBytes(scoresOf(500.0f, 'L'));
    writeFile("save.dat", oldScores);

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
        std::string bytes = readFile("save.dat");
        ASSERT_TRUE(bytes == oldScores || bytes == newScores)
            << "kill " << kill << " (seed " << seed << ") left " << bytes.size() << " bytes";
        (bytes == oldScores ? oldSeen : newSeen) += 1;
    }
    // Otherwise the kills proved nothing.
    EXPECT_GT(insideSave, 0) << "no kill landed inside a save (seed " << seed << ")";
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
}
