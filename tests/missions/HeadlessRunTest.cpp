#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/Application.h"
#include "missions/HeadlessRun.h"
#include "missions/Level.h"
#include "missions/Levels.h"
#include "missions/RunCommands.h"
#include "sim/Rocket.h"

namespace {
class HeadlessRun : public ::testing::Test {
protected:
    void SetUp() override {
        app.textures.headless = true;
        if (app.levels.empty()) registerLevels(app.levels);
    }
    int call(int (*command)(const RunArgs&, std::ostream&, std::ostream&), const RunArgs& args) {
        out.str("");
        err.str("");
        return command(args, out, err);
    }
    Level& mission(const char* name) { return *app.levels.at(name); }
    std::ostringstream out;
    std::ostringstream err;
};

int countLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}
}  // namespace

TEST_F(HeadlessRun, WellFormedProgramTextsAreAccepted) {
    std::string why;
    EXPECT_TRUE(isProgramText("3 T 100 L 50 W 1000\n", why));
    EXPECT_TRUE(isProgramText("0\n", why));
    EXPECT_TRUE(isProgramText("  2  R -30\nS 2 ", why));
    EXPECT_TRUE(isProgramText("1 T 2147483647", why));
}

TEST_F(HeadlessRun, DamagedProgramTextsAreRejectedWithAReason) {
    const char* const bad[] = {"",
                               "   \n",
                               "x T 1",
                               "-1",
                               "2 T 100",
                               "1 T 100 L 5",
                               "1 X 100",
                               "1 T ten",
                               "1 T 1.5",
                               "1 T -",
                               "1 T 2147483648",
                               "1 t 100",
                               "+1 T 100",
                               "99999999999999999999 T 1"};
    for (const char* text : bad) {
        std::string why;
        EXPECT_FALSE(isProgramText(text, why)) << "'" << text << "'";
        EXPECT_FALSE(why.empty()) << "'" << text << "'";
    }
}

TEST_F(HeadlessRun, AWinningFlightReportsItsScoreMedalAndFinalState) {
    FlightResult r = flyMission(app.world, mission("Thrust"), "1 T 1000\n", defaultMaxSteps);
    EXPECT_STREQ(r.result, "won");
    EXPECT_EQ(r.time, 351);
    EXPECT_EQ(r.steps, 352);  // the winning step is not counted as time
    EXPECT_FLOAT_EQ(r.score, 1003.51f);
    EXPECT_EQ(r.medal, 1);
    EXPECT_EQ(r.position.x, 351.0);
    EXPECT_EQ(formatResult(r),
              "mission=Thrust result=won time=351 score=1003.51001 thrust=1000 turn=0 "
              "timecost=3.50999999 medal=bronze steps=352 x=351 y=0 vx=1 vy=0 angle=0");
}

TEST_F(HeadlessRun, ARunOutOfStepsIsATimeoutScoredAtThatMoment) {
    FlightResult r = flyMission(app.world, mission("Thrust"), "2 T 10 R 20", 150);
    EXPECT_STREQ(r.result, "timeout");
    EXPECT_EQ(r.steps, 150);
    EXPECT_EQ(r.time, 150);
    EXPECT_FLOAT_EQ(r.score, 10.0f + 2.0f + 1.5f);
    EXPECT_EQ(r.medal, 0);
}

TEST_F(HeadlessRun, AFailedFlightStopsOnTheFailingStepWithoutAMedal) {
    FlightResult r = flyMission(app.world, mission("Orbital Insertion"), "0", defaultMaxSteps);
    EXPECT_STREQ(r.result, "failed");
    EXPECT_EQ(r.steps, r.time + 1);
    EXPECT_EQ(r.medal, 0);
    EXPECT_FLOAT_EQ(r.score, r.time * 0.01f);
}

TEST_F(HeadlessRun, TheProgramIsLoadedAsTheBriefingWouldAndResetBeforeFlying) {
    app.world.level = &mission("Turn");
    app.world.clearProgramAndReset();
    app.world.rocket->program.resize(4);  // left over from an earlier edit
    flyMission(app.world, mission("Turn"), "1 L 1000", 3);
    ASSERT_EQ(app.world.rocket->program.size(), 1u);
    EXPECT_EQ(app.world.rocket->program[0].opcode, Left);
    EXPECT_EQ(app.world.rocket->program[0].value, 1000);
}

TEST_F(HeadlessRun, RunPrintsOneLineAndRejectsBadInputWithExitCodeTwo) {
    EXPECT_EQ(call(runCommand, {"Thrust", "1 T 1000"}), 0);
    EXPECT_EQ(out.str().rfind("mission=Thrust result=won ", 0), 0u);
    EXPECT_EQ(countLines(out.str()), 1);
    EXPECT_EQ(call(runCommand, {"Thrust", "0", "10"}), 0);
    EXPECT_NE(out.str().find("result=timeout"), std::string::npos);
    EXPECT_EQ(call(runCommand, {"Thrust", "0", "-1"}), 2);
    EXPECT_EQ(call(runCommand, {"Thrust", "0", "12x"}), 2);
    EXPECT_EQ(call(runCommand, {"Warp Drive", "0"}), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(countLines(err.str()), 1);
    EXPECT_EQ(call(runCommand, {"Thrust", "2 T 5"}), 2);
    EXPECT_NE(err.str().find("unreadable program"), std::string::npos);
    EXPECT_EQ(call(runCommand, {"Thrust"}), 2);
}

TEST_F(HeadlessRun, TracePrintsTheShipAfterEachStep) {
    EXPECT_EQ(call(traceCommand, {"First Launch", "1 T 500", "3"}), 0);
    std::istringstream lines(out.str());
    std::string first, second, third, extra;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(first, "1 278.10000000000002 200 0.5 0 0 0");
    EXPECT_EQ(second.substr(0, 2), "2 ");
    EXPECT_EQ(third.back(), '0');
    EXPECT_EQ(call(traceCommand, {"First Launch", "0"}), 2);
}

TEST_F(HeadlessRun, ListGivesEveryMissionWithItsLimits) {
    EXPECT_EQ(call(listCommand, {}), 0);
    EXPECT_EQ(countLines(out.str()), 21);
    EXPECT_EQ(out.str().rfind("Bigger Launch\t296.22\t350\n", 0), 0u);
    EXPECT_NE(out.str().find("\nTurn III\t378.85\t500\n"), std::string::npos);
}

TEST_F(HeadlessRun, CheckFailsWhenAnyProgramDoesNotWin) {
    const std::string path = "check_test_programs.tsv";
    {
        std::ofstream file(path);
        file << "Thrust\t1 T 1000\n\n# comment\nTurn\t0\n";
    }
    EXPECT_EQ(call(checkCommand, {path}), 1);
    EXPECT_EQ(countLines(out.str()), 2);
    {
        std::ofstream file(path);
        file << "Thrust\t1 T 1000\nNo Such Mission\t0\nThrust 1 T 1000\n";
    }
    EXPECT_EQ(call(checkCommand, {path}), 2);
    EXPECT_EQ(countLines(out.str()), 1);
    EXPECT_EQ(countLines(err.str()), 2);
    EXPECT_NE(err.str().find(path + ":2: unknown mission: No Such Mission\n"), std::string::npos);
    EXPECT_NE(err.str().find(path + ":3: no tab"), std::string::npos);
    {
        std::ofstream file(path);
        file << "Thrust\t1 T 1000\n";
    }
    EXPECT_EQ(call(checkCommand, {path}), 0);
    std::remove(path.c_str());
    EXPECT_EQ(call(checkCommand, {"no/such/file.tsv"}), 2);
}
