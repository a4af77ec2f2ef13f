#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Application.h"
#include "missions/Level.h"
#include "screens/StateWidget.h"
#include "sim/Rocket.h"
#include "tests/support/GlTestWindow.h"

namespace {

class EmptyLevel : public Level {
public:
    EmptyLevel() : Level("Empty", "", 1.0f, 2.0f) {}
    void setup(World& world) override { world.rocket->radius = 8.0; }
};

// Row colours survive smoothing and blending over black as channel ratios:
// "dark", "grey", "selected" (pink), "executing" (blue) or "other".
std::string shadeOf(Rgba p) {
    int r = p.r, g = p.g, b = p.b;
    if (std::max({r, g, b}) < 40) return "dark";
    auto near = [](int a, int b) { return std::abs(a - b) * 10 <= std::max(a, b); };
    if (near(r, g) && near(g, b)) return "grey";
    if (near(g, b) && r * 10 >= g * 11) return "selected";
    if (near(r, g) && b * 10 >= r * 11) return "executing";
    return "other";
}

// Anything drawn at all: half-covered smoothed grey lines stay near 64.
bool shows(Rgba p) { return std::max({p.r, p.g, p.b}) >= 24; }

// The editor at its place in a 1280 x 720 window, showing T 500, W 200, L 1000.
class StateWidgetDrawTest : public ::testing::Test {
protected:
    static constexpr int left = 1024, bottom = 32, height = 688;

    void SetUp() override {
        openTestWindow(1280, 720);
        app.world.level = &level;
        app.world.running = false;
        app.world.clearProgramAndReset();
        add(Thrust, 500);
        add(Wait, 200);
        add(Left, 1000);
        editor.min = Vec2f(left, bottom);
        editor.max = Vec2f(1280, 720);
    }
    void add(uint8_t opcode, int value) {
        Instruction instruction;
        instruction.opcode = opcode;
        instruction.value = value;
        app.world.rocket->program.push_back(instruction);
    }
    Image render() {
        usePixelProjection();
        clearWindow();
        editor.draw();
        return readPixels();
    }
    // Window y of a height measured from row i's lower edge.
    static int rowY(int row, int y) { return bottom + height - 32 * (row + 1) + y; }

    // The brightest pixel of the row frame's upper line, away from texts and knobs.
    std::string frameShade(const Image& image, int row) {
        Rgba best;
        for (int y = rowY(row, 23); y <= rowY(row, 25); ++y) {
            Rgba p = image.pixel(left + 100, y);
            if (p.r + p.g + p.b > best.r + best.g + best.b) best = p;
        }
        return shadeOf(best);
    }
    // The columns inside the track that are lit between the track and the knob's top.
    std::vector<int> knobColumns(const Image& image, int row) {
        std::vector<int> columns;
        for (int x = 46; x <= 193; ++x) {
            if (shows(image.pixel(left + x, rowY(row, 16)))) columns.push_back(x);
        }
        return columns;
    }

    EmptyLevel level;
    StateWidget editor;
};

TEST_F(StateWidgetDrawTest, TheSelectedRowIsPinkAndTheOthersGreyWhileEditing) {
    editor.editable = true;
    editor.selected = 1;
    Image image = render();
    EXPECT_EQ(frameShade(image, 0), "grey");
    EXPECT_EQ(frameShade(image, 1), "selected");
    EXPECT_EQ(frameShade(image, 2), "grey");
    EXPECT_EQ(frameShade(image, 3), "grey");

    editor.selected = 3;  // the end row
    image = render();
    EXPECT_EQ(frameShade(image, 1), "grey");
    EXPECT_EQ(frameShade(image, 3), "selected");
    EXPECT_EQ(frameShade(image, 4), "dark");  // no row below the end row
}

TEST_F(StateWidgetDrawTest, WhileRunningTheExecutingRowIsBlueAndTheSelectionIsNotShown) {
    editor.editable = false;
    editor.selected = 0;
    Rocket& rocket = *app.world.rocket;
    rocket.pc = 2;
    rocket.currentLine = 1;
    rocket.waitCounter = 0;
    Image image = render();
    EXPECT_EQ(frameShade(image, 0), "grey");
    EXPECT_EQ(frameShade(image, 1), "grey");
    EXPECT_EQ(frameShade(image, 2), "executing");

    rocket.waitCounter = 5;  // the Wait is counting down
    image = render();
    EXPECT_EQ(frameShade(image, 1), "executing");
    EXPECT_EQ(frameShade(image, 2), "grey");
}

TEST_F(StateWidgetDrawTest, TheSelectedOrExecutingRowIsScrolledIntoViewWhereverTheKeysTakeIt) {
    for (int i = 0; i < 37; ++i) add(Thrust, 0);  // 41 rows; 688 pixels hold 21 whole rows
    struct Case {
        bool editable;
        int row, firstRow;  // row: selected, or executing while running
        const char* shade;
    } cases[] = {
        {true, 40, 20, "selected"}, {true, 2, 2, "selected"}, {false, 30, 10, "executing"}};
    for (const Case& c : cases) {
        editor.editable = c.editable;
        editor.selected = c.row;
        app.world.rocket->pc = c.row;
        Image image = render();
        EXPECT_EQ(editor.firstRow, c.firstRow) << c.row;
        EXPECT_EQ(frameShade(image, c.row - c.firstRow), c.shade) << c.row;
    }
}

TEST_F(StateWidgetDrawTest, EachKnobStandsWhereItsValueFallsOnTheTrack) {
    Image image = render();
    struct Case {
        int row, knob;
    };
    // 45 + trunc(value * 150 / 1000): 500 -> 120, 200 -> 75, 1000 -> 195.
    for (Case c : {Case{0, 120}, Case{1, 75}}) {
        std::vector<int> columns = knobColumns(image, c.row);
        ASSERT_FALSE(columns.empty()) << "row " << c.row;
        EXPECT_GE(columns.front(), c.knob - 1) << "row " << c.row;
        EXPECT_LE(columns.back(), c.knob + 1) << "row " << c.row;
    }
    EXPECT_TRUE(knobColumns(image, 2).empty());  // 1000 sits at the track's right end

    app.world.rocket->program[1].value = 333;  // 45 + 49
    image = render();
    std::vector<int> columns = knobColumns(image, 1);
    ASSERT_FALSE(columns.empty());
    EXPECT_GE(columns.front(), 93);
    EXPECT_LE(columns.back(), 95);
}

TEST_F(StateWidgetDrawTest, InstructionRowsShowTrackLetterAndValueButTheEndRowOnlyItsFrame) {
    Image image = render();
    auto litIn = [&](int row, int x0, int x1, int y0, int y1) {
        return image.countPixels(PixelRect{left + x0, rowY(row, y0), x1 - x0, y1 - y0}, shows);
    };
    for (int row = 0; row < 3; ++row) {
        EXPECT_GT(litIn(row, 50, 190, 11, 14), 100) << "track of row " << row;
        EXPECT_GT(litIn(row, 8, 28, 4, 22), 0) << "letter of row " << row;
        EXPECT_GT(litIn(row, 207, 248, 4, 22), 0) << "value of row " << row;
    }
    EXPECT_EQ(litIn(3, 8, 248, 3, 22), 0);
}

TEST_F(StateWidgetDrawTest, ALongProgramIsCutOffAtTheEditorsEdgeAndNothingIsDrawnOutside) {
    for (int i = 0; i < 40; ++i) add(Thrust, 25 * i);
    Image image = render();
    int outside = image.countPixels(PixelRect{0, 0, left, 720}, shows) +
                  image.countPixels(PixelRect{left, 0, 256, bottom}, shows);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(image.countPixels(PixelRect{left, bottom, 256, 40}, shows), 0);
}

}  // namespace
