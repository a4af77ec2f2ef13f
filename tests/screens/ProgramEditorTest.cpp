// The program editor's edits through the game screen's keys and the mouse,
// and what the screen does with a run.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "missions/Mission.h"
#include "screens/CompletionScreen.h"
#include "screens/GameScreen.h"
#include "sim/ProgramEdits.h"
#include "screens/ProgramEditor.h"
#include "sim/Optimizer.h"
#include "sim/Rocket.h"
#include "tests/screens/MenuTestSupport.h"

namespace {

// A mission in empty space that is won on a chosen step of a run and counts
// its checks.
class ScriptedMission : public Mission {
public:
    ScriptedMission() : Mission("Scripted", "", 1.0f, 2.0f) {}
    int winAtStep = -1;
    mutable int checks = 0;

    void setup(World& world) const override { world.rocket->radius = 8.0; }
    std::unique_ptr<Judge> judge() const override { return std::make_unique<Run>(*this); }

private:
    struct Run : Judge {
        explicit Run(const ScriptedMission& m) : mission(m) {}
        const ScriptedMission& mission;
        int steps = 0;
        std::unique_ptr<Judge> clone() const override { return std::make_unique<Run>(*this); }
        void update(World& world) override {
            ++mission.checks;
            if (++steps == mission.winAtStep) {
                world.result.won = true;
                world.computeScore();
            }
        }
        std::string progressReport() const override {
            return steps > 0 ? "Met: take off. Missed: land." : "Missed: take off.";
        }
    };
};

// The game screen of the scripted mission in a 1280 x 720 window, entered
// as the briefing enters it.
class Editor : public ::testing::Test, public ScreenTestBed {
protected:
    void SetUp() override {
        ui.screens.clear();
        world.running = false;
        world.mission = &mission;
        world.clearProgramAndReset();
        screen = std::make_unique<GameScreen>(ui, world, records, random, options, completion);
        screen->entered = true;
        ui.pushScreen(screen.get());
        tick();  // the entry reset
        screen->editor->min = Vec2f(1024, 32);  // where drawing places it
        screen->editor->max = Vec2f(1280, 720);
    }

    void tick() {
        screen->update();
        ++ui.stepCount;
    }
    bool key(Key k) { return screen->handleEvent(keyPress(k)); }
    bool key(char c) { return key(charKey(c)); }
    Program& program() { return world.rocket->program; }
    int& selected() { return screen->editor->selected; }
    std::string shown() {  // "T0 W7|2": opcodes and values, then the selection
        std::string text;
        for (const Instruction& i : program())
            text += (text.empty() ? "" : " ") + std::string(1, opcodeLetter(i.opcode)) +
                    std::to_string(i.value);
        return text + "|" + std::to_string(selected());
    }
    void startRun(int speed) {
        key(Key::Return);
        tick();
        ASSERT_TRUE(world.running);
        world.speed = speed;
    }

    ScriptedMission mission;
    Widget completion{ui};
    std::unique_ptr<GameScreen> screen;
};

}  // namespace

TEST_F(Editor, EditingKeysChangeTheCurrentRowWithinTheirLimitsAndARefusedKeyFlashes) {
    // Keys as typed; '|' is an update, "#n" makes row n current, and B D U N P Q < >
    // stand for Backspace, Delete, Up, Down, PgUp, PgDn, Left and Right.
    const struct {
        const char *script, *shown;
        bool flashes;
    } cases[] = {
        // A command goes in below the current row and becomes current; letters
        // pressed together go in in a fixed order.
        {"tswrl|", "L0 R0 W0 S0 T0|4", false},
        {"tswrl|#1t|", "L0 R0 T0 W0 S0 T0|2", false},
        {"t|t|U5", "T5 T0|0", false},  // Up right after an insertion moves up
        // Delete and moves act before the insertions of the same update.
        {"t|1t|2#1DPl|", "T1 L0|1", false},
        // Digits, Backspace and steps edit the current row's value within 0 to 1000;
        // the first digit on a row replaces its value, the next ones append.
        {"t|#010005", "T1000|0", true},
        {"t|1350", "T135|0", true},
        {"t|#01000BB5", "T105|0", false},
        {"t|#01000BB5BBB", "T0|0", false},
        {"t|w|7><>", "T0 W8|1", false},
        {"t|w|#1t|5", "T0 W0 T5|2", false},
        {"t|t|506U72", "T72 T506|0", false},
        {"t|5++-", "T6|0", false},
        {"t|w|D|", "T0|1", false},
        // The end row has no value: digits and steps there are refused.
        {"t|7N5>B", "T7|1", true},
        {"5", "|0", true},
        // Arrows stop at the ends of the value range and of the list.
        {"l|l|UUU<", "L0 L0|0", false},
        {"l|l|UUU999>>NNNNN", "L1000 L0|2", false},
        // PgUp on the first row and PgDn on the last or the end row change nothing.
        {"t|r|w|#0P|", "T0 R0 W0|0", false},
        {"t|r|w|#2Q|", "T0 R0 W0|2", false},
        {"t|r|w|#1Q|", "T0 W0 R0|2", false},
        {"t|r|w|#0D|D|D|D|", "|0", false},
    };
    const std::string named = "BDUNPQ<>";
    const Key symbols[] = {Key::Backspace, Key::Delete,   Key::Up,   Key::Down,
                           Key::PageUp,    Key::PageDown, Key::Left, Key::Right};
    for (const auto& c : cases) {
        SetUp();
        for (const char* k = c.script; *k; ++k) {
            if (*k == '|')
                tick();
            else if (*k == '#')
                selected() = *++k - '0';
            else if (named.find(*k) != std::string::npos)
                key(symbols[named.find(*k)]);
            else
                key(*k);
        }
        EXPECT_EQ(shown(), c.shown) << c.script;
        EXPECT_EQ(screen->editor->flashing(), c.flashes) << c.script;
    }
}

TEST_F(Editor, TheWheelScrollsALongProgramAndLeavesTheCurrentRowWhereItIs) {
    program().assign(60, Instruction{Thrust, 1});
    selected() = 60;
    screen->editor->firstRow = 40;
    EXPECT_TRUE(screen->editor->scroll(-4));
    EXPECT_EQ(screen->editor->firstRow, 28);
    EXPECT_EQ(selected(), 60);
    // A press on the top row shown selects that row.
    screen->editor->handleEvent(mousePress(1024 + 10, 700 - 16));
    EXPECT_EQ(selected(), 28);
}

TEST_F(Editor, APressSelectsItsRowAndSetsOrStepsTheValueByWhereItFalls) {
    // Rows of 32 pixels from the editor's top; the track starts 45 pixels in,
    // 150 wide, with a minus zone left of it and a plus zone right of it.
    const struct {
        int row, x;
        const char* shown;
    } cases[] = {
        {1, 45, "T100 T0 T300|1"},         {1, 45 + 149, "T100 T993 T300|1"},
        {2, 45 + 75, "T100 T200 T500|2"},  {0, 45 - 1, "T99 T200 T300|0"},
        {0, 45 - 15, "T99 T200 T300|0"},   {0, 45 + 151, "T101 T200 T300|0"},
        {0, 45 + 165, "T101 T200 T300|0"}, {1, 45 - 16, "T100 T200 T300|1"},
        {1, 45 + 166, "T100 T200 T300|1"}, {3, 45 + 100, "T100 T200 T300|3"},  // the end row
    };
    for (const auto& c : cases) {
        SetUp();
        program() = {{Thrust, 100}, {Thrust, 200}, {Thrust, 300}};
        // Row r spans 32 pixels from the window's top (719), which is the editor's.
        EXPECT_TRUE(screen->editor->handleEvent(mousePress(1024 + c.x, 700 - 32 * c.row)));
        EXPECT_EQ(shown(), c.shown) << c.row << " " << c.x;
    }
}

TEST_F(Editor, WhileRunningOnlyReturnEscapeAndSpaceActAndReturnStopsKeepingTheProgram) {
    key('t');
    tick();
    program()[0].value = 1000;
    startRun(1000);
    for (Key k : {charKey('t'), charKey('5'), Key::Backspace, Key::Delete, Key::Up, Key::Right,
                  Key::F1})
        EXPECT_TRUE(key(k));
    tick();
    EXPECT_EQ(world.time, 10);
    EXPECT_EQ(shown(), "T1000|0");
    EXPECT_FALSE(screen->optimizeRequested);
    EXPECT_FALSE(screen->editor->handleEvent(mousePress(1024 + 45, 700)));
    EXPECT_EQ(shown(), "T1000|0");
    key(Key::Return);
    tick();
    EXPECT_FALSE(world.running);
    EXPECT_EQ(world.time, 0);
    EXPECT_EQ(shown(), "T1000|0");
}

TEST_F(Editor, AMissionWonInTheMiddleOfAFastUpdateStopsThereAndShowsTheCompletionScreen) {
    mission.winAtStep = 25;
    startRun(10000);
    const int before = mission.checks;
    tick();
    EXPECT_EQ(mission.checks - before, 25);
    EXPECT_FALSE(world.running);
    EXPECT_GT(world.result.score, 0.0f);  // the score of the won run survives the reset
    EXPECT_EQ(ui.currentScreen(), &completion);
}

TEST_F(Editor, EndFliesARunThatCannotWinToItsHorizonAndItsMessageStaysUntilTheNextAction) {
    key('t');
    tick();
    startRun(10000);
    key(Key::End);
    tick();
    EXPECT_FALSE(world.running);
    EXPECT_EQ(screen->shownMessage(), "Out of time after 100000 s");
    for (int i = 0; i < 400; ++i) tick();  // 20 s
    EXPECT_EQ(screen->shownMessage(), "Out of time after 100000 s");
    key(Key::Down);
    EXPECT_EQ(screen->shownMessage(), "");
    // An edit with the mouse is an action too.
    startRun(10000);
    key(Key::Return);
    tick();
    EXPECT_EQ(screen->shownMessage(), "Stopped");
    screen->editor->handleEvent(mousePress(1024 + 45 + 75, 700));
    tick();
    EXPECT_EQ(screen->shownMessage(), "");
}

TEST_F(Editor, TurboGrowsWhileNoInstructionBeginsAndFallsBackWhenOneDoes) {
    program() = {{Wait, 1000}, {Thrust, 1}};
    startRun(10000);
    std::vector<int> times;
    for (int i = 0; i < 40; ++i) {
        tick();
        times.push_back(world.time);
    }
    // 10 updates of 100 steps, 10 of 200, then 400 until the Thrust begins at step 1001.
    EXPECT_EQ(times[9], 1000);
    EXPECT_EQ(times[10], 1200);
    EXPECT_EQ(times[11], 1300);  // the Thrust began: back to 100
    EXPECT_EQ(times[21], 2400);  // 10 quiet updates later: 200 a step
}

TEST(ProgramEdits, DigitsAndNudgesNeverOverflowAndPullOutOfRangeValuesBackOnlyWhenNudged) {
    // Values only the optimizer can leave behind.
    const struct {
        int before, digit, nudge, after;  // the digit applies if >= 0, else the nudge
    } cases[] = {
        {INT_MAX, 9, 0, INT_MAX}, {INT_MIN, 9, 0, INT_MIN}, {1000, -1, +1, 1000},
        {500, -1, -1, 499},       {INT_MIN, -1, -1, 0},     {INT_MAX, -1, +1, 1000},
    };
    for (const auto& c : cases) {
        Instruction instruction{Thrust, c.before};
        if (c.digit >= 0)
            typeDigit(instruction, c.digit);
        else
            nudgeValue(instruction, c.nudge);
        EXPECT_EQ(instruction.value, c.after) << c.before << " " << c.digit << " " << c.nudge;
    }
}
