#include <gtest/gtest.h>

#include <vector>

#include "app/Application.h"
#include "app/Button.h"
#include "app/MainLoop.h"
#include "app/Widget.h"
#include "tests/support/SdlEvents.h"

namespace {

// A screen that records the events offered to it and accepts them all.
class RecordingScreen : public Widget {
public:
    std::vector<Uint8> seen;
    bool handleEvent(const SDL_Event& event) override {
        seen.push_back(event.type);
        return true;
    }
};

// A button that records what it is offered before behaving as a button.
class RecordingButton : public Button {
public:
    using Button::Button;
    std::vector<Uint8> seen;
    bool handleEvent(const SDL_Event& event) override {
        seen.push_back(event.type);
        return Button::handleEvent(event);
    }
};

// A screen of 1280 x 720 with two buttons side by side.
class ClickRouting : public ::testing::Test {
protected:
    RecordingScreen screen;
    RecordingButton left{&screen};
    RecordingButton right{&screen};

    void SetUp() override {
        app.width = 1280;
        app.height = 720;
        app.screens.clear();
        app.focus = nullptr;
        left.min = Vec2f(100, 100);
        left.max = Vec2f(200, 140);
        right.min = Vec2f(300, 100);
        right.max = Vec2f(400, 140);
        screen.children = {&left, &right};
        pushScreen(&screen);
    }
    // Presses at a window point (origin bottom-left).
    static void pressAt(float x, float y) {
        processEvent(mousePress(int(x), int(app.height - 1 - y)));
    }
};

}  // namespace

TEST_F(ClickRouting, PressOnEveryEdgeOfAButtonSetsClicked) {
    for (Vec2f p : {Vec2f(200, 120), Vec2f(100, 120), Vec2f(150, 100), Vec2f(150, 140)}) {
        left.clicked = false;
        pressAt(p.x, p.y);
        EXPECT_TRUE(left.clicked) << p.x << "," << p.y;
        EXPECT_EQ(app.focus, &left);
    }
}

TEST_F(ClickRouting, TheWheelPressesNoButtonReachesNoScreenAndLeavesTheFocus) {
    for (Uint8 wheel : {Uint8(SDL_BUTTON_WHEELUP), Uint8(SDL_BUTTON_WHEELDOWN)}) {
        SDL_Event notch = mousePress(150, 719 - 120, wheel);  // on the left button
        processEvent(notch);
        notch.type = SDL_MOUSEBUTTONUP;
        processEvent(notch);
    }
    EXPECT_FALSE(left.clicked);
    EXPECT_TRUE(left.seen.empty() && screen.seen.empty());
    EXPECT_EQ(app.focus, &screen);
}

TEST_F(ClickRouting, PressesBesideOrOnAHiddenButtonFocusTheScreen) {
    pressAt(201, 120);
    EXPECT_FALSE(left.clicked);
    EXPECT_EQ(app.focus, &screen);
    pressAt(350, 120);
    pressAt(640, 600);  // far from every child, after a button had the focus
    EXPECT_EQ(app.focus, &screen);
    left.hidden = true;
    pressAt(150, 120);
    EXPECT_FALSE(left.clicked);
    EXPECT_TRUE(left.seen.empty());
    EXPECT_EQ(app.focus, &screen);
    EXPECT_EQ(screen.seen.size(), 3u);
}

TEST_F(ClickRouting, KeyAfterFocusingAButtonGoesToTheButtonThenToItsScreen) {
    pressAt(350, 120);
    ASSERT_EQ(app.focus, &right);
    EXPECT_TRUE(screen.seen.empty()) << "the button consumes the press";
    processEvent(keyPress(SDLK_a));
    EXPECT_EQ(right.seen, (std::vector<Uint8>{SDL_MOUSEBUTTONDOWN, SDL_KEYDOWN}));
    EXPECT_EQ(screen.seen, std::vector<Uint8>{SDL_KEYDOWN});
    EXPECT_TRUE(left.seen.empty());
}

TEST_F(ClickRouting, OverlapsGoToTheEarlierChildAndNestingToTheDeepest) {
    right.min = Vec2f(150, 100);
    pressAt(180, 120);
    EXPECT_TRUE(left.clicked);
    EXPECT_FALSE(right.clicked);

    left.clicked = false;
    RecordingButton inner(&left);
    inner.min = Vec2f(110, 110);
    inner.max = Vec2f(120, 120);
    left.children = {&inner};
    pressAt(115, 115);
    EXPECT_EQ(app.focus, &inner);
    EXPECT_TRUE(inner.clicked);
    EXPECT_FALSE(left.clicked);
}

TEST_F(ClickRouting, ATopLeftPressLandsOnTheTopRowOfTheWindow) {
    Button corner(&screen);
    corner.min = Vec2f(0, 719);
    corner.max = Vec2f(0, 719);
    screen.children = {&corner};
    processEvent(mousePress(0, 0));
    EXPECT_TRUE(corner.clicked);
}

TEST(ButtonEvents, AFocusedButtonConsumesEveryPressButOnlyClicksInside) {
    app.height = 720;
    Button button(nullptr);
    button.min = Vec2f(10, 10);
    button.max = Vec2f(20, 20);
    EXPECT_TRUE(button.handleEvent(mousePress(50, 700)));
    EXPECT_FALSE(button.handleEvent(keyPress(SDLK_RETURN)));
    EXPECT_FALSE(button.clicked);
    EXPECT_TRUE(button.handleEvent(mousePress(15, 704)));
    EXPECT_TRUE(button.clicked);
}

TEST(ScreenStack, PushAndPopMoveTheFocusToTheTopScreen) {
    app.screens.clear();
    Widget bottom, top;
    pushScreen(&bottom);
    pushScreen(&top);
    EXPECT_EQ(currentScreen(), &top);
    EXPECT_EQ(app.focus, &top);
    popScreen();
    EXPECT_EQ(currentScreen(), &bottom);
    EXPECT_EQ(app.focus, &bottom);
    popScreen();
    EXPECT_EQ(app.focus, nullptr);
    popScreen();  // popping an empty stack is harmless
    EXPECT_TRUE(app.screens.empty());
}

TEST(Dispatch, AnEventDeclinedByTheWholeChainIsReportedUnhandled) {
    Widget screen;
    Button button(&screen);
    app.focus = &button;
    EXPECT_FALSE(dispatchEvent(keyPress(SDLK_SPACE)));
    app.focus = nullptr;
    EXPECT_FALSE(dispatchEvent(keyPress(SDLK_SPACE)));
}

TEST(Coordinates, LocalPointsAreRelativeToTheLowerLeftCornerAndTruncatedTowardZero) {
    app.height = 720;
    Widget widget;
    widget.min = Vec2f(10.5f, 19.5f);
    LocalPoint inside = localPoint(widget, 15, 700);  // window (15, 19)
    EXPECT_EQ(inside.x, 4);
    EXPECT_EQ(inside.y, 0);                         // -0.5 truncates to 0, not -1
    LocalPoint below = localPoint(widget, 8, 710);  // window (8, 9)
    EXPECT_EQ(below.x, -2);
    EXPECT_EQ(below.y, -10);
}
