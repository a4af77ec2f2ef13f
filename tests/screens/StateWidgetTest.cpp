#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/Application.h"
#include "app/MainLoop.h"
#include "missions/Level.h"
#include "screens/StateWidget.h"
#include "sim/Rocket.h"
#include "tests/support/SdlEvents.h"

namespace {

class EmptyLevel : public Level {
public:
    EmptyLevel() : Level("Empty", "", 1.0f, 2.0f) {}
    void setup(World& world) override { world.rocket->radius = 8.0; }
};

// The editor at its place in a 1280 x 720 window: 256 x 688 pixels.
class StateWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.textures.headless = true;
        app.width = 1280;
        app.height = 720;
        app.world.level = &level;
        app.world.running = false;
        app.world.clearProgramAndReset();
        for (int value : {100, 200, 300}) {
            Instruction instruction;
            instruction.value = value;
            program().push_back(instruction);
        }
        editor.min = Vec2f(1024, 32);
        editor.max = Vec2f(1280, 720);
    }
    void TearDown() override { app.world.running = false; }

    Program& program() { return app.world.rocket->program; }
    int value(int row) { return program()[row].value; }

    // SDL coordinates (origin top-left) of a point given in editor-local
    // pixels: x from the editor's left edge, y up from the given row's lower edge.
    int sdlX(int x) { return 1024 + x; }
    int sdlY(int row, int y) { return app.height - 1 - (32 + rowBottom(row) + y); }
    int rowBottom(int row) { return 688 - 32 * (row + 1); }

    bool press(int row, int x, int y = 12) {
        SDL_Event event{};
        event.type = SDL_MOUSEBUTTONDOWN;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = Uint16(sdlX(x));
        event.button.y = Uint16(sdlY(row, y));
        return editor.handleEvent(event);
    }
    bool drag(int row, int x, int y = 12, int buttons = SDL_BUTTON_LMASK) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.state = Uint8(buttons);
        event.motion.x = Uint16(sdlX(x));
        event.motion.y = Uint16(sdlY(row, y));
        return editor.handleEvent(event);
    }

    EmptyLevel level;
    StateWidget editor;
};

TEST_F(StateWidgetTest, APressSelectsItsRowAndSetsOrStepsTheValueByWhereItFalls) {
    struct Case {
        int row, x, y;
        int selected, value;  // afterwards: the selection and the row's value
    };
    // Values start at 100, 200, 300; the track starts 45 pixels in, 150 wide.
    const std::vector<Case> cases = {
        {1, 45, 12, 1, 0},         {1, 45 + 149, 12, 1, 993},  // never 1000 on the track
        {2, 45 + 75, 12, 2, 500},  {0, 45 + 3, 12, 0, 20},
        {0, 45 - 1, 12, 0, 99},    {0, 45 - 15, 12, 0, 99},    // the minus zone
        {0, 45 + 151, 12, 0, 101}, {0, 45 + 165, 12, 0, 101},  // the plus zone
        {1, 45 - 16, 12, 1, 200},  {1, 45 + 150, 12, 1, 200},  // beside the zones
        {1, 45 + 166, 12, 1, 200}, {1, 5, 12, 1, 200},
        {1, 250, 12, 1, 200},      {0, 45 - 16, 31, 0, 100},  // rows span 32 pixels
        {0, 45 - 16, 0, 0, 100},   {1, 45 - 16, 31, 1, 200},
        {3, 45 + 100, 12, 3, -1},  {3, 45 - 16, 0, 3, -1},  // the end row: no value
        {4, 45, 12, 2, -1},                                 // below it: nothing
    };
    for (const Case& c : cases) {
        SetUp();
        editor.selected = 2;
        EXPECT_TRUE(press(c.row, c.x, c.y));
        EXPECT_EQ(editor.selected, c.selected) << c.row << " " << c.x << " " << c.y;
        if (c.value >= 0) {
            EXPECT_EQ(value(c.row), c.value) << c.row << " " << c.x << " " << c.y;
        } else {
            EXPECT_EQ(value(0) + value(1) + value(2), 600) << c.row << " " << c.x << " " << c.y;
        }
    }
    program()[0].value = 0;
    press(0, 40);
    EXPECT_EQ(value(0), 0);
    program()[0].value = 1000;
    press(0, 200);
    EXPECT_EQ(value(0), 1000);
}

TEST_F(StateWidgetTest, DraggingPastTheEndsOfTheTrackPinsTheValue) {
    EXPECT_TRUE(drag(1, 0));
    EXPECT_EQ(value(1), 0);
    EXPECT_TRUE(drag(1, 45 + 151));
    EXPECT_EQ(value(1), 1000);
    drag(1, 45 + 150);  // the pixel just past the track leaves the value alone
    EXPECT_EQ(value(1), 1000);
    drag(2, 45 + 30);
    EXPECT_EQ(value(2), 200);
    EXPECT_EQ(editor.selected, 2);
}

TEST_F(StateWidgetTest, DragsOverTheEndRowMotionWithoutAButtonAndInputWhileRunningEditNothing) {
    editor.selected = 1;
    EXPECT_TRUE(drag(3, 45 + 100));  // consumed all the same
    EXPECT_FALSE(drag(2, 45 + 100, 12, 0));
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    EXPECT_FALSE(editor.handleEvent(key));
    app.world.running = true;
    EXPECT_FALSE(press(1, 45 + 100));
    EXPECT_FALSE(drag(2, 0));
    EXPECT_EQ(editor.selected, 1);
    EXPECT_EQ(value(0) * 1000000 + value(1) * 1000 + value(2), 100200300);
}

TEST_F(StateWidgetTest, TheWheelScrollsALongProgramTakingTheSelectionAlongAndPressesFollow) {
    program().resize(40);  // 41 rows; 688 pixels hold 21 whole rows
    Widget screen;
    screen.children = {&editor};
    editor.parent = &screen;
    app.screens.clear();
    pushScreen(&screen);
    struct Case {
        int notches;  // negative: up
        int firstRow, selected;
    } cases[] = {{1, 3, 3}, {10, 20, 20}, {-2, 14, 20}, {-10, 0, 20}, {3, 9, 20}};
    for (Case c : cases) {
        for (int i = 0; i < std::abs(c.notches); ++i) {
            processEvent(mousePress(sdlX(100), sdlY(3, 12),
                                    c.notches < 0 ? SDL_BUTTON_WHEELUP : SDL_BUTTON_WHEELDOWN));
        }
        EXPECT_EQ(editor.firstRow, c.firstRow) << c.notches;
        EXPECT_EQ(editor.selected, c.selected) << c.notches;
    }

    // Presses land on the rows shown; the half row at the bottom is out of reach.
    EXPECT_TRUE(press(0, 45 + 75));
    EXPECT_EQ(editor.selected, 9);
    EXPECT_EQ(value(9), 500);
    EXPECT_TRUE(press(21, 45 + 75, 20));
    EXPECT_TRUE(drag(21, 45 + 75, 20));
    EXPECT_EQ(editor.selected, 9);
    EXPECT_EQ(value(30), 0);
    app.screens.clear();
}

TEST(StateWidget, TheHighlightFollowsTheWaitingInstructionElseTheNextOne) {
    VirtualMachine machine;
    machine.pc = 4;
    machine.currentLine = 3;
    machine.waitCounter = 0;
    EXPECT_EQ(StateWidget::highlightRow(machine), 4);
    machine.waitCounter = 1;
    EXPECT_EQ(StateWidget::highlightRow(machine), 3);
}

}  // namespace
