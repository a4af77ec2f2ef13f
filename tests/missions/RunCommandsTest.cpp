#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/support/SimSupport.h"
#include "missions/Flight.h"
#include "missions/Missions.h"
#include "sim/ProgramText.h"
#include "tools/run/RunCommands.h"

namespace {
class HeadlessRun : public ::testing::Test {
protected:
    void SetUp() override {
    }
    int call(int (*command)(RunContext&, const RunArgs&, std::ostream&, std::ostream&),
             const RunArgs& args) {
        out.str("");
        err.str("");
        return command(run, args, out, err);
    }
    RunContext run;
    std::ostringstream out;
    std::ostringstream err;
};

int countLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}
}  // namespace

TEST_F(HeadlessRun, OnlyWellFormedProgramTextsAreAcceptedAndEveryRejectionSaysWhy) {
    for (const char* text :
         {"3 T 100 L 50 W 1000\n", "0\n", "  2  R -30\nS 2 ", "1 T 2147483647"}) {
        std::string why;
        EXPECT_TRUE(isProgramText(text, why)) << "'" << text << "': " << why;
    }
    for (const char* text :
         {"", "   \n", "x T 1", "-1", "2 T 100", "1 T 100 L 5", "1 X 100", "1 T ten", "1 T 1.5",
          "1 T -", "1 T 2147483648", "1 t 100", "+1 T 100", "99999999999999999999 T 1"}) {
        std::string why;
        EXPECT_FALSE(isProgramText(text, why)) << "'" << text << "'";
        EXPECT_FALSE(why.empty()) << "'" << text << "'";
    }
}

TEST_F(HeadlessRun, RunPrintsOneLineAndRejectBadInputWithExitCodeTwo) {
    EXPECT_EQ(call(runCommand, {"Thrust", "1 T 1000"}), 0);
    EXPECT_EQ(out.str().rfind("mission=Thrust result=won ", 0), 0u);
    EXPECT_EQ(countLines(out.str()), 1);
    EXPECT_EQ(call(runCommand, {"Thrust", "0", "10"}), 0);
    EXPECT_NE(out.str().find("result=timeout"), std::string::npos);
    for (RunArgs bad : {RunArgs{"Thrust", "0", "-1"}, RunArgs{"Thrust", "0", "12x"},
                        RunArgs{"Warp Drive", "0"}, RunArgs{"Thrust"}}) {
        EXPECT_EQ(call(runCommand, bad), 2) << bad[0] << " " << bad.size();
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(countLines(err.str()), 1);
    }
    EXPECT_EQ(call(runCommand, {"Thrust", "2 T 5"}), 2);
    EXPECT_NE(err.str().find("unreadable program"), std::string::npos);

}

TEST_F(HeadlessRun, CheckFailsWhenAnyProgramDoesNotWinAndNamesTheLineOfEachBadEntry) {
    const std::string path = "check_test_programs.tsv";
    auto check = [&](const char* contents) {
        std::ofstream(path) << contents;
        return call(checkCommand, {path});
    };
    EXPECT_EQ(check("Thrust\t1 T 1000\n\n# comment\nTurn\t0\n"), 1);
    EXPECT_EQ(countLines(out.str()), 2);
    EXPECT_EQ(check("Thrust\t1 T 1000\nNo Such Mission\t0\nThrust 1 T 1000\n"), 2);
    EXPECT_EQ(countLines(out.str()), 1);
    EXPECT_EQ(countLines(err.str()), 2);
    EXPECT_NE(err.str().find(path + ":2: unknown mission: No Such Mission\n"), std::string::npos);
    EXPECT_NE(err.str().find(path + ":3: no tab"), std::string::npos);
    EXPECT_EQ(check("Thrust\t1 T 1000\n"), 0);
    std::remove(path.c_str());
    EXPECT_EQ(call(checkCommand, {"no/such/file.tsv"}), 2);
}
