// Replays every stored solution and compares its whole result line with the
// recorded one, so that any change to the physics, a mission or the scoring
// that moves a single bit of a flight is noticed.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include "missions/DataMission.h"
#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/MissionFile.h"
#include "missions/Missions.h"
#include "sim/ProgramText.h"
#include "sim/World.h"

namespace {
std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

const std::string dataDir = std::string(ASTRELLO_SOURCE_DIR) + "/tests/data/";

struct Missions {
    Missions() { loadCampaign(std::string(ASTRELLO_SOURCE_DIR) + "/campaign", registry, std::cout); }
    ~Missions() {
        for (auto& entry : registry) delete entry.second;
    }
    // A title, or a mission file (".toml") found from the data folder.
    Mission* find(const std::string& name) {
        if (name.size() < 5 || name.compare(name.size() - 5, 5, ".toml") != 0)
            return registry.count(name) ? registry[name] : nullptr;
        MissionSpec spec;
        if (!readMissionFile(dataDir + name, spec, std::cout)) return nullptr;
        files.emplace_back(new DataMission(spec));
        return files.back().get();
    }
    MissionRegistry registry;
    std::vector<std::unique_ptr<Mission>> files;
};
}  // namespace

TEST(Solutions, EveryMissionHasOneStoredProgramWithEditorValuesThatWinsWithItsRecordedResult) {
    Missions missions;
    World world;
    const std::vector<std::string> programs = readLines(dataDir + "solutions.tsv");
    const std::vector<std::string> expected = readLines(dataDir + "solutions_expected.txt");
    ASSERT_EQ(programs.size(), expected.size());
    std::set<std::string> covered;
    for (size_t i = 0; i < programs.size(); ++i) {
        const std::string& line = programs[i];
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
        Mission* mission = missions.find(line.substr(0, tab));
        ASSERT_TRUE(mission) << line;
        EXPECT_TRUE(covered.insert(mission->name).second) << "stored twice: " << line;
        const FlightResult result = flyMission(world, *mission, program, 2000000);
        EXPECT_STREQ(result.result, "won") << line;
        EXPECT_EQ(formatResult(result), expected[i]) << "actual result of " << line;
    }
    for (const auto& entry : missions.registry) EXPECT_TRUE(covered.count(entry.first)) << entry.first;
}
