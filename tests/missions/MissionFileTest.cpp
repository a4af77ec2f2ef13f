// The mission file reader: every kind of bad file gets its own
// "ERROR: file:line: ..." line and is refused; players' missions load beside
// the campaign without taking its titles; the objectives no built-in mission
// uses keep their rules. The built-in ones are proved by the solutions replay.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "missions/DataMission.h"
#include "missions/EditedPrograms.h"
#include "missions/MissionFile.h"
#include "missions/Missions.h"
#include "sim/Rocket.h"
#include "sim/World.h"
#include "tests/support/MissionText.h"

namespace {

const std::string& base = missionText;

std::string manyBodies(std::string text = base) {
    for (int i = 0; i < maxMissionBodies; ++i) text += "[[body]]\nradius = 1\nposition = [0, 0]\n";
    return text;
}

}  // namespace

TEST(MissionFile, EachProblemIsOneErrorLineWithItsPlaceAndTheMissionIsRefused) {
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"<mission>Thrust</mission>\n", "t.toml:1: not a TOML file"},
        {replaced("text = \"Go.\"", "text = \"Go.\" \xc3\xa9"),
         "t.toml:5: a character that is not ASCII; the game can show ASCII text only"},
        {replaced("radius = 10", "radus = 10"),
         "t.toml:14: unknown key 'radus' in body[1] (did you mean 'radius'?)"},
        {replaced("gold = 120", "gold = \"120\""), "t.toml:8: medals.gold: must be a number"},
        {replaced("[ship]\nposition = [0, 0]", "[ship]\nposition = [0]"),
         "t.toml:11: ship.position: must be two numbers, [x, y]"},
        {replaced("radius = 10", "radius = -5"),
         "t.toml:14: body[1] radius: -5 is impossible; it must be more than 0"},
        {replaced("silver = 150", "silver = nan"),
         "t.toml:9: medals.silver: must be a finite number, not nan"},
        {manyBodies(), "t.toml:12: more than 16 [[body]] tables"},
        {replaced("format = 1", "format = 2"),
         "t.toml:1: format 2 is newer than this game reads (1); a newer version of the game is "
         "needed"},
        {replaced("[\"goal\"]", "[\"mars\"]"), "t.toml:19: objective[1] bodies: no body is named 'mars'"},
        {replaced("\"visit\"", "\"orbit\""), "t.toml:18: objective[1] kind: 'orbit' is none of"},
        {replaced("1 T 59", "1 T"), "t.toml:3: reference: not a program text"},
        // Escapes make letters the file does not hold; one-line texts stay one line.
        {replaced("text = \"Go.\"", "text = \"Caf\\u00e9\""),
         "t.toml:5: briefing.text: a character that is not ASCII text"},
        {replaced("title = \"Test\"", "title = \"Test\"\ngroup = \"Custom\\nMissions\""),
         "t.toml:3: group: must be one line of text"},
        {replaced("1 T 59", "1 T -59"), "t.toml:3: reference: not a program text: value '-59'"},
        {replaced("solid = false", "texture = \"../../etc/passwd\""),
         "t.toml:16: body[1] texture: '../../etc/passwd' must be a file under the data folder"},
        {replaced("kind = \"visit\"\nbodies = [\"goal\"]\nradius = 50", "kind = \"hold\"\nsteps = 5\npoint = [0, 0]"),
         "t.toml:17: objective[1] inner, outer or sector: a hold needs at least one"},
        {replaced("kind = \"visit\"\nbodies = [\"goal\"]\nradius = 50",
                  "kind = \"hold\"\nsteps = 5\npoint = [0, 0]\nsector = 1"),
         "t.toml:17: objective[1] sector: turns with a body, so it needs body, not point"},
        {replaced("[[objective]]\nkind = \"visit\"\nbodies = [\"goal\"]\nradius = 50", ""),
         "t.toml:1: [[objective]]: missing"},
    };
    for (const auto& c : cases) {
        MissionDef def;
        std::ostringstream log;
        EXPECT_FALSE(readMissionText(c.text, "t.toml", def, log)) << c.error;
        const std::string lines = log.str();
        EXPECT_EQ(lines.rfind(std::string("ERROR: ") + c.error, 0), 0u) << lines;
        EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
    }
    MissionDef def;
    std::ostringstream log;
    EXPECT_TRUE(readMissionText(base, "t.toml", def, log)) << log.str();
    EXPECT_EQ(log.str(), "");
    EXPECT_EQ(def.briefing, "Go.\n\nOBJECTIVES:\n* Get there\n");
}

TEST(MissionFile, ObjectivesAreMetInTurnAndListedCirclesOnlyInTheirOrder) {
    // The ship at each place in turn, one step each: "won", "failed" or "".
    auto outcome = [](const std::string& text, std::vector<Vec2> places) {
        MissionDef def;
        std::ostringstream log;
        EXPECT_TRUE(readMissionText(text, "t.toml", def, log)) << log.str();
        DataMission mission(def);
        World world;
        world.mission = &mission;
        world.reset();
        const std::unique_ptr<Judge> judge = mission.judge();
        for (Vec2 at : places) {
            world.rocket->position = at;
            judge->update(world);
            ++world.time;
        }
        return world.result.won ? "won" : world.result.failed ? "failed" : "";
    };
    const std::string two =
        base + "[[body]]\nname = \"far\"\nradius = 10\nposition = [0, 900]\nsolid = false\n";
    const std::string listed =
        replaced("[\"goal\"]", "[\"goal\", \"far\"]\norder = \"listed\"", two);
    const Vec2 goal(400, 0), far(0, 900), nowhere(-500, 0);
    EXPECT_EQ(outcome(listed, {far, goal}), "");
    EXPECT_EQ(outcome(listed, {far, goal, far}), "won");
    // A time limit of 2 steps: the third step may still win, the fourth fails.
    const std::string limited = base + "[[failure]]\nkind = \"time_limit\"\nsteps = 2\n";
    EXPECT_EQ(outcome(limited, {nowhere, nowhere, goal}), "won");
    EXPECT_EQ(outcome(limited, {nowhere, nowhere, nowhere, nowhere}), "failed");
    // A band from 100 to 200 around the origin, held for more than 2 steps:
    // strict edges, and leaving it restarts the count.
    const std::string band = replaced("kind = \"visit\"\nbodies = [\"goal\"]\nradius = 50\n",
                                      "kind = \"hold\"\npoint = [0, 0]\ninner = 100\nouter = 200\n"
                                      "steps = 2\n");
    const Vec2 in(150, 0), inner(100, 0), outer(0, 200);
    const struct {
        std::vector<Vec2> places;
        const char* outcome;
    } held[] = {
        {{in, in, in}, ""},
        {{in, in, in, in}, "won"},
        {{inner, inner, inner, inner}, ""},
        {{outer, outer, outer, outer}, ""},
        {{in, in, nowhere, in, in, in}, ""},
        {{in, in, nowhere, in, in, in, in}, "won"},
    };
    for (const auto& c : held) EXPECT_EQ(outcome(band, c.places), c.outcome) << c.places.size();
}

TEST(MissionFile, AFailureSaysWhyAndARunKnowsHowNearItCameToItsNextGoal) {
    // The goal circle: radius 50 around (400, 0). The ship at each place in
    // turn, one step each, landed where marked.
    const struct {
        std::string failure;
        std::vector<std::pair<Vec2, bool>> places;
        const char* reason;  // "" for no failure
        double nearest;
    } cases[] = {
        {"kind = \"beyond\"\nbody = \"goal\"\nradius = 1000\n", {{{1401, 0}, false}},
         "flew too far from the goal", 951},
        {"kind = \"beyond\"\npoint = [0, 0]\nradius = 1000\n", {{{-1001, 0}, false}},
         "flew out of range", 1351},
        {"kind = \"land\"\n", {{{0, 0}, true}, {{100, 0}, false}, {{300, 0}, true}},
         "landed before the mission was done", 50},
        {"kind = \"land\"\ntext = \"crashed\"\n", {{{0, 0}, false}, {{0, 0}, true}},
         "crashed", 350},
        {"kind = \"time_limit\"\nsteps = 1\n", {{{0, 0}, false}, {{200, 0}, false}, {{0, 0}, false}},
         "took longer than 1 s", 150},
        // The closest approach, not the last distance; no failure, no reason.
        {"kind = \"time_limit\"\nsteps = 9\n", {{{200, 0}, false}, {{340, 0}, false}, {{0, 0}, false}},
         "", 10},
    };
    for (const auto& c : cases) {
        MissionDef def;
        std::ostringstream log;
        ASSERT_TRUE(readMissionText(base + "[[failure]]\n" + c.failure, "t.toml", def, log))
            << log.str();
        DataMission mission(def);
        World world;
        world.measureApproach = true;  // as in a run the player watches
        world.mission = &mission;
        world.reset();
        const std::unique_ptr<Judge> judge = mission.judge();
        for (const auto& [at, landed] : c.places) {
            world.rocket->position = at;
            world.rocket->landed = landed;
            judge->update(world);
            ++world.time;
        }
        EXPECT_EQ(world.result.failReason, c.reason) << c.failure;
        EXPECT_EQ(world.result.failed, *c.reason != 0) << c.failure;
        EXPECT_NEAR(world.result.nearestGoal, c.nearest, 1e-9) << c.failure;
    }
    // A reason longer than a line on the screen is refused.
    MissionDef def;
    std::ostringstream log;
    EXPECT_FALSE(readMissionText(base + "[[failure]]\nkind = \"land\"\ntext = \"" +
                                     std::string(121, 'x') + "\"\n",
                                 "t.toml", def, log));
}

TEST(MissionFile, PlayersMissionsLoadBesideTheCampaignButNeverTakeItsTitles) {
    MissionRegistry registry;
    MissionGroups groups;
    std::ostringstream log;
    EXPECT_EQ(loadCampaign(std::string(ASTRELLO_SOURCE_DIR) + "/campaign", registry, groups, log), 0);
    EXPECT_EQ(registry.size(), 21u);
    // Of this process alone: other test runs may share the machine.
    const auto folder =
        std::filesystem::temp_directory_path() / ("astrello-custom-" + std::to_string(getpid()));
    const auto missions = folder / "custom-missions";
    std::filesystem::create_directories(missions);
    std::ofstream(missions / "a_good.toml") << base;
    std::ofstream(missions / "b_thrust.toml") << replaced("\"Test\"", "\"Thrust\"");
    std::ofstream(missions / "c_rank.toml") << replaced("\"Test\"", "\"Other\"\ngroup = \"Cadet Missions\"");
    std::ofstream(missions / "d_broken.toml") << "title = ";
    std::ofstream(missions / "e_again.toml") << base;
    std::ofstream(missions / "f_unseen.toml")
        << replaced("\"Test\"", "\"Unseen\"",
                    replaced("solid = false", "solid = false\nmodel = \"models/earth.obj\""));
    const Mission* thrust = registry.at("Thrust").get();
    EXPECT_EQ(loadCustomMissions(missions.string(), ASTRELLO_SOURCE_DIR, registry, groups, log), 5);
    EXPECT_EQ(registry.size(), 22u);
    EXPECT_EQ(registry.at("Thrust").get(), thrust);
    // Printed with the whole path; listed in the menu with the file's own name.
    const std::vector<RefusedMission> refused = {
        {"b_thrust.toml", "ERROR: b_thrust.toml:2: title: 'Thrust' is the title of a built-in mission"},
        {"c_rank.toml", "ERROR: c_rank.toml:3: group: a custom mission belongs to 'Custom Missions', "
                        "not 'Cadet Missions'"},
        {"d_broken.toml", "ERROR: d_broken.toml:1: not a TOML file: "},
        {"e_again.toml", "WARNING: e_again.toml:2: title: 'Test' is also the title of a_good.toml; "
                         "this file is left out"},
        {"f_unseen.toml", "ERROR: f_unseen.toml:17: body[1] model: 'models/earth.obj' cannot be opened"},
    };
    EXPECT_EQ(groups.custom, std::vector<std::string>{"Test"});
    EXPECT_FALSE(groups.isCampaign("Test"));
    EXPECT_TRUE(groups.isCampaign("Thrust"));
    ASSERT_EQ(groups.refused.size(), refused.size());
    for (size_t i = 0; i < refused.size(); ++i) {
        const RefusedMission& listed = groups.refused[i];
        EXPECT_EQ(listed.file, refused[i].file);
        EXPECT_EQ(listed.problem.substr(0, refused[i].problem.size()), refused[i].problem);
        std::string printed = refused[i].problem;
        printed.insert(printed.find(": ") + 2, missions.string() + "/");
        EXPECT_NE(log.str().find(printed), std::string::npos) << log.str();
    }
    std::filesystem::remove_all(folder);
}

TEST(EditedPrograms, DamagedLinesAreSkippedWithAnErrorAndTheRestRoundTrips) {
    const std::string text =
        "Thrust\t2 T 59 W 10\n"
        "no tab here\n"
        "\t1 T 5\n"
        "Turn\t2 T 59\n"            // fewer pairs than counted
        "Turn II\t0\r\n"          // an empty program, a Windows line end
        "Thrust\t1 L 3\n";         // the later line wins
    EditedPrograms programs;
    std::ostringstream log;
    parseEditedPrograms(text, "programs.dat", programs, log);
    EXPECT_EQ(programs, (EditedPrograms{{"Thrust", "1 L 3"}, {"Turn II", "0"}}));
    const std::string errors = log.str();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 3) << errors;
    EXPECT_EQ(errors.rfind("ERROR: programs.dat:2: ", 0), 0u) << errors;
    EditedPrograms back;
    parseEditedPrograms(editedProgramsText(programs), "again", back, log);
    EXPECT_EQ(back, programs);
}

TEST(MissionFile, ARunThatEndsWithoutAWinIsToldTheObjectivesItMetAndTheOneItMissed) {
    const std::string leaveThenLand =
        replaced("kind = \"visit\"\nbodies = [\"goal\"]\nradius = 50\n",
                 "kind = \"leave\"\npoint = [0, 0]\nradius = 100\n[[objective]]\nkind = \"land\"\n");
    const std::string band = replaced("kind = \"visit\"\nbodies = [\"goal\"]\nradius = 50\n",
                                      "kind = \"hold\"\npoint = [0, 0]\ninner = 100\nouter = 200\n"
                                      "steps = 2\n");
    const struct {
        std::string text;
        std::vector<Vec2> places;
        const char* report;
    } cases[] = {
        {missionText, {{0, 0}}, "Missed: reach the red circle."},
        {leaveThenLand, {{50, 0}}, "Missed: get outside the red circle."},
        {leaveThenLand, {{150, 0}}, "Met: get outside the red circle. Missed: land again."},
        {band, {{150, 0}}, "Missed: stay between the red circles for 2 s."},
        {missionText, {{400, 0}}, ""},  // won: nothing missed
    };
    for (const auto& c : cases) {
        MissionDef def;
        std::ostringstream log;
        ASSERT_TRUE(readMissionText(c.text, "t.toml", def, log)) << log.str();
        DataMission mission(def);
        World world;
        world.mission = &mission;
        world.reset();
        const std::unique_ptr<Judge> judge = mission.judge();
        for (Vec2 at : c.places) {
            world.rocket->position = at;
            judge->update(world);
            ++world.time;
        }
        EXPECT_EQ(judge->progressReport(), c.report) << c.report;
    }
}
