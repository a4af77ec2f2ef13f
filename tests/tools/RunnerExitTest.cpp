// astrello-run as a player or a script meets it: every failure is an exit
// code other than 0 and an "ERROR: " line, never a hang, an abort or a
// silent success; a flight that does not win is a result.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/FileBytes.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int exit;
    std::string out, err;
};

// Runs astrello-run with `arguments` (shell words) in `folder`.
Outcome runner(const fs::path& folder, const std::string& arguments) {
    const std::string command = "cd '" + folder.string() + "' && timeout 20 '" ASTRELLO_RUN "' " +
                                arguments + " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(folder / "out.txt"),
            readFile(folder / "err.txt")};
}

}  // namespace

TEST(Runner, FailuresExitWithAnErrorLineAndResultsExitAsDocumented) {
    const fs::path folder = fs::temp_directory_path() / ("astrello-run-" + std::to_string(getpid()));
    fs::create_directories(folder / "list-folder");
    fs::create_directories(folder / "folder.toml");
    fs::create_symlink("/dev/zero", folder / "zero.toml");
    mkfifo((folder / "fifo.tsv").c_str(), 0644);
    writeFile(folder / "empty.tsv", "# nothing but a comment\n\n");
    writeFile(folder / "lost.tsv", "Thrust\t0\n");  // never leaves the ground
    writeFile(folder / "refused.tsv", "Thrust\t1 T -1000\n");
    const std::string campaign = "--data-dir '" ASTRELLO_SOURCE_DIR "' ";
    struct Case {
        const char* what;
        std::string arguments;
        int exit;
        const char* said;  // on standard error; "" for nothing
    } cases[] = {
        {"a flight that does not win is a result", campaign + "run Thrust '1 T 5' 100", 0, ""},
        {"a checked program that does not win", campaign + "check lost.tsv", 1, ""},
        {"a list that is a folder", campaign + "check list-folder", 2, "ERROR: list-folder cannot be read: it is a folder\n"},
        {"a list that is a FIFO", campaign + "check fifo.tsv", 2, "ERROR: fifo.tsv cannot be read: it is not a regular file\n"},
        {"a list without programs", campaign + "check empty.tsv", 2, "ERROR: empty.tsv: no programs to check\n"},
        {"a listed program the editor cannot make", campaign + "check refused.tsv", 2, "ERROR: refused.tsv:1: unreadable program: value '-1000' is not a number from 0 to 1000\n"},
        {"a data folder that does not exist", "--data-dir no-such-folder list", 2, "ERROR: no campaign folder in no-such-folder\n"},
        {"a step count beyond 32 bits", campaign + "run Thrust '1 T 5' 99999999999", 2, "ERROR: not a step count from 0 to 2147483647: 99999999999\n"},
        {"a negative value", campaign + "run Thrust '1 T -1000'", 2, "ERROR: unreadable program: value '-1000' is not a number from 0 to 1000\n"},
        {"a value over 1000", campaign + "optimize Thrust '1 T 1001' 1", 2, "ERROR: unreadable program: value '1001' is not a number from 0 to 1000\n"},
        {"a mission file that is a folder", campaign + "check-mission folder.toml", 2, "ERROR: folder.toml:1: cannot be read: it is a folder\n"},
        {"a mission file linked to an endless device", campaign + "check-mission zero.toml", 2, "ERROR: zero.toml:1: cannot be read: it is not a regular file\n"},
    };
    for (const Case& c : cases) {
        const Outcome run = runner(folder, c.arguments);
        EXPECT_EQ(run.exit, c.exit) << c.what << "\n" << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << c.what << "\n" << run.err;
        if (c.exit == 2) {
            EXPECT_EQ(run.err.rfind("ERROR: ", 0), 0u) << c.what << "\n" << run.err;
        }
    }
    // A tab separates commands as a space does, on the command line too.
    const Outcome tab = runner(folder, campaign + "run Thrust '2 W 100\t T 1000'");
    const Outcome space = runner(folder, campaign + "run Thrust '2 W 100 T 1000'");
    EXPECT_EQ(tab.exit, 0) << tab.err;
    EXPECT_EQ(tab.out, space.out);
    fs::remove_all(folder);
}
