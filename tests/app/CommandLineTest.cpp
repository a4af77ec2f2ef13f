#include <gtest/gtest.h>

#include <vector>

#include "app/CommandLine.h"

namespace {

TEST(CommandLine, ReadsEachOptionAndRefusesTheRest) {
    struct Case {
        std::vector<const char*> args;
        std::string dataDir, saveDir, error;
        bool paths;
    };
    const Case cases[] = {
        {{}, "", "", "", false},
        {{"--data-dir", "d", "--save-dir=s", "--paths"}, "d", "s", "", true},
        {{"--data-dir=", "x"}, "", "", "--data-dir needs a folder", false},
        {{"--save-dir"}, "", "", "--save-dir needs a folder", false},
        {{"--data-dirt"}, "", "", "unknown option --data-dirt", false},
        {{"--paths", "save.dat"}, "", "", "unexpected argument save.dat", true},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"astrello"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        CommandLine line = parseCommandLine(int(argv.size()), argv.data());
        std::string what = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(line.error, c.error) << what;
        if (!c.error.empty()) {
            testing::internal::CaptureStdout();
            EXPECT_EQ(answerCommandLine(line, GameFolders()), 2) << what;
            EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("ERROR: " + c.error, 0), 0u);
            continue;
        }
        EXPECT_EQ(line.folders.dataDir, c.dataDir) << what;
        EXPECT_EQ(line.folders.saveDir, c.saveDir) << what;
        EXPECT_EQ(line.showPaths, c.paths) << what;
    }
}

}  // namespace
