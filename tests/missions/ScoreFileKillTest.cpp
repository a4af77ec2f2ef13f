// "save.dat" survives the game being killed at any moment of a save: after
// every kill it reads whole and holds either the old or the new scores.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <thread>

#include "missions/ScoreFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/SimSupport.h"

namespace {

// Every mission completed with a score and a long program, so that one save
// takes long enough for kills to land inside it. Record k of set `base`
// holds base + k: a whole file holds one set.
Records scoresOf(int base) {
    Records records;
    float best = float(base);
    for (auto& entry : testMissions()) {
        std::string program = "100";
        for (int i = 0; i < 100; ++i) program += std::string(" ") + "TL"[base % 2] + " 1000";
        records.put(entry.first, Record{best, program});
        best += 1.0f;
    }
    return records;
}

// The set a whole file holds, or -1 for a file that is damaged or mixed.
int setOf(const std::string& bytes) {
    Records records;
    if (!readScoreRecords(bytes, records).empty() || records.all().empty()) return -1;
    const int base = int(records.all().begin()->second.bestScore);
    return scoreFileBytes(scoresOf(base)) == bytes ? base : -1;
}

// Saves ever better sets (each save keeps the better bests) until killed;
// says on `ready` when it starts, so that a slow fork does not eat the time
// the kills are spread over.
[[noreturn]] void saveForever(int ready) {
    if (!std::freopen("/dev/null", "w", stdout)) _exit(2);
    if (write(ready, "s", 1) != 1) _exit(2);
    ScoreFile scores;  // as the game keeps it
    for (int base = 1000000;; --base) {
        Records records = scoresOf(base);
        scores.save(records, std::cout);
    }
}

// Whether the kill left a new file unfinished; removes it.
bool insideASave() {
    bool inside = false;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        if (entry.path().filename().string().rfind("save.dat.tmp", 0) != 0) continue;
        inside = true;
        std::filesystem::remove(entry.path());
    }
    return inside;
}

}  // namespace

TEST(ScoreFileKill, AKilledSaveLeavesAWholeFileOfOneSaveNeverAMixture) {
    ScratchDirectory scratch;
    registerFreshMissions();
    const int first = 2000000;
    writeFile("save.dat", scoreFileBytes(scoresOf(first)));

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // Kills up to three saves' time after the start, however loaded the machine is.
    const auto start = std::chrono::steady_clock::now();
    {
        ScoreFile scores;
        Records records = scoresOf(first - 1);
        testing::internal::CaptureStdout();
        scores.save(records, std::cout);
        testing::internal::GetCapturedStdout();
    }
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    std::uniform_int_distribution<long> delay(0, 3 * took.count() + 1000);  // microseconds
    writeFile("save.dat", scoreFileBytes(scoresOf(first)));
    int unchanged = 0, changed = 0, insideSave = 0;
    for (int kill = 0; kill < 150; ++kill) {
        std::fflush(stdout);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        pid_t saver = fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) saveForever(ready[1]);
        close(ready[1]);
        char started = 0;
        EXPECT_EQ(read(ready[0], &started, 1), 1);
        close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);

        if (insideASave()) ++insideSave;
        const std::string bytes = readFile("save.dat");
        const int set = setOf(bytes);
        ASSERT_GE(set, 0) << "kill " << kill << " (seed " << seed << ") left " << bytes.size() << " bytes";
        (set == first ? unchanged : changed) += 1;
        writeFile("save.dat", scoreFileBytes(scoresOf(first)));
    }
    // Otherwise the kills proved nothing.
    EXPECT_GT(insideSave, 0) << "no kill landed inside a save (seed " << seed << ")";
    EXPECT_GT(unchanged, 0);
    EXPECT_GT(changed, 0);
}
