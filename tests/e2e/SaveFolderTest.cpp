// The real game over save folders that fight back: unreadable and damaged
// files, a backup, a second copy of the game on the same folder, a full
// disk, planted links, a closed terminal and a kill. One row per road; each
// checks that nothing the player did is lost and nothing else is written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "missions/ScoreFile.h"
#include "tests/e2e/Road.h"
#include "tests/support/FileBytes.h"

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

std::string scores(const std::vector<std::pair<std::string, Record>>& records) {
    Records all;
    for (const auto& [mission, record] : records) all.put(mission, record);
    return scoreFileBytes(all);
}

std::string thrustWith(int value) { return "1 T " + std::to_string(value) + "\n"; }
Record thrustRecord(int value) { return Record{thrustScore(thrustWith(value)), thrustWith(value)}; }

// Files the game made no matter what: the byte counts of "save.dat" as found.
bool isFifo(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

// Reddish pixels in the band where the completion screen says a save failed.
int saveProblemShown(const Screenshot& shot) {
    return shot.count(0, shot.height - 60, shot.width, 30, [](Screenshot::Rgb p) {
        return p.r > 180 && p.g < 150 && p.b < 150;
    });
}

// From the game screen of "Thrust" with its program typed: runs it (at
// turbo speed if asked: only for a run that lasts seconds, else the turbo
// key would land on the completion screen) and waits for the completion screen.
void flyToCompletion(GameSession& game, bool turbo = false) {
    game.keys("Return", turbo ? 400ms : 0ms);
    if (turbo) game.keys("space", 0ms);
    for (int i = 0; i < 40 && medalShown(game.screenshot()) == "none"; ++i)
        std::this_thread::sleep_for(500ms);
}

void quitBySignal(GameSession& game, int signal) {
    kill(game.pid, signal);
    EXPECT_EQ(game.waitForExit(20s), 0) << game.output() << game.errorOutput();
    EXPECT_NE(game.output().find("Quitting program.\nSaving game.\n"), std::string::npos);
}

void expectSaid(GameSession& game, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        EXPECT_NE(game.output().find(line), std::string::npos) << line << "\n" << game.output();
}

struct Road {
    const char* name;
    std::function<void()> walk;
};


const std::vector<Road>& roads() {
    static const std::vector<Road> all = {
        {"FilesThatCannotBeReadAreNeverReplaced", [] {
             GameSetup setup;
             setup.prepare = [](const std::string& folder) {
                 mkfifo((folder + "/save.dat").c_str(), 0644);
                 fs::create_directory(folder + "/programs.dat");
                 fs::create_symlink("/dev/zero", folder + "/options.dat");
             };
             auto game = startGame(setup);
             openThrustWith(*game, "5");
             game->keys("Escape Escape Escape", 500ms);
             expectQuitsCleanly(*game);
             expectSaid(*game, {"ERROR: options.dat cannot be read: it is not a regular file. Will use defaults.\n",
                                "ERROR: save.dat cannot be read: it is not a regular file. It is not replaced.\n",
                                "ERROR: programs.dat cannot be read: it is a folder. It is not replaced.\n",
                                "ERROR: Could not save: save.dat cannot be read: it is not a regular file; it is not replaced\n"});
             EXPECT_TRUE(isFifo(game->folder + "/save.dat"));
             EXPECT_TRUE(fs::is_directory(game->folder + "/programs.dat"));
             EXPECT_TRUE(fs::is_symlink(game->folder + "/options.dat"));
         }},
        {"ADamagedFileLoadsTheBackupAndAHangUpSavesBoth", [] {
             // Its count says 1 of its 2 records; the backup holds 3.
             const std::string damaged = "\x01" + scores({{"Thrust", thrustRecord(59)}, {"Turn", {9.0f, "0"}}}).substr(1);
             const std::string backup = scores({{"Thrust", thrustRecord(59)}, {"Turn", {9.0f, "0"}}, {"Turn II", {7.0f, "0"}}});
             GameSetup setup;
             setup.files = {{"save.dat", damaged}, {"save.dat.bak", backup},
                            {"options.dat", "16384 16384 0\n"},
                            {"programs.dat", "Thrust\t1 T -1000\nTurn\t2 W 100\tT 1000\n"}};
             auto game = startGame(setup);
             expectWindowSize(*game, 1280, 720);
             std::this_thread::sleep_for(1s);
             quitBySignal(*game, SIGHUP);
             expectSaid(*game, {"ERROR: Unusable window size 16384x16384. Using 1280x720.\n",
                                "bytes follow the last record.\n",
                                "ERROR: The damaged save.dat is kept as save.dat.damaged.\n",
                                "ERROR: The scores of save.dat.bak are loaded.\n",
                                "ERROR: programs.dat:1: value '-1000' is not a number from 0 to 1000; line skipped\n"});
             EXPECT_EQ(game->readFile("save.dat"), backup);
             EXPECT_EQ(game->readFile("save.dat.bak"), backup);
             EXPECT_EQ(game->readFile("save.dat.damaged"), damaged);
         }},
        {"TwoCopiesOnOneFolderKeepTheBetterWin", [] {
             const fs::path shared = fs::absolute("shared-" + std::to_string(getpid()));
             fs::create_directories(shared);
             GameSetup setup;
             setup.arguments = {"--save-dir", shared.string()};
             auto first = startGame(setup);
             auto second = startGame(setup);
             openThrustWith(*first, "59");
             std::this_thread::sleep_for(1500ms);  // in "programs.dat" by now
             openThrustWith(*second, "1000");       // brings back the first's program
             flyToCompletion(*first, true);
             first->keys("Return", 700ms);  // gold, saved
             flyToCompletion(*second);
             second->keys("Return", 700ms);  // bronze: the gold on disk stays
             const std::string gold = scores({{"Thrust", thrustRecord(59)}});
             EXPECT_EQ(readFile(shared / "save.dat"), gold);
             expectQuitsCleanly(*first);
             expectQuitsCleanly(*second);
             EXPECT_EQ(readFile(shared / "save.dat"), gold);
             // The second copy's edit, made on the first's program, wherever the editor put it.
             const std::string kept = readFile(shared / "programs.dat");
             EXPECT_TRUE(kept == "Thrust\t2 T 1000 T 59\n" || kept == "Thrust\t2 T 59 T 1000\n")
                 << "not the newer edit: " << kept;
             fs::remove_all(shared);
         }},
        {"AFullDiskIsSaidAndTheWinSavedOnceThereIsRoom", [] {
             std::vector<std::pair<std::string, Record>> old;
             const std::string longest = "1000" + [] { std::string s; for (int i = 0; i < 1000; ++i) s += " W 1000"; return s; }();
             for (int i = 0; i < 20; ++i) old.push_back({"Lost Mission " + std::to_string(i), {500.0f, longest}});
             GameSetup setup;
             setup.files = {{"save.dat", scores(old)}};
             setup.fileSizeLimit = 64 * 1024;  // more than the log, less than the scores
             auto game = startGame(setup);
             openThrustWith(*game, "1000");
             flyToCompletion(*game);
             EXPECT_EQ(saveProblemShown(game->screenshot()), 0);
             game->keys("Return", 1s);
             EXPECT_TRUE(game->waitForOutput("ERROR: Could not save: save.dat: File too large\n"));
             EXPECT_GT(saveProblemShown(game->screenshot()), 100) << "not said on the screen";
             EXPECT_EQ(game->readFile("save.dat"), scores(old)) << "the file on disk changed";
             const struct rlimit room = {RLIM_INFINITY, RLIM_INFINITY};
             prlimit(game->pid, RLIMIT_FSIZE, &room, nullptr);
             game->keys("Return", 1s);  // tries again
             old.push_back({"Thrust", thrustRecord(1000)});
             EXPECT_EQ(game->readFile("save.dat"), scores(old));
             game->keys("Escape", 500ms);
             expectQuitsCleanly(*game);
         }},
        {"PlantedLinksAreNeverWrittenThrough", [] {
             GameSetup setup;
             setup.files = {{"save.dat", scores({{"Turn", {9.0f, "0"}}})}, {"victim", "victim\n"}};
             setup.prepare = [](const std::string& folder) {
                 for (const char* name : {"options.dat", "save.dat.tmp", "save.dat.bak.tmp",
                                          "programs.dat.tmp", "save.dat.lock", "programs.dat.lock"})
                     fs::create_symlink(folder + "/victim", folder + "/" + name);
             };
             auto game = startGame(setup);
             openThrustWith(*game, "1000");
             game->keys("p", 500ms);  // hides the preview: options.dat is written
             flyToCompletion(*game);
             game->keys("Return Escape", 700ms);
             expectQuitsCleanly(*game);
             EXPECT_EQ(game->readFile("victim"), "victim\n");
             EXPECT_EQ(game->readFile("options.dat"), "1280 720 0 0\n");
             EXPECT_EQ(game->readFile("programs.dat"), "Thrust\t1 T 1000\n");
             EXPECT_EQ(game->readFile("save.dat.bak"), scores({{"Turn", {9.0f, "0"}}}));
         }},
        {"AKillLosesAtMostASecondOfTyping", [] {
             auto game = startGame();
             openThrustWith(*game, "59");
             std::this_thread::sleep_for(1500ms);
             kill(game->pid, SIGKILL);
             game->waitForExit();
             EXPECT_EQ(game->readFile("programs.dat"), "Thrust\t1 T 59\n");
         }},
    };
    return all;
}

void PrintTo(const Road& road, std::ostream* out) { *out << road.name; }

class SaveFolder : public testing::TestWithParam<Road> {};

}  // namespace

TEST_P(SaveFolder, NothingThePlayerDidIsLostAndNothingElseIsWritten) { GetParam().walk(); }

INSTANTIATE_TEST_SUITE_P(Roads, SaveFolder, testing::ValuesIn(roads()),
                         [](const testing::TestParamInfo<Road>& info) { return info.param.name; });
