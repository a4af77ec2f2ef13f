#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

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

// White squares in the middle of transparent 16-pixel cells, as real glyphs are.
std::string whiteGlyphFontFile() {
    std::string path = scratchPath("white_font.png");
    Canvas canvas(256, 256);
    for (int k = 0; k < 256; ++k)
        canvas.fillRect(k % 16 * 16 + 4, k / 16 * 16 + 4, 8, 8, {255, 255, 255, 255});
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

TEST_F(FontTest, GlyphSizesAreTheImageSizeOverSixteen) {
    EXPECT_FLOAT_EQ(large->glyphWidth, 32.0f);
    EXPECT_FLOAT_EQ(large->glyphHeight, 32.0f);
    EXPECT_EQ(large->charSpacing, -5);
    EXPECT_EQ(large->lineSpacing, 2);
    Canvas wide(512, 256, Rgba{255, 255, 255, 255});
    ASSERT_TRUE(wide.savePng(scratchPath("wide_font.png")));
    Font font(scratchPath("wide_font.png"), 0, 0);
    EXPECT_FLOAT_EQ(font.glyphWidth, 32.0f);
    EXPECT_FLOAT_EQ(font.glyphHeight, 16.0f);
    Font again(scratchPath("wide_font.png"), 1, 1);
    EXPECT_EQ(font.texture, again.texture);
}

TEST_F(FontTest, AMissingFontImageGivesAFontThatDrawsNothing) {
    Font font(scratchPath("missing_font.png"), -5, 2);
    EXPECT_EQ(font.texture->glName, 0u);
    EXPECT_FLOAT_EQ(font.glyphWidth, 0.0f);
    drawText(font, "Hello", Vec2f(100, 100));
    EXPECT_EQ(readPixels().countPixels(isLit), 0);
}

TEST_F(FontTest, TheEmptyStringMeasuresOneLineOfNoWidth) {
    Vec2f size = textSize(*large, "");
    EXPECT_FLOAT_EQ(size.x, 0.0f);
    EXPECT_FLOAT_EQ(size.y, 34.0f);
    size = textSize(*small, "");
    EXPECT_FLOAT_EQ(size.y, 11.0f);
}

TEST_F(FontTest, WidthIsTheAdvanceTimesTheWidestColumnCount) {
    EXPECT_FLOAT_EQ(textSize(*large, "Thrust").x, 27.0f * 6);
    EXPECT_FLOAT_EQ(textSize(*small, "Thrust").x, 7.0f * 6);
    EXPECT_FLOAT_EQ(textSize(*large, "a\tb").x, 27.0f * 5);
    EXPECT_FLOAT_EQ(textSize(*large, "\t").x, 27.0f * 4);
    EXPECT_FLOAT_EQ(textSize(*large, "abcd\t").x, 27.0f * 8);
    EXPECT_FLOAT_EQ(textSize(*large, "ab\ncd").x, 27.0f * 2);
    EXPECT_FLOAT_EQ(textSize(*large, "a\nlonger\nab").x, 27.0f * 6);
    EXPECT_FLOAT_EQ(textSize(*large, "a\xC3\xA9").x, 27.0f * 3);
}

TEST_F(FontTest, EachLineFeedAddsALineAdvanceToTheHeight) {
    EXPECT_FLOAT_EQ(textSize(*large, "ab\ncd").y, 68.0f);
    EXPECT_FLOAT_EQ(textSize(*large, "a\n\n").y, 102.0f);
}

TEST_F(FontTest, ThirtyTwoPixelCellsAdvanceTwentySevenAndStartTwoPixelsLeft) {
    drawText(*large, "AB", Vec2f(100, 100));
    Image shot = readPixels();
    EXPECT_EQ(glyphAt(shot, 97, 110), -1);
    EXPECT_EQ(glyphAt(shot, 98, 110), 'A');
    EXPECT_EQ(glyphAt(shot, 124, 110), 'A');
    EXPECT_EQ(glyphAt(shot, 125, 110), 'B');  // the second cell overlaps the first by 5
    EXPECT_EQ(glyphAt(shot, 156, 110), 'B');
    EXPECT_EQ(glyphAt(shot, 157, 110), -1);
    EXPECT_EQ(glyphAt(shot, 110, 99), -1);
    EXPECT_EQ(glyphAt(shot, 110, 100), 'A');
    EXPECT_EQ(glyphAt(shot, 110, 131), 'A');
    EXPECT_EQ(glyphAt(shot, 110, 132), -1);
}

TEST_F(FontTest, TheSmallFontAdvancesSevenAndStartsFourPixelsLeft) {
    drawText(*small, "xy", Vec2f(50, 50));
    Image shot = readPixels();
    EXPECT_EQ(glyphAt(shot, 45, 55), -1);
    EXPECT_EQ(glyphAt(shot, 46, 55), 'x');
    EXPECT_EQ(glyphAt(shot, 52, 55), 'x');
    EXPECT_EQ(glyphAt(shot, 53, 55), 'y');
    EXPECT_EQ(glyphAt(shot, 68, 55), 'y');
    EXPECT_EQ(glyphAt(shot, 69, 55), -1);
}

TEST_F(FontTest, EveryCharacterIsDrawnFromItsOwnGridCell) {
    const std::string text = " 09AZaz~!";
    drawText(*large, text, Vec2f(20, 120));
    Image shot = readPixels();
    for (size_t i = 0; i < text.size(); ++i)
        EXPECT_EQ(glyphAt(shot, 20 - 2 + 27 * int(i) + 16, 136), text[i]) << "character " << i;
}

TEST_F(FontTest, ATabMovesToTheNextMultipleOfFourColumns) {
    drawText(*large, "a\tb", Vec2f(20, 100));
    Image shot = readPixels();
    int columnX = 20 - 2 + 16;
    EXPECT_EQ(glyphAt(shot, columnX, 110), 'a');
    for (int col = 1; col < 4; ++col) EXPECT_EQ(glyphAt(shot, columnX + 27 * col, 110), -1);
    EXPECT_EQ(glyphAt(shot, columnX + 27 * 4, 110), 'b');
    EXPECT_EQ(glyphAt(shot, columnX + 27 * 5, 110), -1);
}

TEST_F(FontTest, ALineFeedStartsTheNextLineBelowAtTheOrigin) {
    drawText(*large, "ab\ncd", Vec2f(100, 100));
    Image shot = readPixels();
    EXPECT_EQ(glyphAt(shot, 114, 116), 'a');
    EXPECT_EQ(glyphAt(shot, 141, 116), 'b');
    // One line advance (32 + 2) lower.
    EXPECT_EQ(glyphAt(shot, 114, 100 - 34 + 16), 'c');
    EXPECT_EQ(glyphAt(shot, 141, 100 - 34 + 16), 'd');
    EXPECT_EQ(glyphAt(shot, 114, 66), 'c');
    EXPECT_EQ(glyphAt(shot, 114, 65), -1);
    EXPECT_EQ(glyphAt(shot, 168, 82), -1);
}

TEST_F(FontTest, BytesAboveAsciiDrawNothingAndTakeOneColumn) {
    drawText(*large, "\xC8\xFF", Vec2f(100, 100));
    EXPECT_EQ(readPixels().countPixels(isLit), 0);
    clearWindow();
    drawText(*large, "a\xC3\xA9z", Vec2f(20, 100));
    Image shot = readPixels();
    EXPECT_EQ(glyphAt(shot, 34, 110), 'a');
    EXPECT_EQ(glyphAt(shot, 34 + 27, 110), -1);
    EXPECT_EQ(glyphAt(shot, 34 + 54, 110), -1);
    EXPECT_EQ(glyphAt(shot, 34 + 81, 110), 'z');
    EXPECT_EQ(shot.countPixels([](Rgba p) { return p.r == 255 && p.g == 255; }), 0);
}

TEST_F(FontTest, GlyphsTakeTheCurrentGlColourAndTheirTransparencyShowsThrough) {
    Font white(whiteGlyphFontFile(), -5, 2);
    glColor3f(1.0f, 0.0f, 0.0f);
    drawText(white, "H", Vec2f(100, 100));
    Image shot = readPixels();
    auto isRed = [](Rgba p) { return p.r == 255 && p.g == 0 && p.b == 0; };
    // The 8 x 8 white square sits 4 pixels into the cell, which starts 2 left.
    EXPECT_EQ(shot.countPixels(PixelRect{102, 104, 8, 8}, isRed), 64);
    EXPECT_EQ(shot.countPixels(isLit), 64);
}

TEST_F(FontTest, ARegionPastTheRightOrTopEdgeIsCutAndTheQuadShrinks) {
    const Texture& t = *large->texture;
    drawImageRegion(t, Vec2f(500, 0), Vec2f(32, 32), Vec2f(10, 10));
    Image shot = readPixels();
    EXPECT_EQ(shot.countPixels(isLit), 12 * 32);
    EXPECT_EQ(shot.countPixels(PixelRect{10, 10, 12, 32}, isLit), 12 * 32);
    clearWindow();
    drawImageRegion(t, Vec2f(0, 500), Vec2f(32, 32), Vec2f(10, 10));
    shot = readPixels();
    EXPECT_EQ(shot.countPixels(isLit), 32 * 12);
    EXPECT_EQ(glyphAt(shot, 20, 21), 0);  // the top rows of the image hold character 0
}

TEST_F(FontTest, ARegionStartingLeftOfTheImageStillEndsAtItsRightEdge) {
    // A 32 x 32 image fills its texture exactly, so reading past its right
    // edge would wrap around to its left half.
    Canvas canvas(32, 32, codeColour('L'));
    canvas.fillRect(16, 0, 16, 32, codeColour('R'));
    ASSERT_TRUE(canvas.savePng(scratchPath("halves.png")));
    Texture* t = getTexture(scratchPath("halves.png"));
    drawImageRegion(*t, Vec2f(-8, 0), Vec2f(40, 8), Vec2f(10, 10));
    Image shot = readPixels();
    EXPECT_EQ(shot.countPixels(isLit), 32 * 8);
    EXPECT_EQ(glyphAt(shot, 10, 12), 'L');
    EXPECT_EQ(glyphAt(shot, 41, 12), 'R');
    EXPECT_EQ(glyphAt(shot, 45, 12), -1);
}

TEST_F(FontTest, ARegionWhollyOutsideTheImageDrawsNothing) {
    const Texture& t = *large->texture;
    drawImageRegion(t, Vec2f(600, 0), Vec2f(32, 32), Vec2f(10, 10));
    drawImageRegion(t, Vec2f(0, -40), Vec2f(32, 32), Vec2f(10, 10));
    EXPECT_EQ(readPixels().countPixels(isLit), 0);
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

namespace {

// The fonts the game ships, loaded as start-up loads them.
class ShippedFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { openTestWindow(400, 200); }
    void SetUp() override {
        usePixelProjection();
        clearWindow();
        glEnable(GL_TEXTURE_2D);
    }
};

bool isPureRed(Rgba p) { return p.r > 0 && p.g == 0 && p.b == 0; }

}  // namespace

TEST_F(ShippedFonts, BothFontsLoadWithSixteenPixelCells) {
    ASSERT_NE(app.font, nullptr);
    ASSERT_NE(app.smallFont, nullptr);
    EXPECT_NE(app.font->texture->glName, 0u);
    EXPECT_NE(app.smallFont->texture->glName, 0u);
    EXPECT_EQ(app.font->charSpacing, -5);
    EXPECT_EQ(app.font->lineSpacing, 2);
    EXPECT_EQ(app.smallFont->charSpacing, -9);
    EXPECT_EQ(app.smallFont->lineSpacing, -5);
    EXPECT_GE(app.font->glyphWidth, 16.0f);
    EXPECT_GE(app.smallFont->glyphWidth, 16.0f);
}

TEST_F(ShippedFonts, TheLabelThrustFitsItsSeventySevenPixelButton) {
    EXPECT_LT(textSize(*app.font, "Thrust").x, 77.0f);
}

TEST_F(ShippedFonts, TextIsDrawnInTheGlColourInsideItsBoxWithInkInEveryColumn) {
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
    EXPECT_EQ(shot.countPixels(isPureRed), shot.countPixels([](Rgba p) { return !isBlack(p); }));
    EXPECT_GT(shot.countPixels([](Rgba p) { return p.r == 255; }), 20);
    for (size_t i = 0; i < text.size(); ++i) {
        PixelRect column{int(origin.x + advance * float(i)), int(origin.y), int(advance),
                         int(font.glyphHeight)};
        EXPECT_GT(shot.countPixels(column, isLit), 5) << "no ink for '" << text[i] << "'";
    }
}

TEST_F(ShippedFonts, TheSmallFontDrawsAValueFieldLegibly) {
    glColor3f(1.0f, 1.0f, 1.0f);
    drawText(*app.smallFont, "  120", Vec2f(207, 100));
    saveScreenshotIfAsked("font_small_value");
    Image shot = readPixels();
    // Two leading spaces draw nothing; the digits fill the next three columns.
    EXPECT_EQ(shot.countPixels(PixelRect{0, 0, 400, 200}, isLit),
              shot.countPixels(PixelRect{207 + 2 * 7 - 4, 100, 3 * 7 + 16, 16}, isLit));
    EXPECT_GT(shot.countPixels(isLit), 20);
    EXPECT_LE(207 + textSize(*app.smallFont, "  120").x, 256.0f);
}

TEST_F(ShippedFonts, AnEmptyStringDrawsNothing) {
    glColor3f(1.0f, 1.0f, 1.0f);
    drawText(*app.font, "", Vec2f(100, 100));
    drawText(*app.smallFont, "", Vec2f(100, 100));
    EXPECT_EQ(readPixels().countPixels(isLit), 0);
}
