#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/Application.h"
#include "app/Button.h"
#include "missions/Level.h"
#include "screens/CompletionScreen.h"
#include "screens/GameScreen.h"
#include "screens/StateWidget.h"
#include "sim/Optimizer.h"
#include "sim/Rocket.h"
#include "tests/support/PlaySeam.h"

namespace {

// A mission in empty space that is won or failed on a chosen step of a run,
// and counts every check it is asked for, across resets.
class ScriptedLevel : public Level {
public:
    ScriptedLevel() : Level("Scripted", "", 1.0f, 2.0f) {}
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
        screen = &enterLevel(level);
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

    ScriptedLevel level;
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

TEST_F(GameScreenTest, LetterKeysInsertTheirInstructionsInTheFixedOrderWhenPressedTogether) {
    keys("tswrl");
    EXPECT_EQ(opcodes(), "LRWST");
    EXPECT_EQ(selected(), 5);

    selected() = 1;
    keys("t");
    EXPECT_EQ(opcodes(), "LTRWST");
    EXPECT_EQ(selected(), 2);
}

TEST_F(GameScreenTest, DeleteAndMovesActBeforeTheInsertionsOfTheSameUpdate) {
    each("tt");
    program()[0].value = 1;
    program()[1].value = 2;
    selected() = 1;
    key(SDLK_DELETE);
    key(SDLK_PAGEUP);
    key('l');
    tick();
    // Del removes the 2 (selection 1 stays, now the end row), Up finds the
    // end row and does nothing, Left is appended.
    EXPECT_EQ(opcodes(), "TL");
    EXPECT_EQ(program()[0].value, 1);
    EXPECT_EQ(selected(), 2);
}

TEST_F(GameScreenTest, DigitsAndBackspaceEditTheSelectedValueWithinZeroToOneThousand) {
    keys("t");
    selected() = 0;
    for (int sym : {'1', '0', '0', '0'}) key(sym);
    EXPECT_EQ(program()[0].value, 1000);
    key('5');
    EXPECT_EQ(program()[0].value, 1000);
    key(SDLK_BACKSPACE);
    EXPECT_EQ(program()[0].value, 100);
    key(SDLK_BACKSPACE);
    key('5');
    EXPECT_EQ(program()[0].value, 105);
    for (int i = 0; i < 3; ++i) key(SDLK_BACKSPACE);
    EXPECT_EQ(program()[0].value, 0);
}

TEST_F(GameScreenTest, OnTheEndRowDigitsReachTheLastInstructionButTheArrowsDoNot) {
    each("tw");
    ASSERT_EQ(selected(), 2);
    key('7');
    EXPECT_EQ(program()[1].value, 7);
    key(SDLK_RIGHT);
    key(SDLK_LEFT);
    key(SDLK_RIGHT);
    EXPECT_EQ(program()[1].value, 7);
    EXPECT_EQ(program()[0].value, 0);
    key(SDLK_BACKSPACE);
    EXPECT_EQ(program()[1].value, 0);

    keys({SDLK_DELETE});
    EXPECT_EQ(opcodes(), "T");
    EXPECT_EQ(selected(), 1);
}

TEST_F(GameScreenTest, ArrowKeysStopAtTheEndsOfTheValueRangeAndOfTheList) {
    each("ll");
    for (int sym : {SDLK_UP, SDLK_UP, SDLK_UP, SDLK_LEFT}) key(sym);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(program()[0].value, 0);
    program()[0].value = 999;
    key(SDLK_RIGHT);
    key(SDLK_RIGHT);
    EXPECT_EQ(program()[0].value, 1000);
    for (int i = 0; i < 5; ++i) key(SDLK_DOWN);
    EXPECT_EQ(selected(), 2);
}

TEST_F(GameScreenTest, UpOnTheFirstRowAndDownOnTheLastOrEndRowChangeNothing) {
    each("trw");
    selected() = 0;
    keys({SDLK_PAGEUP});
    EXPECT_EQ(opcodes(), "TRW");
    EXPECT_EQ(selected(), 0);
    for (int row : {2, 3}) {
        selected() = row;
        keys({SDLK_PAGEDOWN});
        EXPECT_EQ(opcodes(), "TRW");
        EXPECT_EQ(selected(), row);
    }
    selected() = 1;
    keys({SDLK_PAGEDOWN});
    EXPECT_EQ(opcodes(), "TWR");
    EXPECT_EQ(selected(), 2);
}

TEST_F(GameScreenTest, DelRemovesTheSelectedInstructionAndTheRowBelowMovesUp) {
    each("trw");
    selected() = 0;
    keys({SDLK_DELETE});
    EXPECT_EQ(opcodes(), "RW");
    EXPECT_EQ(selected(), 0);
    keys({SDLK_DELETE});
    keys({SDLK_DELETE});
    keys({SDLK_DELETE});  // an empty program: nothing left to delete
    EXPECT_EQ(opcodes(), "");
    EXPECT_EQ(selected(), 0);
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
    level.winAtStep = 25;
    startRun(10000);
    int before = level.checks;
    tick();
    EXPECT_EQ(level.checks - before, 25);
    EXPECT_FALSE(app.world.running);
    EXPECT_EQ(app.world.time, 0);
    EXPECT_TRUE(screen->entered);
    EXPECT_EQ(screen->runButton->label, "Run");
    EXPECT_GT(level.score, 0.0f);  // the score of the won run survives the reset
    EXPECT_EQ(app.screens.back(), &completion);
    EXPECT_EQ(app.focus, &completion);
    app.completionScreen = nullptr;
}

TEST_F(GameScreenTest, AFailedMissionStopsAndResetsButStaysOnTheScreen) {
    level.failAtStep = 3;
    startRun(1000);
    tick();
    EXPECT_FALSE(app.world.running);
    EXPECT_FALSE(level.failed);
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
    level.winAtStep = 5;
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
