#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "render/Font.h"
#include "render/Texture.h"
#include "tests/support/GlTestWindow.h"

namespace {

// Every cell of the "coded" fixture font is filled with a colour that names
// its character, so a read-back pixel tells which cell was drawn there; the
// cells of codes 128 to 255 are white, so drawing any of them shows.
const uint8_t codeBlue = 77;

Rgba codeColour(int k) { return Rgba{uint8_t(k), uint8_t(255 - k), codeBlue, 255}; }

// The character whose cell covers a pixel; -1 for the black background,
// -2 for anything else.
int glyphAt(const Image& image, int x, int y) {
    Rgba p = image.pixel(x, y);
    if (isBlack(p)) return -1;
    if (p.b == codeBlue && p.r < 128 && p.g == 255 - p.r) return p.r;
    return -2;
}

std::string codedFontFile(int cell) {
    std::string path = scratchPath("coded_font_" + std::to_string(cell) + ".png");
    Canvas canvas(16 * cell, 16 * cell);
    for (int k = 0; k < 256; ++k) {
        Rgba colour = k < 128 ? codeColour(k) : Rgba{255, 255, 255, 255};
        canvas.fillRect(k % 16 * cell, k / 16 * cell, cell, cell, colour);
    }
    EXPECT_TRUE(canvas.savePng(path));
    return path;
}

class FontTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        openTestWindow(400, 200);
        large = new Font(codedFontFile(32), -5, 2);
        small = new Font(codedFontFile(16), -9, -5);
    }

    void SetUp() override {
        usePixelProjection();
        clearWindow();
        glEnable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
    }

    static Font* large;  // 32-pixel cells, spacing -5 / 2
    static Font* small;  // 16-pixel cells, spacing -9 / -5
};

Font* FontTest::large = nullptr;
Font* FontTest::small = nullptr;

}  // namespace

TEST_F(FontTest, SheetsAreCutIntoSixteenBySixteenCellsAndAMissingOneDrawsNothing) {
    Canvas wide(512, 256, Rgba{255, 255, 255, 255});
    ASSERT_TRUE(wide.savePng(scratchPath("wide_font.png")));
    Font font(scratchPath("wide_font.png"), 0, 0);
    EXPECT_FLOAT_EQ(font.glyphWidth, 32.0f);
    EXPECT_FLOAT_EQ(font.glyphHeight, 16.0f);
    EXPECT_EQ(font.texture, Font(scratchPath("wide_font.png"), 1, 1).texture);

    Font missing(scratchPath("missing_font.png"), -5, 2);
    EXPECT_EQ(missing.texture->glName, 0u);
    EXPECT_FLOAT_EQ(missing.glyphWidth, 0.0f);
    drawText(missing, "Hello", Vec2f(100, 100));
    EXPECT_EQ(readPixels().countPixels(isLit), 0);
}

// Advances are 27 and 7 pixels, lines 34 and 11; a tab goes to the next
// multiple of four columns and any byte above ASCII takes one column.
TEST_F(FontTest, TextMeasuresItsWidestLineInColumnsAndOneLineAdvancePerLine) {
    const struct {
        bool small;
        const char* text;
        float width, height;
    } cases[] = {{false, "", 0, 34},
                 {true, "", 0, 11},
                 {false, "Thrust", 27 * 6, 34},
                 {true, "Thrust", 7 * 6, 11},
                 {false, "a\tb", 27 * 5, 34},
                 {false, "\t", 27 * 4, 34},
                 {false, "abcd\t", 27 * 8, 34},
                 {false, "ab\ncd", 27 * 2, 68},
                 {false, "a\nlonger\nab", 27 * 6, 102},
                 {false, "a\n\n", 27, 102},
                 {false, "a\xC3\xA9", 27 * 3, 34}};
    for (const auto& c : cases) {
        Vec2f size = textSize(c.small ? *small : *large, c.text);
        EXPECT_FLOAT_EQ(size.x, c.width) << c.text;
        EXPECT_FLOAT_EQ(size.y, c.height) << c.text;
    }
}

// Cells start charSpacing / 2 left of the pen and advance by the cell size
// plus charSpacing: 32-pixel cells by 27 from 2 pixels left, 16-pixel cells
// by 7 from 4 pixels left. Bytes above ASCII draw nothing.
TEST_F(FontTest, EachCharacterIsDrawnFromItsCellAtItsColumnAndLine) {
    struct Probe {
        int x, y, glyph;  // -1: background
    };
    const struct {
        bool small;
        const char* text;
        std::vector<Probe> probes;
    } cases[] = {
        {false,
         "AB",
         {{97, 110, -1},
          {98, 110, 'A'},
          {124, 110, 'A'},
          {125, 110, 'B'},
          {156, 110, 'B'},
          {157, 110, -1},
          {110, 99, -1},
          {110, 100, 'A'},
          {110, 131, 'A'},
          {110, 132, -1}}},
        {true,
         "xy",
         {{95, 105, -1},
          {96, 105, 'x'},
          {102, 105, 'x'},
          {103, 105, 'y'},
          {118, 105, 'y'},
          {119, 105, -1}}},
        {false,
         "a\tb",
         {{114, 110, 'a'},
          {141, 110, -1},
          {168, 110, -1},
          {195, 110, -1},
          {222, 110, 'b'},
          {249, 110, -1}}},
        {false,
         "ab\ncd",
         {{114, 116, 'a'},
          {141, 116, 'b'},
          {114, 82, 'c'},
          {141, 82, 'd'},
          {114, 66, 'c'},
          {114, 65, -1},
          {168, 82, -1}}},
        {false, "a\xC3\xA9z", {{114, 110, 'a'}, {141, 110, -1}, {168, 110, -1}, {195, 110, 'z'}}},
        {false,
         " 09AZaz~!",
         {{114, 116, ' '},
          {141, 116, '0'},
          {168, 116, '9'},
          {195, 116, 'A'},
          {222, 116, 'Z'},
          {249, 116, 'a'},
          {276, 116, 'z'},
          {303, 116, '~'},
          {330, 116, '!'}}},
    };
    for (const auto& c : cases) {
        clearWindow();
        drawText(c.small ? *small : *large, c.text, Vec2f(100, 100));
        Image shot = readPixels();
        for (const Probe& p : c.probes)
            EXPECT_EQ(glyphAt(shot, p.x, p.y), p.glyph) << c.text << " at " << p.x << "," << p.y;
        EXPECT_EQ(shot.countPixels([](Rgba p) { return p.r == 255 && p.g == 255; }), 0)
            << c.text << ": a cell above ASCII was drawn";
    }
}

TEST_F(FontTest, ARegionIsCutToTheImageOnEverySideAndTheQuadShrinks) {
    const Texture& t = *large->texture;
    drawImageRegion(t, Vec2f(600, 0), Vec2f(32, 32), Vec2f(10, 10));  // wholly outside
    drawImageRegion(t, Vec2f(0, -40), Vec2f(32, 32), Vec2f(10, 10));
    EXPECT_EQ(readPixels().countPixels(isLit), 0);
    drawImageRegion(t, Vec2f(500, 0), Vec2f(32, 32), Vec2f(10, 10));  // past the right edge
    EXPECT_EQ(readPixels().countPixels(PixelRect{10, 10, 12, 32}, isLit), 12 * 32);
    EXPECT_EQ(readPixels().countPixels(isLit), 12 * 32);
    clearWindow();
    drawImageRegion(t, Vec2f(0, 500), Vec2f(32, 32), Vec2f(10, 10));  // past the top
    Image shot = readPixels();
    EXPECT_EQ(shot.countPixels(isLit), 32 * 12);
    EXPECT_EQ(glyphAt(shot, 20, 21), 0);  // the top rows of the image hold character 0
}

TEST_F(FontTest, ARegionStartingLeftOfTheImageStillEndsAtItsRightEdge) {
    // A 32 x 32 image fills its texture exactly, so reading past its right
    // edge would wrap around to its left half.
    Canvas canvas(32, 32, codeColour('L'));
    canvas.fillRect(16, 0, 16, 32, codeColour('R'));
    ASSERT_TRUE(canvas.savePng(scratchPath("halves.png")));
    drawImageRegion(*getTexture(scratchPath("halves.png")), Vec2f(-8, 0), Vec2f(40, 8),
                    Vec2f(10, 10));
    Image shot = readPixels();
    EXPECT_EQ(shot.countPixels(isLit), 32 * 8);
    EXPECT_EQ(glyphAt(shot, 10, 12), 'L');
    EXPECT_EQ(glyphAt(shot, 41, 12), 'R');
    EXPECT_EQ(glyphAt(shot, 45, 12), -1);
}

TEST_F(FontTest, AWholeImageIsDrawnUprightAtItsPixelSizeAndStaysBound) {
    Canvas canvas(20, 10, codeColour('g'));
    canvas.fillRect(0, 0, 20, 1, codeColour('t'));  // top row of the file
    ASSERT_TRUE(canvas.savePng(scratchPath("picture.png")));
    Texture* t = getTexture(scratchPath("picture.png"));
    drawImage(*t, Vec2f(30, 40));
    Image shot = readPixels();
    EXPECT_EQ(shot.countPixels(isLit), 200);
    EXPECT_EQ(shot.countPixels(PixelRect{30, 40, 20, 10}, isLit), 200);
    EXPECT_EQ(glyphAt(shot, 30, 49), 't');
    EXPECT_EQ(glyphAt(shot, 49, 48), 'g');
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), t->glName);
}

// The font the game ships, loaded as start-up loads it.
TEST_F(FontTest, TheShippedFontDrawsInTheGlColourInsideItsBoxWithInkInEveryColumn) {
    const Font& font = *app.font;
    const std::string text = "Thrust";
    Vec2f origin(100, 100);
    glColor3f(1.0f, 0.0f, 0.0f);
    drawText(font, text, origin);
    saveScreenshotIfAsked("font_thrust");
    Image shot = readPixels();
    float advance = font.glyphWidth + float(font.charSpacing);
    PixelRect box{int(origin.x) + font.charSpacing / 2, int(origin.y),
                  int(advance * float(text.size()) + font.glyphWidth), int(font.glyphHeight)};
    int lit = shot.countPixels(isLit);
    EXPECT_GT(lit, 60);
    EXPECT_EQ(shot.countPixels(box, isLit), lit) << "ink outside the text's cells";
    auto isPureRed = [](Rgba p) { return p.r > 0 && p.g == 0 && p.b == 0; };
    EXPECT_EQ(shot.countPixels(isPureRed), shot.countPixels([](Rgba p) { return !isBlack(p); }));
    EXPECT_GT(shot.countPixels([](Rgba p) { return p.r == 255; }), 20);
    for (size_t i = 0; i < text.size(); ++i) {
        PixelRect column{int(origin.x + advance * float(i)), int(origin.y), int(advance),
                         int(font.glyphHeight)};
        EXPECT_GT(shot.countPixels(column, isLit), 5) << "no ink for '" << text[i] << "'";
    }
}
