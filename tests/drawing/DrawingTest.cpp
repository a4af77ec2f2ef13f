// One check for each way the game draws, read back from a real GL window:
// text (through a texture), the space view's planets and goals, and the
// view's kept picture. The widgets' logic is tested without pixels.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/Options.h"
#include "app/Ui.h"
#include "missions/Mission.h"
#include "missions/Missions.h"
#include "tests/support/SimSupport.h"
#include "render/Font.h"
#include "platform/Window.h"
#include "render/DrawingSetup.h"
#include "render/Texture.h"
#include "render/WindowProjection.h"
#include "screens/GameScreen.h"
#include "screens/ProgramEditor.h"
#include "render/ViewLayer.h"
#include "sim/Rocket.h"
#include "sim/World.h"

namespace {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;  // origin bottom-left, y up
};

// Pixels read back from the window: rows bottom-up, as GL numbers them.
struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    Rgba pixel(int x, int y) const {  // transparent black outside the image
        if (x < 0 || y < 0 || x >= width || y >= height) return Rgba();
        const uint8_t* p = rgba.data() + (size_t(y) * width + x) * 4;
        return Rgba{p[0], p[1], p[2], p[3]};
    }
    int countPixels(PixelRect r, const std::function<bool(Rgba)>& test) const {
        int n = 0;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) n += test(pixel(x, y));
        return n;
    }
};

// The game's own 1280 x 720 window, opened once, with the GL state and the
// fonts that start-up gives it.
struct TestWindow {
    TestWindow() {
        ui.width = mode.width;
        ui.height = mode.height;
        ui.font = &font;
        ui.smallFont = &smallFont;
        ui.textures = &textures;
    }
    static WindowMode open() {
        const WindowMode mode = openWindow(WindowMode{1280, 720, false});
        setUpDrawing();
        return mode;
    }
    WindowMode mode = open();  // before the fonts load their textures
    Ui ui;
    TextureCache textures;
    Font font{textures, "images/font.png", -5, 2};
    Font smallFont{textures, "images/font_small.png", -9, -5};
};

Ui& window() {
    static TestWindow* opened = new TestWindow;  // the context outlives every test
    return opened->ui;
}

// The whole window in pixels, as the menus draw.
void usePixelProjection() { projectOntoWindow(window().width, window().height); }

void clearWindow() {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// The back buffer: what the next swap would show.
Image readPixels() {
    const int width = window().width, height = window().height;
    Image image{width, height, std::vector<uint8_t>(size_t(width) * height * 4)};
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    return image;
}

// An opaque BMP (which the game's image loader reads whatever the name) whose
// pixel (x, y), y from the top, is colourAt(x, y).
bool writeImage(const std::string& path, int width, int height,
                const std::function<Rgba(int x, int yFromTop)>& colourAt) {
    SDL_Surface* image =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    if (!image) return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba c = colourAt(x, y);
            uint8_t* p = static_cast<uint8_t*>(image->pixels) + y * image->pitch + x * 3;
            std::tie(p[0], p[1], p[2]) = std::tie(c.r, c.g, c.b);
        }
    const bool saved = SDL_SaveBMP(image, path.c_str()) == 0;
    SDL_FreeSurface(image);
    return saved;
}

bool reddish(Rgba p) { return p.r >= 60 && p.g * 3 <= p.r && p.b * 3 <= p.r; }
bool greenish(Rgba p) { return p.g >= 60 && p.r * 3 <= p.g && p.b * 3 <= p.g; }
bool isLit(Rgba p) { return p.r > 64 || p.g > 64 || p.b > 64; }

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ui.width, 1280);
        ASSERT_EQ(ui.height, 720);
        usePixelProjection();
        clearWindow();
        glEnable(GL_TEXTURE_2D);
        glColor3f(1, 1, 1);
    }
    void TearDown() override { ui.screens.clear(); }
    ~Drawing() override {
        game.reset();
    }
    // The game screen of a mission as the player sees it while editing.
    GameScreen& play(const std::string& name) {
        if (missions.empty()) loadTestCampaign(missions);
        if (!game) game = std::make_unique<GameScreen>(ui, world, records, random, options, completion);
        ui.screens.clear();
        world.running = false;
        world.mission = missions.at(name).get();
        world.clearProgramAndReset();
        game->entered = true;
        ui.pushScreen(game.get());
        return *game;
    }

    Ui& ui = window();
    MissionRegistry missions;
    Records records;
    World world;
    std::mt19937 random;
    StoredOptions options{"options.dat", Settings()};
    Widget completion{ui};
    std::unique_ptr<GameScreen> game;
    Image show(GameScreen& screen) {
        screen.update();
        screen.draw();  // the view learns its size
        screen.update();
        screen.draw();
        return readPixels();
    }
};

}  // namespace

// Every cell of this font is filled with a colour that names its character,
// so a pixel tells which cell was drawn there. 32-pixel cells, spacing -5:
// cells advance by 27 from 2 pixels left of the pen; a tab goes to the next
// multiple of four columns; bytes above ASCII take a column and draw nothing.
TEST_F(Drawing, TextIsDrawnCellByCellAtItsColumnsAndLines) {
    ASSERT_TRUE(writeImage("coded_font.bmp", 512, 512, [](int x, int y) {
        const int k = y / 32 * 16 + x / 32;
        return k < 128 ? Rgba{uint8_t(k), uint8_t(255 - k), 77, 255} : Rgba{255, 255, 255, 255};
    }));
    Font font(*window().textures, "coded_font.bmp", -5, 2);
    auto glyphAt = [](const Image& image, int x, int y) {
        Rgba p = image.pixel(x, y);
        return p.r + p.g + p.b == 0 ? -1 : p.b == 77 && p.g == 255 - p.r ? int(p.r) : -2;
    };
    const struct {
        const char* text;
        std::vector<std::array<int, 3>> probes;  // x, y, character (-1: background)
    } cases[] = {
        // clang-format off
        {"AB", {{97, 110, -1}, {98, 110, 'A'}, {124, 110, 'A'}, {125, 110, 'B'}, {157, 110, -1},
                {110, 99, -1}, {110, 100, 'A'}, {110, 131, 'A'}, {110, 132, -1}}},
        {"a\tb", {{114, 110, 'a'}, {141, 110, -1}, {195, 110, -1}, {222, 110, 'b'}}},
        {"ab\ncd", {{114, 116, 'a'}, {141, 116, 'b'}, {114, 82, 'c'}, {141, 82, 'd'}, {114, 65, -1}}},
        {"a\xC3\xA9z", {{114, 110, 'a'}, {141, 110, -1}, {168, 110, -1}, {195, 110, 'z'}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        clearWindow();
        drawText(font, c.text, Vec2f(100, 100));
        Image shot = readPixels();
        for (const auto& p : c.probes)
            EXPECT_EQ(glyphAt(shot, p[0], p[1]), p[2]) << c.text << " at " << p[0] << "," << p[1];
        EXPECT_EQ(shot.countPixels({0, 0, 1280, 720}, [](Rgba p) { return p.r == 255 && p.g == 255; }), 0) << c.text;
    }
}

// Goals are red until met and green once met, whichever way they are drawn:
// circles round a body, round the origin, or a wedge on a turning planet.
// The backdrop and the goals that stand still are kept as a picture between
// frames: what is shown from it must be what painting gives.
TEST_F(Drawing, TheSpaceViewShowsGoalsRedUntilMetThenGreen) {
    const struct {
        const char* mission;
        Vec2 meetAt;
    } cases[] = {{"Turn II", Vec2(400, 0)},
                 {"Binary Orbit", Vec2(0, 400)},
                 {"Geostationary", Vec2(138.6, 57.4)}};
    for (const auto& c : cases) {
        GameScreen& screen = play(c.mission);
        const PixelRect view{0, 32, 1024, 688};
        Image before = show(screen);
        for (int frame = 0; frame < 2; ++frame) {  // kept, then copied
            screen.draw();
            EXPECT_TRUE(readPixels().rgba == before.rgba) << c.mission << " frame " << frame;
        }
        EXPECT_GT(before.countPixels(view, reddish), 200) << c.mission;
        EXPECT_LT(before.countPixels(view, greenish), 20) << c.mission;
        if (c.mission == std::string("Geostationary")) {  // the textured planet in the middle
            EXPECT_GT(before.countPixels(PixelRect{502, 366, 20, 20}, isLit), 300);
        }
        world.rocket->landed = false;
        world.rocket->position = c.meetAt;
        world.check();
        Image met = show(screen);
        EXPECT_GT(met.countPixels(view, greenish), 200) << c.mission;
        EXPECT_LT(met.countPixels(view, reddish), before.countPixels(view, reddish)) << c.mission;
    }
}
