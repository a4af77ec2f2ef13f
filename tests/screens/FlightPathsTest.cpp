#include <gtest/gtest.h>

#include "missions/Mission.h"
#include "missions/Missions.h"
#include "screens/FlightPaths.h"
#include "screens/ProgramEditor.h"
#include "sim/ProgramText.h"
#include "sim/Rocket.h"
#include "sim/World.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

double now = 0.0;
bool held = false;

class FlightPathsTest : public ::testing::Test, public ScreenTestBed {
protected:
    void SetUp() override {
        now = 0.0;
        held = false;
        paths.clock = [] { return now; };
        paths.mouseHeld = [] { return held; };
        enter("Thrust", "2 T 59 W 3");
    }
    void enter(const char* mission, const char* program) {
        world.mission = missions.at(mission);
        world.clearProgramAndReset();
        parseProgramText(program, world.rocket->program);
        world.reset();
    }
    Program& program() { return world.rocket->program; }
    const FlightOverlay& frame() {
        paths.prepare(world, 0.0f, true);
        return paths.overlay();
    }

    ProgramEditor editor{ui, world};
    FlightPaths paths{editor, options};
};

}  // namespace

TEST_F(FlightPathsTest, EveryEditIsFlownBeforeTheFrameThatShowsIt) {
    ASSERT_TRUE(frame().preview);
    EXPECT_EQ(frame().preview->ending(), FlightPath::Won);
    const long steps = frame().preview->steps();
    program()[0].value = 0;  // the ship stays
    EXPECT_EQ(frame().preview->ending(), FlightPath::Horizon);
    EXPECT_FALSE(world.result.won) << "the preview leaves the stopped world as it was";
    program()[0].value = 59;
    EXPECT_EQ(frame().preview->steps(), steps);
    paths.togglePreview();
    EXPECT_FALSE(frame().preview);
    paths.togglePreview();
    EXPECT_TRUE(frame().preview);
}

// A changed value shows its neighbours, flown in the frames after the
// preview's, one per frame; a held button keeps them.
TEST_F(FlightPathsTest, FaintPathsFollowTheValueBeingChangedAndThenGo) {
    frame();
    program()[1].value = 0;
    const FlightOverlay& shown = frame();
    ASSERT_TRUE(shown.lower && shown.higher);
    EXPECT_TRUE(shown.lower->empty() && shown.higher->empty()) << "the preview first";
    frame();
    EXPECT_TRUE(shown.lower->empty()) << "Wait 0 has no lower neighbour";
    EXPECT_TRUE(shown.higher->empty());
    frame();
    EXPECT_GT(shown.higher->steps(), 0);
    EXPECT_LE(shown.higher->steps(), shown.preview->steps());
    program()[0].value = 60;
    frame();
    frame();
    EXPECT_FALSE(shown.lower->empty()) << "the neighbours follow the value changed last";
    now = FlightPaths::valueEditSeconds - 0.1;
    held = true;
    frame();
    now += FlightPaths::valueEditSeconds - 0.1;
    EXPECT_TRUE(frame().lower) << "still dragging";
    held = false;
    now += FlightPaths::valueEditSeconds;
    EXPECT_FALSE(frame().lower);
    program().push_back(Instruction{Thrust, 1});
    EXPECT_FALSE(frame().lower) << "adding a command is no value change";
}

TEST_F(FlightPathsTest, ARunLeavesItsGhostUntilAnotherMissionIsEntered) {
    paths.runStarted(world);
    world.running = true;
    for (int i = 0; i < 30; ++i) {
        world.step();
        paths.stepped(world);
    }
    ASSERT_TRUE(frame().trail);
    EXPECT_EQ(frame().executing, 1);
    EXPECT_EQ(frame().trail->steps(), 30);
    EXPECT_FALSE(frame().preview) << "no preview while running";
    paths.runEnded(world);
    world.running = false;
    world.reset();
    EXPECT_EQ(frame().ghost->steps(), 30);
    EXPECT_EQ(frame().trail, nullptr);
    enter("Turn", "1 T 10");
    EXPECT_TRUE(frame().ghost->empty());
}

// Thrust then Wait begin on consecutive steps, a pixel apart: presses there go round both.
TEST_F(FlightPathsTest, PressingATickSelectsItsInstruction) {
    const FlightPath& preview = *frame().preview;
    const Camera camera{preview.ticks()[1].position, 0.01};
    const Vec2f tick = viewPoint(camera, 400, 300, preview.ticks()[1].position);
    editor.selected = 2;
    EXPECT_FALSE(paths.pick(Vec2f(tick.x + 20, tick.y), camera, 400, 300));
    EXPECT_EQ(editor.selected, 2);
    ASSERT_TRUE(paths.pick(tick, camera, 400, 300));
    EXPECT_EQ(editor.selected, 1);
    paths.pick(tick, camera, 400, 300);
    EXPECT_EQ(editor.selected, 0);
    paths.pick(tick, camera, 400, 300);
    EXPECT_EQ(editor.selected, 1);
}
