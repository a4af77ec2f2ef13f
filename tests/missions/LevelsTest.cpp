#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/Application.h"
#include "missions/Level.h"
#include "missions/Levels.h"

namespace {
// The application's registry, which frees the missions at exit.
LevelRegistry& registry() {
    if (app.levels.empty()) registerLevels(app.levels);
    return app.levels;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}
}  // namespace

TEST(Levels, RegistryHoldsTheTwentyOneMissionsInNameOrder) {
    const char* const names[] = {"Binary Center",
                                 "Binary Orbit",
                                 "Bigger Launch",
                                 "Change of Orbit",
                                 "Escape Velocity",
                                 "First Launch",
                                 "First Orbit",
                                 "Geostationary",
                                 "Geostationary II",
                                 "Lunar Landing",
                                 "Lunar Orbit",
                                 "Moving Start",
                                 "Opposite Side",
                                 "Orbital Insertion",
                                 "Spin Cycle",
                                 "Spinning Start",
                                 "The Sky is the Limit",
                                 "Thrust",
                                 "Turn",
                                 "Turn II",
                                 "Turn III"};
    std::set<std::string> expected(std::begin(names), std::end(names));
    ASSERT_EQ(registry().size(), 21u);
    auto it = registry().begin();
    for (const std::string& name : expected) {
        EXPECT_EQ(it->first, name);
        EXPECT_EQ(it->second->name, name);
        ++it;
    }
}

TEST(Levels, RegisteringAgainKeepsTheFirstMissions) {
    Level* thrust = registry().at("Thrust");
    registerLevels(registry());
    EXPECT_EQ(registry().size(), 21u);
    EXPECT_EQ(registry().at("Thrust"), thrust);
}

TEST(Levels, EveryMissionStartsUnwonWithGoldBelowSilver) {
    for (const auto& entry : registry()) {
        const Level& level = *entry.second;
        EXPECT_EQ(level.bestScore, 0.0f) << entry.first;
        EXPECT_TRUE(level.savedProgram.empty()) << entry.first;
        EXPECT_FALSE(level.won || level.failed) << entry.first;
        EXPECT_LT(level.goldLimit, level.silverLimit) << entry.first;
    }
    EXPECT_EQ(registry().at("Thrust")->goldLimit, 118.34f);
    EXPECT_EQ(registry().at("Spin Cycle")->silverLimit, 2150.0f);
    EXPECT_EQ(registry().at("Lunar Orbit")->goldLimit, 822.3f);
}

TEST(Levels, RankGroupsCoverEveryMissionOnceInMenuOrder) {
    const std::vector<RankGroup>& groups = rankGroups();
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_STREQ(groups[0].title, "Cadet Missions");
    EXPECT_STREQ(groups[1].title, "Ensign Missions");
    EXPECT_STREQ(groups[2].title, "Lieutenant Missions");
    EXPECT_STREQ(groups[3].title, "Commander Missions");
    EXPECT_EQ(groups[0].missions.size(), 7u);
    EXPECT_EQ(groups[1].missions[1], "Turn III");
    EXPECT_EQ(groups[2].missions[0], "Change of Orbit");
    EXPECT_EQ(groups[3].missions[2], "Binary Orbit");
    std::set<std::string> seen;
    for (const RankGroup& group : groups) {
        for (const std::string& name : group.missions) {
            EXPECT_TRUE(registry().count(name)) << name;
            EXPECT_TRUE(seen.insert(name).second) << name << " listed twice";
        }
    }
    EXPECT_EQ(seen.size(), 21u);
}

TEST(Levels, BriefingsEndWithTheSignOffAndObjectiveLines) {
    for (const auto& entry : registry()) {
        const std::string& text = entry.second->briefing;
        const size_t signOff = text.find("Good luck Quorrin!\n\nOBJECTIVES:\n");
        ASSERT_NE(signOff, std::string::npos) << entry.first;
        ASSERT_EQ(text.back(), '\n') << entry.first;
        const std::vector<std::string> objectives =
            lines(text.substr(signOff + std::string("Good luck Quorrin!\n\nOBJECTIVES:\n").size()));
        ASSERT_GE(objectives.size(), 2u) << entry.first;
        for (const std::string& line : objectives) EXPECT_EQ(line.rfind("* ", 0), 0u) << line;
        EXPECT_EQ(objectives.back(), "* Get a low score") << entry.first;
        EXPECT_GT(signOff, 100u) << entry.first << ": the prose is missing";
    }
}

TEST(Levels, BriefingLinesFitTheBriefingScreen) {
    for (const auto& entry : registry()) {
        const std::vector<std::string> all = lines(entry.second->briefing);
        const size_t limit = entry.first == "Turn III" ? 20u : 14u;  // it lists the shortcuts
        EXPECT_LE(all.size(), limit) << entry.first;
        for (const std::string& line : all) EXPECT_LE(line.size(), 85u) << line;
    }
}

TEST(Levels, ObjectivesAreWordedAsTheMissionsPromise) {
    EXPECT_NE(
        registry().at("Lunar Landing")->briefing.find("* Land on the moon\n* Land on the planet\n"),
        std::string::npos);
    EXPECT_NE(
        registry()
            .at("The Sky is the Limit")
            ->briefing.find("* Launch from the planet\n* Stay below radar for 10,000 seconds\n"
                            "* Do not land\n"),
        std::string::npos);
    EXPECT_NE(registry().at("Turn III")->briefing.find("* Get into all 4 red circles\n"),
              std::string::npos);
    EXPECT_NE(registry().at("Opposite Side")->briefing.find("* Land inside the red semi-circle\n"),
              std::string::npos);
}

TEST(Levels, TurnThreeListsEveryKeyboardShortcut) {
    const std::string& text = registry().at("Turn III")->briefing;
    const char* const shortcuts[] = {"- ENTER = run\n",
                                     "- SPACE = turbo\n",
                                     "- T = thrust\n",
                                     "- L/R = turn left/right\n",
                                     "- W/S = wait/sleep\n",
                                     "- BACKSPACE = delete last digit of value\n",
                                     "- NUMBERS = add digit to end of value\n",
                                     "- LEFT/RIGHT = decrease/increase value\n",
                                     "- UP/DOWN = select previous/next insturction\n",
                                     "- PGUP/PGDN = move insturction up/down\n",
                                     "- DELETE = delete insturction\n"};
    size_t from = 0;
    for (const char* line : shortcuts) {
        const size_t at = text.find(line, from);
        EXPECT_NE(at, std::string::npos) << line;
        if (at != std::string::npos) from = at;
    }
}
