// The headless runner's commands: run and check, with their exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "missions/HeadlessRun.h"
#include "missions/RunCommands.h"
#include "tests/missions/Missions.h"

namespace {
int lines(const std::ostringstream& text) {
    const std::string s = text.str();
    return int(std::count(s.begin(), s.end(), '\n'));
}
}  // namespace

TEST(RunCommands, RunAndCheckReportEveryProgramAndRejectBadInputWithExitCodeTwo) {
    missions();
    std::ostringstream out, err;
    EXPECT_EQ(runCommand({"Thrust", "1 T 1000"}, out, err), 0);
    EXPECT_EQ(out.str().rfind("mission=Thrust result=won ", 0), 0u);
    for (RunArgs bad :
         {RunArgs{"Thrust", "0", "-1"}, RunArgs{"Thrust", "0", "12x"}, RunArgs{"Warp Drive", "0"},
          RunArgs{"Thrust"}, RunArgs{"Thrust", "2 T 5"}}) {
        std::ostringstream badOut, badErr;
        EXPECT_EQ(runCommand(bad, badOut, badErr), 2) << bad[0] << " " << bad.size();
        EXPECT_EQ(badOut.str(), "");
        EXPECT_EQ(lines(badErr), 1);
    }
    // check: 1 when a program does not win, 2 for lines that cannot be flown.
    const std::string path = "check_test_programs.tsv";
    const struct {
        const char* contents;
        int code, results, errors;
    } files[] = {
        {"Thrust\t1 T 1000\n\n# comment\n", 0, 1, 0},
        {"Thrust\t1 T 1000\nTurn\t0\n", 1, 2, 0},
        {"Thrust\t1 T 1000\nNo Such Mission\t0\nThrust 1 T 1000\nThrust\t2 T 1\n", 2, 1, 3},
    };
    for (const auto& f : files) {
        std::ofstream(path) << f.contents;
        std::ostringstream checkOut, checkErr;
        EXPECT_EQ(checkCommand({path}, checkOut, checkErr), f.code) << f.contents;
        EXPECT_EQ(lines(checkOut), f.results) << f.contents;
        EXPECT_EQ(lines(checkErr), f.errors) << f.contents << checkErr.str();
    }
    std::remove(path.c_str());
}
