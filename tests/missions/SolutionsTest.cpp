// Replays every stored solution and compares its whole result line with the
// recorded one, so that any change to the physics, a mission or the scoring
// that moves a single bit of a flight is noticed.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "app/Application.h"
#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "missions/RunCommands.h"

namespace {
std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

const std::string dataDir = std::string(ASTRELLO_SOURCE_DIR) + "/tests/data/";
}  // namespace

TEST(Solutions, EveryMissionHasOneStoredProgramWithEditorValues) {
    app.textures.headless = true;
    if (app.missions.empty()) registerMissions(app.missions);
    std::set<std::string> covered;
    for (const std::string& line : readLines(dataDir + "solutions.tsv")) {
        const size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string program = line.substr(tab + 1);
        std::string why;
        EXPECT_TRUE(isProgramText(program, why)) << line << ": " << why;
        // Values 0 to 1000, as the editor allows.
        std::istringstream tokens(program);
        std::string token;
        tokens >> token;
        while (tokens >> token >> token) {
            EXPECT_GE(std::stol(token), 0) << line;
            EXPECT_LE(std::stol(token), 1000) << line;
        }
        EXPECT_TRUE(app.missions.count(line.substr(0, tab))) << line;
        EXPECT_TRUE(covered.insert(line.substr(0, tab)).second) << "stored twice: " << line;
    }
    for (const auto& entry : app.missions) EXPECT_TRUE(covered.count(entry.first)) << entry.first;
}

TEST(Solutions, EverySolutionWinsWithItsRecordedResult) {
    app.textures.headless = true;
    if (app.missions.empty()) registerMissions(app.missions);
    const std::vector<std::string> programs = readLines(dataDir + "solutions.tsv");
    const std::vector<std::string> expected = readLines(dataDir + "solutions_expected.txt");
    ASSERT_EQ(programs.size(), expected.size());
    for (size_t i = 0; i < programs.size(); ++i) {
        const size_t tab = programs[i].find('\t');
        Mission& mission = *app.missions.at(programs[i].substr(0, tab));
        const FlightResult result =
            flyMission(app.world, mission, programs[i].substr(tab + 1), defaultMaxSteps);
        EXPECT_STREQ(result.result, "won") << programs[i];
        EXPECT_EQ(formatResult(result), expected[i]) << "actual result of " << programs[i];
    }
}
