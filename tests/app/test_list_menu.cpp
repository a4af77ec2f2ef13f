#include <gtest/gtest.h>

#include <vector>

#include "app/Application.h"
#include "app/ListMenu.h"
#include "app/MainLoop.h"
#include "render/Font.h"
#include "tests/support/SdlEvents.h"

namespace {

class RecordingMenu : public ListMenu {
public:
    std::vector<int> activated;
    void activate(int index) override { activated.push_back(index); }
};

// A four-item menu in a 1280 x 720 window, measured with a font of 16-pixel
// cells and line spacing 2, so each item box is 18 pixels high and the items
// are 32 pixels apart: item i spans window rows 384 - 32 i to 402 - 32 i.
class ListMenuInput : public ::testing::Test {
protected:
    RecordingMenu menu;

    static void SetUpTestSuite() {
        app.textures.headless = true;
        static Font font("images/font.png", -5, 2);
        font.glyphWidth = 16;
        font.glyphHeight = 16;
        app.font = &font;
    }
    void SetUp() override {
        app.width = 1280;
        app.height = 720;
        app.screens.clear();
        menu.items = {"One", "Two", "Three", "Four"};
        pushScreen(&menu);
    }
    static int itemTop(int i) { return 720 / 2 - 32 * i + 24; }
    // Moves the mouse to a window row.
    void moveTo(int x, int row) { menu.handleEvent(mouseMotion(x, 719 - row)); }
};

}  // namespace

TEST_F(ListMenuInput, APressAnywhereActivatesTheItemUnderTheMouse) {
    moveTo(5, itemTop(2) + 5);
    EXPECT_EQ(menu.selected, 2);
    processEvent(mousePress(1200, 10, SDL_BUTTON_RIGHT));
    EXPECT_EQ(menu.activated, std::vector<int>{2});
}

TEST_F(ListMenuInput, MotionSelectsByRowOnlyAndKeepsTheSelectionBetweenItems) {
    moveTo(0, itemTop(1));
    EXPECT_EQ(menu.selected, 1) << "the bottom of an item box counts";
    moveTo(1279, itemTop(3) + 18);
    EXPECT_EQ(menu.selected, 3) << "the top of an item box counts";
    moveTo(640, itemTop(2) + 25);
    EXPECT_EQ(menu.selected, 3) << "the gap between items selects nothing";
    moveTo(640, 719);
    EXPECT_EQ(menu.selected, 3);
    EXPECT_TRUE(menu.activated.empty());
}

TEST_F(ListMenuInput, WhereItemBoxesOverlapTheLaterItemWins) {
    app.font->glyphHeight = 40;  // boxes 42 high, 32 apart
    moveTo(0, itemTop(1) + 2);
    app.font->glyphHeight = 16;
    EXPECT_EQ(menu.selected, 2);
}

TEST_F(ListMenuInput, ReturnActivatesTheSelectionAndEscapeTheLastItem) {
    menu.selected = 2;
    menu.handleEvent(keyPress(SDLK_RETURN));
    menu.selected = 1;
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_ESCAPE)));
    EXPECT_EQ(menu.selected, 3);
    EXPECT_EQ(menu.activated, (std::vector<int>{2, 3}));
}

TEST_F(ListMenuInput, UpAndDownStopAtTheEndsAndOnlyKeysAreConsumed) {
    menu.handleEvent(keyPress(SDLK_UP));
    EXPECT_EQ(menu.selected, 0);
    for (int i = 0; i < 5; ++i) menu.handleEvent(keyPress(SDLK_DOWN));
    EXPECT_EQ(menu.selected, 3);
    menu.handleEvent(keyPress(SDLK_UP));
    EXPECT_EQ(menu.selected, 2);
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_q)));
    EXPECT_EQ(menu.selected, 2);
    EXPECT_FALSE(menu.handleEvent(sdlEvent(SDL_KEYUP)));
    EXPECT_FALSE(menu.handleEvent(sdlEvent(SDL_MOUSEBUTTONUP)));
    EXPECT_TRUE(menu.activated.empty());
}

TEST_F(ListMenuInput, AnEmptyMenuActivatesNothing) {
    menu.items.clear();
    for (SDLKey key : {SDLK_ESCAPE, SDLK_RETURN, SDLK_DOWN}) menu.handleEvent(keyPress(key));
    menu.handleEvent(mousePress(0, 0));
    EXPECT_TRUE(menu.activated.empty());
}
