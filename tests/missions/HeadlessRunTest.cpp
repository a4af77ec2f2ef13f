#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/Application.h"
#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "missions/RunCommands.h"
#include "sim/Rocket.h"

namespace {
class HeadlessRun : public ::testing::Test {
protected:
    void SetUp() override {
        app.textures.headless = true;
        if (app.missions.empty()) registerMissions(app.missions);
    }
    int call(int (*command)(const RunArgs&, std::ostream&, std::ostream&), const RunArgs& args) {
        out.str("");
        err.str("");
        return command(args, out, err);
    }
    Mission& mission(const char* name) { return *app.missions.at(name); }
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

TEST_F(HeadlessRun, TimeoutsAreScoredAtThatMomentAndFailuresStopOnTheFailingStep) {
    FlightResult r = flyMission(app.world, mission("Thrust"), "2 T 10 R 20", 150);
    EXPECT_STREQ(r.result, "timeout");
    EXPECT_EQ(r.steps, 150);
    EXPECT_EQ(r.time, 150);
    EXPECT_FLOAT_EQ(r.score, 10.0f + 2.0f + 1.5f);
    EXPECT_EQ(r.medal, 0);

    r = flyMission(app.world, mission("Orbital Insertion"), "0", defaultMaxSteps);
    EXPECT_STREQ(r.result, "failed");
    EXPECT_EQ(r.steps, r.time + 1);
    EXPECT_EQ(r.medal, 0);
    EXPECT_FLOAT_EQ(r.score, r.time * 0.01f);
}

TEST_F(HeadlessRun, TheProgramIsLoadedAsTheBriefingWouldAndResetBeforeFlying) {
    app.world.mission = &mission("Turn");
    app.world.clearProgramAndReset();
    app.world.rocket->program.resize(4);  // left over from an earlier edit
    flyMission(app.world, mission("Turn"), "1 L 1000", 3);
    ASSERT_EQ(app.world.rocket->program.size(), 1u);
    EXPECT_EQ(app.world.rocket->program[0].opcode, Left);
    EXPECT_EQ(app.world.rocket->program[0].value, 1000);
}

TEST_F(HeadlessRun, RunTraceAndListPrintTheirLinesAndRejectBadInputWithExitCodeTwo) {
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

    EXPECT_EQ(call(traceCommand, {"First Launch", "1 T 500", "3"}), 0);
    EXPECT_EQ(countLines(out.str()), 3);
    EXPECT_EQ(out.str().rfind("1 278.10000000000002 200 0.5 0 0 0\n2 ", 0), 0u);
    EXPECT_EQ(call(traceCommand, {"First Launch", "0"}), 2);

    EXPECT_EQ(call(listCommand, {}), 0);
    EXPECT_EQ(countLines(out.str()), 21);
    EXPECT_NE(out.str().find("\nTurn III\t378.85\t500\n"), std::string::npos);
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
