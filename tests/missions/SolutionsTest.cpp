// Replays the stored solution of every mission and compares its whole result
// line with the recorded one, so that any change to the physics, a mission or
// the scoring that moves a single bit of a flight is noticed.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>

#include "tests/support/SimSupport.h"
#include "missions/DataMission.h"
#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/MissionFile.h"
#include "missions/Missions.h"
#include "sim/ProgramText.h"

namespace {
std::vector<std::string> readLines(const std::string& name) {
    std::vector<std::string> lines;
    std::ifstream file(std::string(ASTRELLO_SOURCE_DIR) + "/tests/data/" + name);
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

// A mission file (a name ending in ".toml") is found from the list's folder.
std::unique_ptr<Mission> missionFile(const std::string& name) {
    if (name.size() < 5 || name.compare(name.size() - 5, 5, ".toml") != 0) return nullptr;
    MissionSpec spec;
    if (!readMissionFile(std::string(ASTRELLO_SOURCE_DIR) + "/tests/data/" + name, spec, std::cout))
        return nullptr;
    return std::make_unique<DataMission>(spec);
}
}  // namespace

TEST(Solutions, EveryMissionsStoredProgramWinsWithItsRecordedResult) {
    const std::vector<std::string> programs = readLines("solutions.tsv");
    const std::vector<std::string> expected = readLines("solutions_expected.txt");
    ASSERT_EQ(programs.size(), expected.size());
    std::set<std::string> covered;
    for (size_t i = 0; i < programs.size(); ++i) {
        const size_t tab = programs[i].find('\t');
        const std::string name = programs[i].substr(0, tab), program = programs[i].substr(tab + 1);
        const std::unique_ptr<Mission> file = missionFile(name);
        ASSERT_TRUE(file || testMissions().count(name)) << programs[i];
        if (!file) covered.insert(name);
        std::string why;
        EXPECT_TRUE(isProgramText(program, why)) << programs[i] << ": " << why;
        Mission& mission = file ? *file : *testMissions()[name];
        const FlightResult result = flyMission(testWorld(), mission, program, 3000000);
        EXPECT_STREQ(result.result, "won") << programs[i];
        EXPECT_EQ(formatResult(result), expected[i]) << "actual result of " << programs[i];
    }
    EXPECT_EQ(covered.size(), testMissions().size());
}
