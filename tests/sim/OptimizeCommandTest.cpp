#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/Application.h"
#include "render/Random.h"
#include "sim/OptimizeCommand.h"
#include "sim/Optimizer.h"
#include "sim/ProgramText.h"
#include "tests/sim/LineMission.h"

namespace {

class OptimizeCommand : public ::testing::Test {
protected:
    void SetUp() override {
        app.textures.headless = true;
        // The application owns its missions and frees them at exit.
        if (!app.missions.count("Line")) app.missions["Line"] = new LineMission;
        mission = app.missions["Line"];
    }

    // Runs the command; returns its exit status and fills `lines` with the
    // progress printed on standard output followed by what went to `out`.
    int run(const std::vector<std::string>& args) {
        std::ostringstream out;
        testing::internal::CaptureStdout();
        int status = optimizeCommand(args, out, errors);
        std::istringstream all(testing::internal::GetCapturedStdout() + out.str());
        lines.clear();
        for (std::string line; std::getline(all, line);) lines.push_back(line);
        return status;
    }

    Mission* mission = nullptr;
    std::vector<std::string> lines;
    std::ostringstream errors;
};

}  // namespace

TEST_F(OptimizeCommand, PrintsWhatTheGamesOptimizerPrintsAndFindsForTheSameSeed) {
    ASSERT_EQ(run({"Line", "2 T 20 R 3", "77"}), 0);
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[0], "optimizing");
    EXPECT_EQ(lines[1].rfind("iter 0: score = ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[100].rfind("iter 99: score = ", 0), 0u) << lines[100];
    EXPECT_EQ(lines[101] + "\n", programText(app.world.rocket->program));
    std::vector<std::string> first = lines;

    // The game's optimizer, from the same program and seed, finds the same.
    app.world.rocket->program = prog({{Thrust, 20}, {Right, 3}});
    mission->bestScore = 0.0f;
    seedRandom(77);
    testing::internal::CaptureStdout();
    optimizeProgram(app.world);
    std::string game = testing::internal::GetCapturedStdout();
    std::string command;
    for (size_t i = 0; i + 1 < first.size(); ++i) command += first[i] + "\n";
    EXPECT_EQ(game, command);
    EXPECT_EQ(programText(app.world.rocket->program), first.back() + "\n");

    // The same seed gives the same, another seed another; a best score may be given.
    ASSERT_EQ(run({"Line", "2 T 20 R 3", "77", "12.5"}), 0);
    EXPECT_EQ(mission->bestScore, 12.5f);
    ASSERT_EQ(run({"Line", "2 T 20 R 3", "77"}), 0);
    EXPECT_EQ(lines, first);
    ASSERT_EQ(run({"Line", "2 T 20 R 3", "78"}), 0);
    EXPECT_NE(lines, first);
}

TEST_F(OptimizeCommand, RefusesBadArgumentsWithAnErrorAndNoOutput) {
    const std::vector<std::vector<std::string>> bad = {
        {"Line", "1 T 20"},
        {"Line", "1 T 20", "1", "2", "3"},
        {"Nowhere", "1 T 20", "1"},
        {"Line", "2 T 20", "1"},
        {"Line", "1 T 20", "x1"},
        {"Line", "1 T 20", "-1"},
        {"Line", "1 T 20", "4294967296"},
        {"Line", "1 T 20", "1", "fast"},
        {"Line", "1 T 20", "1", "nan"},
        {"Line", "1 T 20", "1", "-3"},
    };
    for (const auto& args : bad) {
        errors.str("");
        EXPECT_EQ(run(args), 2) << args[0] << " " << args[1] << " " << args.size();
        EXPECT_TRUE(lines.empty());
        EXPECT_FALSE(errors.str().empty());
    }
    EXPECT_EQ(run({"Line", "0", "4294967295"}), 0);
    EXPECT_EQ(lines.back(), "0");
}
