#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/Application.h"
#include "missions/Mission.h"
#include "missions/Missions.h"

namespace {
// The application's registry, which frees the missions at exit.
MissionRegistry& registry() {
    if (app.missions.empty()) registerMissions(app.missions);
    return app.missions;
}
}  // namespace

TEST(Missions, RegisteringAgainKeepsTheFirstMissions) {
    Mission* thrust = registry().at("Thrust");
    registerMissions(registry());
    EXPECT_EQ(registry().size(), 21u);
    EXPECT_EQ(registry().at("Thrust"), thrust);
}

TEST(Missions, EveryMissionStartsUnwonWithGoldBelowSilverAndSitsInOneRankGroup) {
    std::set<std::string> grouped;
    for (const RankGroup& group : rankGroups()) {
        for (const std::string& name : group.missions) {
            EXPECT_TRUE(registry().count(name)) << name;
            EXPECT_TRUE(grouped.insert(name).second) << name << " listed twice";
        }
    }
    for (const auto& entry : registry()) {
        const Mission& mission = *entry.second;
        EXPECT_EQ(entry.first, mission.name);
        EXPECT_EQ(mission.bestScore, 0.0f) << entry.first;
        EXPECT_TRUE(mission.savedProgram.empty()) << entry.first;
        EXPECT_FALSE(mission.won || mission.failed) << entry.first;
        EXPECT_LT(mission.goldLimit, mission.silverLimit) << entry.first;
        EXPECT_TRUE(grouped.count(entry.first)) << entry.first << " is in no group";
    }
}

TEST(Missions, BriefingsFitTheScreenAndEndWithTheSignOffAndObjectives) {
    const std::string signOff = "Good luck Quorrin!\n\nOBJECTIVES:\n";
    for (const auto& entry : registry()) {
        const std::string& text = entry.second->briefing;
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        const size_t limit = entry.first == "Turn III" ? 20u : 14u;  // it lists the shortcuts
        EXPECT_LE(lines.size(), limit) << entry.first;
        for (const std::string& line : lines) EXPECT_LE(line.size(), 85u) << line;

        const size_t at = text.find(signOff);
        ASSERT_NE(at, std::string::npos) << entry.first;
        EXPECT_GT(at, 100u) << entry.first << ": the prose is missing";
        ASSERT_EQ(text.back(), '\n') << entry.first;
        size_t objectives = 0;
        for (const std::string& line : lines) {
            if (line == "OBJECTIVES:")
                objectives = 1;
            else if (objectives) {
                EXPECT_EQ(line.rfind("* ", 0), 0u) << line;
                ++objectives;
            }
        }
        EXPECT_GE(objectives, 3u) << entry.first;
        EXPECT_EQ(lines.back(), "* Get a low score") << entry.first;
    }
}
