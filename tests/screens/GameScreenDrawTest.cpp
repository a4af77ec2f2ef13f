#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/Application.h"
#include "app/Button.h"
#include "render/Font.h"
#include "screens/GameScreen.h"
#include "sim/Rocket.h"
#include "tests/support/GlTestWindow.h"
#include "tests/support/PlaySeam.h"

namespace {

constexpr double pi = 3.141592653589793;

SDL_Event keyDown(int sym) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLKey(sym);
    return event;
}

class GameScreenDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        openTestWindow(1280, 720);
        screen = &enterMission("Turn II");
        screen->update();
    }
    void TearDown() override { leavePlay(); }

    void press(int sym) { dispatchEvent(keyDown(sym)); }
    void add(int opcodeKey, const char* digits) {
        press(opcodeKey);
        screen->update();
        for (const char* d = digits; *d; ++d) press(*d);
    }
    Image render() {
        screen->draw();
        return readPixels();
    }
    // A button's left frame line: lit over nearly the whole button height.
    static bool frameEdgeAt(const Image& image, int x) {
        int lit = 0;
        for (int y = 6; y <= 26; ++y) {
            Rgba p = image.pixel(x, y);
            lit += std::max({p.r, p.g, p.b}) >= 90;
        }
        return lit >= 19;
    }
    static std::string edges(const Image& image) {
        std::string found;
        for (int x : {8, 125, 210, 280, 295, 380, 465, 582, 667, 752, 869})
            found += frameEdgeAt(image, x + 1) ? 'X' : '.';
        return found;
    }

    GameScreen* screen = nullptr;
};

TEST_F(GameScreenDrawTest, TheButtonBarShowsTurboInPlaceOfThrustOnlyWhileRunning) {
    //                   Run Left Right Turbo Thrust Wait Sleep Del Up Down Quit
    EXPECT_EQ(edges(render()), "XXX.XXXXXXX");

    add(SDLK_l, "1000");
    add(SDLK_w, "40");
    add(SDLK_r, "1000");
    add(SDLK_t, "500");
    press(SDLK_RETURN);
    for (int i = 0; i < 12; ++i) screen->update();
    ASSERT_TRUE(app.world.running);
    Image running = render();
    EXPECT_EQ(edges(running), "X..X......X");
    saveScreenshotIfAsked("turn_ii_running_1280x720");

    press(SDLK_RETURN);
    screen->update();
    EXPECT_EQ(edges(render()), "XXX.XXXXXXX");
}

// Renders `text` alone where the screen puts a read-out and compares the
// part of the bar that it covers.
class ReadoutTest : public GameScreenDrawTest {
protected:
    void expectReadout(const Image& shown, const std::string& text, int x) {
        usePixelProjection();
        clearWindow();
        glEnable(GL_TEXTURE_2D);
        glColor3f(1, 1, 1);
        drawText(*app.font, text, Vec2f(float(x), 8));
        Image expected = readPixels();
        int width = int(textSize(*app.font, text).x) + 4;
        int differing = 0;
        for (int y = 0; y < 32; ++y)
            for (int px = x - 4; px < x + width; ++px) {
                Rgba a = shown.pixel(px, y), b = expected.pixel(px, y);
                differing += a.r != b.r || a.g != b.g || a.b != b.b;
            }
        EXPECT_EQ(differing, 0) << "expected \"" << text << "\"";
    }
};

TEST_F(ReadoutTest, WhileRunningTheBarReadsTimeVelocityInThousandthsAndHeadingInDegrees) {
    press(SDLK_RETURN);
    screen->update();
    ASSERT_TRUE(app.world.running);
    Rocket& rocket = *app.world.rocket;
    app.world.time = 1234;
    rocket.velocity = Vec2(0.0015, -0.25);
    rocket.angle = -pi / 2;
    Image shown = render();
    expectReadout(shown, "Time:    1234", 110);
    expectReadout(shown, "Vel:   1.50,-250.00", 380);
    expectReadout(shown, "Angle:  270.00", 650);

    rocket.angle = 4 * pi + pi / 4;
    shown = render();
    expectReadout(shown, "Angle:  45.00", 650);
}

TEST_F(ReadoutTest, WhileStoppedThereIsNoReadout) {
    Image shown = render();
    for (int x : {90, 545, 832}) {  // gaps between the buttons
        EXPECT_EQ(shown.countPixels(PixelRect{x, 0, 30, 32}, isLit), 0) << x;
    }
    press(SDLK_RETURN);
    screen->update();
    shown = render();
    EXPECT_GT(shown.countPixels(PixelRect{90, 0, 30, 32}, isLit), 0);
    EXPECT_GT(shown.countPixels(PixelRect{545, 0, 30, 32}, isLit), 0);
}

}  // namespace
