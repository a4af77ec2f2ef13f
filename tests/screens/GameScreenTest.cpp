#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/Button.h"
#include "missions/Mission.h"
#include "screens/CompletionScreen.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "sim/Optimizer.h"
#include "sim/Rocket.h"
#include "tests/support/PlaySeam.h"

namespace {

// A mission in empty space that is won or failed on a chosen step of a run,
// and counts every check it is asked for, across resets.
class ScriptedMission : public Mission {
public:
    ScriptedMission() : Mission("Scripted", "", 1.0f, 2.0f) {}
    int winAtStep = -1;
    int failAtStep = -1;
    int checks = 0;
    int stepsThisRun = 0;

    void setup(World& world) override {
        won = false;
        failed = false;
        stepsThisRun = 0;
        world.rocket->position = Vec2(0, 0);
        world.rocket->velocity = Vec2(0, 0);
        world.rocket->radius = 8.0;
    }
    void update(World& world) override {
        ++checks;
        ++stepsThisRun;
        if (stepsThisRun == winAtStep) {
            won = true;
            computeScore(world);
        }
        if (stepsThisRun == failAtStep) failed = true;
    }
};

SDL_Event keyDown(int sym) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLKey(sym);
    return event;
}

class GameScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.textures.headless = true;
        screen = &enterMission(mission);
        tick();  // the entry reset
    }
    void TearDown() override { leavePlay(); }

    // One fixed update, numbered as the main loop numbers them.
    void tick() {
        screen->update();
        ++app.stepCount;
    }
    bool key(int sym) { return screen->handleEvent(keyDown(sym)); }
    // Keys, then the update that acts on the flags they set.
    void keys(const std::string& syms) {
        for (char c : syms) key(c);
        tick();
    }
    void keys(std::initializer_list<int> syms) {
        for (int sym : syms) key(sym);
        tick();
    }
    // Each key in its own update.
    void each(const std::string& syms) {
        for (char c : syms) keys(std::string(1, c));
    }
    Program& program() { return app.world.rocket->program; }
    int& selected() { return screen->editor->selected; }
    std::string opcodes() {
        std::string letters;
        for (const Instruction& i : program()) letters += opcodeLetter(i.opcode);
        return letters;
    }
    void startRun(int speed) {
        key(SDLK_RETURN);
        tick();
        ASSERT_TRUE(app.world.running);
        app.world.speed = speed;
    }

    ScriptedMission mission;
    GameScreen* screen = nullptr;
};

TEST_F(GameScreenTest, EntryOpensStoppedWithAFreshWorldWhateverTheScreenWasLeftWith) {
    key(SDLK_RETURN);
    tick();
    app.world.speed = 10000;
    app.clock = 12.5;
    screen->entered = true;
    tick();
    EXPECT_FALSE(app.world.running);
    EXPECT_EQ(app.world.speed, 1000);
    EXPECT_EQ(app.world.time, 0);
    EXPECT_EQ(screen->enterTime, 12.5);
    EXPECT_FALSE(screen->entered);
    EXPECT_EQ(screen->runButton->label, "Run");
    EXPECT_TRUE(screen->editor->editable);
}

TEST_F(GameScreenTest, EveryKeyPressIsConsumedAndNothingElse) {
    EXPECT_TRUE(key(SDLK_F12));
    EXPECT_TRUE(key('x'));
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    EXPECT_FALSE(screen->handleEvent(motion));
    SDL_Event release{};
    release.type = SDL_KEYUP;
    release.key.keysym.sym = SDLK_RETURN;
    EXPECT_FALSE(screen->handleEvent(release));
    tick();
    EXPECT_FALSE(app.world.running);
}

TEST_F(GameScreenTest, EditingKeysChangeTheProgramAndTheSelectionWithinTheirLimits) {
    struct Case {
        // Keys as typed; '|' is an update, "#n" selects row n, and B D U N P Q < >
        // stand for Backspace, Delete, Up, Down, PgUp, PgDn, Left and Right.
        const char* script;
        const char* opcodes;
        int selected;
        const char* values;
    };
    const std::vector<Case> cases = {
        // Letters pressed together insert in a fixed order, at the selection.
        {"tswrl|", "LRWST", 5, "0 0 0 0 0"},
        {"tswrl|#1t|", "LTRWST", 2, "0 0 0 0 0 0"},
        // Delete and moves act before the insertions of the same update: Del
        // leaves row 1 as the end row, where PgUp does nothing.
        {"t|1t|2#1DPl|", "TL", 2, "1 0"},
        // Digits and Backspace edit the selected value within 0 to 1000.
        {"t|#01000", "T", 0, "1000"},
        {"t|#010005", "T", 0, "1000"},
        {"t|#01000B", "T", 0, "100"},
        {"t|#01000BB5", "T", 0, "105"},
        {"t|#01000BB5BBB", "T", 0, "0"},
        // On the end row digits reach the last instruction, the arrows do not.
        {"t|w|7><>", "TW", 2, "0 7"},
        {"t|w|7><>B", "TW", 2, "0 0"},
        {"t|w|D|", "T", 1, "0"},
        // Arrows stop at the ends of the value range and of the list.
        {"l|l|UUU<", "LL", 0, "0 0"},
        {"l|l|UUU999>>NNNNN", "LL", 2, "1000 0"},
        // PgUp on the first row and PgDn on the last or the end row change nothing.
        {"t|r|w|#0P|", "TRW", 0, "0 0 0"},
        {"t|r|w|#2Q|", "TRW", 2, "0 0 0"},
        {"t|r|w|#3Q|", "TRW", 3, "0 0 0"},
        {"t|r|w|#1Q|", "TWR", 2, "0 0 0"},
        // Del removes the selected row and the one below moves up.
        {"t|r|w|#0D|", "RW", 0, "0 0"},
        {"t|r|w|#0D|D|D|D|", "", 0, ""},
    };
    const std::string named = "BDUNPQ<>";
    const int symbols[] = {SDLK_BACKSPACE, SDLK_DELETE,   SDLK_UP,   SDLK_DOWN,
                           SDLK_PAGEUP,    SDLK_PAGEDOWN, SDLK_LEFT, SDLK_RIGHT};
    for (const Case& c : cases) {
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
        std::string values;
        for (const Instruction& i : program())
            values += (values.empty() ? "" : " ") + std::to_string(i.value);
        EXPECT_EQ(opcodes(), c.opcodes) << c.script;
        EXPECT_EQ(selected(), c.selected) << c.script;
        EXPECT_EQ(values, c.values) << c.script;
    }
}

TEST_F(GameScreenTest, ASelectionBeyondAShortenedProgramIsPulledBackToTheEndRow) {
    each("ttt");
    program().resize(1);
    selected() = 3;
    tick();
    EXPECT_EQ(selected(), 1);
    key('4');  // the end row's digits reach the last instruction
    EXPECT_EQ(program()[0].value, 4);
}

TEST_F(GameScreenTest, WhileRunningOnlyReturnEscapeAndSpaceActAndReturnStopsKeepingTheProgram) {
    keys("t");
    program()[0].value = 1000;
    startRun(1000);
    for (int sym : {int('t'), int('l'), int('5'), int(SDLK_BACKSPACE), int(SDLK_DELETE),
                    int(SDLK_UP), int(SDLK_RIGHT), int(SDLK_F1)}) {
        EXPECT_TRUE(key(sym));
    }
    tick();
    EXPECT_EQ(app.world.time, 10);
    EXPECT_GT(app.world.rocket->position.x, 0.0);
    EXPECT_EQ(opcodes(), "T");
    EXPECT_EQ(program()[0].value, 1000);
    EXPECT_EQ(selected(), 1);
    EXPECT_FALSE(optimizeRequested);
    EXPECT_TRUE(screen->thrustButton->hidden);
    EXPECT_FALSE(screen->turboButton->hidden);
    EXPECT_FALSE(screen->editor->editable);
    EXPECT_EQ(screen->runButton->label, "Stop");

    keys({SDLK_RETURN});
    EXPECT_FALSE(app.world.running);
    EXPECT_EQ(app.world.time, 0);
    EXPECT_EQ(app.world.rocket->position.x, 0.0);
    EXPECT_EQ(opcodes(), "T");
    EXPECT_EQ(program()[0].value, 1000);
    EXPECT_FALSE(screen->thrustButton->hidden);
    EXPECT_TRUE(screen->turboButton->hidden);
}

TEST_F(GameScreenTest, TurboSwitchesBetweenTheTwoSpeedsAndEveryStopRestoresTheNormalOne) {
    key(SDLK_SPACE);  // stopped: no turbo
    tick();
    EXPECT_EQ(app.world.speed, 1000);
    startRun(1000);
    keys(" ");
    EXPECT_EQ(app.world.speed, 10000);
    keys(" ");
    EXPECT_EQ(app.world.speed, 1000);
    keys(" ");
    keys({SDLK_RETURN});
    EXPECT_EQ(app.world.speed, 1000);
    app.world.speed = 2000;  // the rule: up to 2000 goes fast, above goes normal
    screen->turboButton->clicked = true;
    tick();
    EXPECT_EQ(app.world.speed, 10000);
    screen->turboButton->clicked = true;
    app.world.speed = 2001;
    tick();
    EXPECT_EQ(app.world.speed, 1000);
}

TEST_F(GameScreenTest, StepsPerUpdateFollowTheWorldSpeed) {
    struct Case {
        int speed;
        int updates;
        int steps;
    };
    for (Case c : {Case{50, 10, 5}, Case{100, 10, 10}, Case{250, 4, 8}, Case{1000, 3, 30},
                   Case{10000, 2, 200}, Case{0, 5, 0}}) {
        startRun(c.speed);
        app.stepCount = 0;
        for (int i = 0; i < c.updates; ++i) tick();
        EXPECT_EQ(app.world.time, c.steps) << "speed " << c.speed;
        keys({SDLK_RETURN});
    }
}

TEST_F(GameScreenTest, AMissionWonInTheMiddleOfAFastUpdateStopsThereAndShowsTheCompletionScreen) {
    CompletionScreen completion;
    app.completionScreen = &completion;
    mission.winAtStep = 25;
    startRun(10000);
    int before = mission.checks;
    tick();
    EXPECT_EQ(mission.checks - before, 25);
    EXPECT_FALSE(app.world.running);
    EXPECT_EQ(app.world.time, 0);
    EXPECT_TRUE(screen->entered);
    EXPECT_EQ(screen->runButton->label, "Run");
    EXPECT_GT(mission.score, 0.0f);  // the score of the won run survives the reset
    EXPECT_EQ(app.screens.back(), &completion);
    EXPECT_EQ(app.focus, &completion);
    app.completionScreen = nullptr;
}

TEST_F(GameScreenTest, AWinBeatsQuitAndRunPressedInTheSameUpdate) {
    CompletionScreen completion;
    app.completionScreen = &completion;
    program().push_back(Instruction{Thrust, 7});
    for (int sym : {SDLK_ESCAPE, SDLK_RETURN}) {
        level.winAtStep = 5;
        startRun(1000);
        keys({sym});  // the key lands in the update whose steps win
        EXPECT_EQ(app.screens.back(), &completion) << sym;
        EXPECT_FALSE(app.world.running) << sym;
        EXPECT_EQ(opcodes(), "T") << sym;
        popScreen();  // the completion screen dismissed
        tick();       // the entry reset
        EXPECT_FALSE(screen->quitButton->clicked || screen->runButton->clicked) << sym;
    }
    app.completionScreen = nullptr;
}

TEST_F(GameScreenTest, AFailedMissionStopsAndResetsButStaysOnTheScreen) {
    mission.failAtStep = 3;
    startRun(1000);
    tick();
    EXPECT_FALSE(app.world.running);
    EXPECT_FALSE(mission.failed);
    EXPECT_EQ(app.world.time, 0);
    EXPECT_FALSE(screen->entered);
    EXPECT_EQ(app.screens.back(), screen);
}

TEST_F(GameScreenTest, EscapeLeavesTheScreenAndTheNextEntryStartsStopped) {
    Widget below;
    app.screens.insert(app.screens.begin(), &below);
    startRun(1000);
    keys({SDLK_ESCAPE});
    EXPECT_EQ(app.screens.back(), &below);
    EXPECT_EQ(app.focus, &below);
    EXPECT_TRUE(screen->entered);

    pushScreen(screen);
    tick();
    EXPECT_FALSE(app.world.running);
    EXPECT_EQ(app.world.time, 0);
    app.screens.clear();
}

TEST_F(GameScreenTest, F1TogglesTheOptimizationRequestAndTheNextUpdateCarriesItOut) {
    key(SDLK_F1);
    EXPECT_TRUE(optimizeRequested);
    key(SDLK_F1);
    EXPECT_FALSE(optimizeRequested);
    keys("t");
    program()[0].value = 10;
    mission.winAtStep = 5;
    key(SDLK_F1);
    tick();
    EXPECT_FALSE(optimizeRequested);
    EXPECT_FALSE(app.world.running);
}

TEST_F(GameScreenTest, APressWhereThrustAndTurboOverlapReachesWhicheverIsShown) {
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.x = 300;
    press.button.y = Uint16(app.height - 1 - 10);
    Vec2f p(300, 10);
    screen->click(p);
    EXPECT_EQ(app.focus, screen->thrustButton);
    dispatchEvent(press);
    tick();
    EXPECT_EQ(opcodes(), "T");

    startRun(1000);
    screen->click(p);
    EXPECT_EQ(app.focus, screen->turboButton);
    dispatchEvent(press);
    tick();
    EXPECT_EQ(app.world.speed, 10000);
    EXPECT_EQ(opcodes(), "T");
}

TEST_F(GameScreenTest, NoSequenceOfKeysLeavesAValueOrTheSelectionOutOfRange) {
    const int syms[] = {'t',         'l',         'r',
                        'w',         's',         '0',
                        '5',         '9',         SDLK_BACKSPACE,
                        SDLK_DELETE, SDLK_PAGEUP, SDLK_PAGEDOWN,
                        SDLK_UP,     SDLK_DOWN,   SDLK_LEFT,
                        SDLK_RIGHT};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, int(std::size(syms)) - 1);
    for (int round = 0; round < 2000; ++round) {
        key(syms[pick(random)]);
        if (round % 3 == 0) tick();
        int n = int(program().size());
        ASSERT_GE(selected(), 0);
        ASSERT_LE(selected(), n);
        for (const Instruction& instruction : program()) {
            ASSERT_GE(instruction.value, 0);
            ASSERT_LE(instruction.value, 1000);
        }
    }
    tick();
    EXPECT_LE(selected(), int(program().size()));
    EXPECT_GT(program().size(), 0u);
}

}  // namespace
