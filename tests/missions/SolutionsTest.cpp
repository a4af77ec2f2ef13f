// Replays the stored solution of every mission and compares its whole result
// line with the recorded one, so that any change to the physics, a mission or
// the scoring that moves a single bit of a flight is noticed.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/SimSupport.h"
#include "missions/Flight.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "sim/ProgramText.h"


TEST(Solutions, EveryMissionsStoredProgramWinsWithItsRecordedResult) {
    const std::vector<std::string> programs = dataLines("solutions.tsv");
    const std::vector<std::string> expected = dataLines("solutions_expected.txt");
    ASSERT_EQ(programs.size(), expected.size());
    std::set<std::string> covered;
    World world;
    for (size_t i = 0; i < programs.size(); ++i) {
        const size_t tab = programs[i].find('\t');
        const std::string name = programs[i].substr(0, tab), program = programs[i].substr(tab + 1);
        Mission* mission = solutionMission(name);
        ASSERT_TRUE(mission) << programs[i];
        if (testMissions().count(name)) covered.insert(name);
        std::string why;
        EXPECT_TRUE(isProgramText(program, why)) << programs[i] << ": " << why;
        const FlightResult result = flyMission(testWorld(), *mission, program, 3000000);
        EXPECT_STREQ(result.result, "won") << programs[i];
        EXPECT_EQ(formatResult(result), expected[i]) << "actual result of " << programs[i];
    }
    EXPECT_EQ(covered.size(), testMissions().size());
}
