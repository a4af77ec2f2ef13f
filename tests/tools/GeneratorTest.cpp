// Runs the data generator into a scratch folder and checks what the game
// relies on: file names, the committed copies, font grid and widths, icon
// sizes, a seamless backdrop and well-formed models.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "render/AssetCheck.h"
#include "tests/tools/GeneratedData.h"

namespace fs = std::filesystem;

TEST(Generator, CommittedDataFilesAreExactlyWhatItMakes) {
    for (const Asset& asset : gameAssets()) {
        EXPECT_TRUE(fs::is_regular_file(generated() / asset.path)) << asset.path << " was not made";
    }
    // Everything it makes, the desktop icons too.
    for (const auto& entry : fs::recursive_directory_iterator(generated())) {
        if (!entry.is_regular_file()) continue;
        fs::path name = entry.path().lexically_relative(generated());
        EXPECT_TRUE(readBytes(entry.path()) == readBytes(fs::path(ASTRELLO_SOURCE_DIR) / name))
            << name << " is out of date: run \"build/tools/astrello-gen .\" in the repository root";
    }
}

TEST(Generator, RejectsAMissingOutputFolderArgument) {
    std::string command = std::string("\"") + ASTRELLO_GEN + "\" > /dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

// The game's font settings: character spacing and line spacing per sheet.
struct FontCase {
    const char* name;
    int charSpacing, lineSpacing;
};
const FontCase kFonts[] = {{"images/font.png", -5, 2}, {"images/font_small.png", -9, -5}};

// The grid itself is checked with every other asset (render/AssetCheck).
TEST(FontSheet, WhiteGlyphsOfPrintableCharactersSitInsideTheirAdvanceAndLine) {
    for (const FontCase& f : kFonts) {
        Picture font = load(f.name);
        ASSERT_GT(font.width, 0) << f.name;
        for (size_t i = 0; i < font.rgba.size(); i += 4) {
            if (font.rgba[i + 3] == 0) continue;
            ASSERT_TRUE(font.rgba[i] == 255 && font.rgba[i + 1] == 255 && font.rgba[i + 2] == 255)
                << f.name << ": glyph pixels must be white so the GL colour tints them";
        }
        int cell = font.width / 16, advance = cell + f.charSpacing;
        int pen = -(f.charSpacing / 2);  // cells are drawn charSpacing / 2 left of the pen
        int top = 1 << 20, bottom = -1;  // of all letters
        for (int code = 0; code < 256; ++code) {
            Ink ink = inkOf(font, code);
            bool printable = code > 32 && code < 127;
            EXPECT_EQ(ink.empty(), !printable) << f.name << " code " << code;
            if (!printable) continue;
            EXPECT_GE(ink.left, pen - 1) << f.name << " '" << char(code) << "'";
            EXPECT_LE(ink.right, pen + advance) << f.name << " '" << char(code) << "'";
            if (std::isalpha(code)) {
                top = std::min(top, ink.top);
                bottom = std::max(bottom, ink.bottom);
            }
        }
        EXPECT_LE(bottom - top + 1, cell + f.lineSpacing) << f.name << ": letters overlap lines";
        // Capitals stand on one baseline and are centred in the advance.
        Ink m = inkOf(font, 'M'), h = inkOf(font, 'H');
        EXPECT_EQ(m.bottom, h.bottom) << f.name;
        EXPECT_NEAR((m.left + m.right + 1) / 2.0, pen + advance / 2.0, 1.0) << f.name;
    }
}

TEST(FontSheet, LayoutsThatUseTheFontsFit) {
    Picture large = load("images/font.png"), small = load("images/font_small.png");
    int largeAdvance = large.width / 16 - 5, smallAdvance = small.width / 16 - 9;
    // "Thrust" inside a 77-pixel button, with room to spare at the edges.
    EXPECT_LE(6 * largeAdvance, 77 - 4);
    // The editor's value ("% 5d" of at most 1000) starts at 207 and must end
    // before the row frame at 256 - 6.
    EXPECT_LE(207 + 5 * smallAdvance, 256 - 6);
    // The medal targets' "  118.34" columns, 200 pixels apart, must not touch.
    EXPECT_LT(8 * largeAdvance, 200);
}

TEST(Icons, LittleIconsFitTheirTwentyNinePixelSpacing) {
    for (const char* name :
         {"images/little_gold.png", "images/little_silver.png", "images/little_bronze.png",
          "images/little_locked.png", "images/little_ship.png"}) {
        Picture icon = load(name);
        EXPECT_GE(icon.width, 20) << name;
        EXPECT_LE(icon.width, 28) << name;
        EXPECT_LE(icon.height, 32) << name;
        EXPECT_EQ(icon.at(icon.width / 2, icon.height * 3 / 4)[3], 255) << name;
        // Nothing is cut off at the sides or the bottom (a ribbon may leave
        // through the top).
        for (int y = 0; y < icon.height; ++y) {
            EXPECT_LT(icon.at(0, y)[3], 255) << name << " left edge, row " << y;
            EXPECT_LT(icon.at(icon.width - 1, y)[3], 255) << name << " right edge, row " << y;
        }
        for (int x = 0; x < icon.width; ++x) {
            EXPECT_LT(icon.at(x, icon.height - 1)[3], 255) << name << " bottom edge, column " << x;
        }
    }
}

// Installed under hicolor/NxN: a desktop shows a wrong size blurred or not at all.
TEST(Icons, DesktopIconsAreRoundAtTheirNamedSizes) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        std::string name = "icons/astrello_" + std::to_string(size) + ".png";
        Picture icon = load(name);
        ASSERT_EQ(icon.width, size) << name;
        ASSERT_EQ(icon.height, size) << name;
        EXPECT_EQ(icon.at(size / 2, size / 2)[3], 255) << name;
        EXPECT_EQ(icon.at(0, 0)[3], 0) << name << ": the corners show the desktop";
        EXPECT_EQ(icon.at(size - 1, size - 1)[3], 0) << name;
    }
}

TEST(Icons, LargeMedalsAreAboutFiveHundredPixelsWideAndDiffer) {
    std::vector<Picture> medals = {load("images/gold2.png"), load("images/silver2.png"),
                                   load("images/bronze2.png")};
    for (const Picture& medal : medals) {
        EXPECT_GE(medal.width, 480);
        EXPECT_LE(medal.width, 512);
        EXPECT_EQ(medal.at(medal.width / 2, medal.height / 2)[3], 255);
        // Drawn from H / 2 - 206 up, between the headline texts (H - 70 and
        // up) and the medal targets (up to y = 162): on a 720-pixel window
        // the top 32 and the bottom 8 rows must stay clear. Leave some margin.
        for (int x = 0; x < medal.width; ++x) {
            for (int y : {0, 20, 31, medal.height - 1, medal.height - 20, medal.height - 40}) {
                ASSERT_EQ(medal.at(x, y)[3], 0) << "row " << y << " column " << x;
            }
        }
    }
    // Gold is the yellowest, silver the least coloured.
    auto warmth = [](const Picture& p) {
        const uint8_t* c = p.at(p.width / 2, p.height * 3 / 4);
        return int(c[0]) - int(c[2]);
    };
    EXPECT_GT(warmth(medals[0]), warmth(medals[1]));
    EXPECT_GT(warmth(medals[2]), warmth(medals[1]));
}

// Mean absolute difference between column a and column b (all channels).
double columnDifference(const Picture& p, int a, int b) {
    double sum = 0;
    for (int y = 0; y < p.height; ++y)
        for (int c = 0; c < 3; ++c) sum += std::abs(int(p.at(a, y)[c]) - int(p.at(b, y)[c]));
    return sum / p.height;
}

Picture transposed(const Picture& p) {
    Picture t;
    t.width = p.height;
    t.height = p.width;
    for (int y = 0; y < t.height; ++y)
        for (int x = 0; x < t.width; ++x) t.rgba.insert(t.rgba.end(), p.at(y, x), p.at(y, x) + 4);
    return t;
}

TEST(Backdrop, IsADarkTileThatRepeatsWithoutASeamInEitherDirection) {
    Picture space = load("images/space1.png");
    double brightness = 0;
    for (size_t i = 0; i < space.rgba.size(); i += 4)
        brightness += space.rgba[i] + space.rgba[i + 1] + space.rgba[i + 2];
    EXPECT_LT(brightness / (space.rgba.size() / 4 * 3), 24.0)
        << "too bright behind thin goal lines";
    for (const Picture& p : {space, transposed(space)}) {
        // Neighbouring columns inside the tile, and the last column next to
        // the first one as the tiled view shows them.
        double inside = 0;
        for (int x = 0; x + 1 < p.width; ++x) inside += columnDifference(p, x, x + 1);
        inside /= p.width - 1;
        EXPECT_LT(columnDifference(p, p.width - 1, 0), inside * 2.0);
        // A real seam would show here: columns half a tile apart differ more.
        EXPECT_GT(columnDifference(p, 0, p.width / 2), columnDifference(p, p.width - 1, 0));
    }
}

// Tiled and wrapped round spheres: padding to a power of two would show.
TEST(Skins, TheBackdropAndTheSkinsAreOpaqueWithPowerOfTwoSides) {
    for (const char* name :
         {"images/space1.png", "models/test_tex.png", "models/earth_tex.png", "models/moon_tex.png",
          "models/planet_brown.png", "models/neutron_star.png"}) {
        Picture skin = load(name);
        EXPECT_TRUE(isPowerOfTwo(skin.width) && isPowerOfTwo(skin.height)) << name;
        bool opaque = true;
        for (size_t i = 3; i < skin.rgba.size(); i += 4) opaque = opaque && skin.rgba[i] == 255;
        EXPECT_TRUE(opaque) << name;
    }
}

// Indices inside their lists are checked with every other asset
// (render/AssetCheck); here what the game's reader and view need besides.
void expectWellFormed(const Obj& obj, const std::string& name) {
    EXPECT_TRUE(obj.otherLines.empty()) << name << ": " << obj.otherLines.front();
    for (const auto& c : obj.corners) ASSERT_EQ(c.size(), 3u) << name << ": not v/vt/vn";
    // The reader splits a quad into (c0, c1, c2) and (c0, c2, c3): only a
    // flat quad with c1 and c3 on opposite sides of that diagonal is drawn as
    // intended.
    for (const auto& q : obj.quads) {
        using V = std::array<double, 3>;
        auto at = [&](int k) {
            return V{obj.v[q[k] - 1][0], obj.v[q[k] - 1][1], obj.v[q[k] - 1][2]};
        };
        auto sub = [](V x, V y) { return V{x[0] - y[0], x[1] - y[1], x[2] - y[2]}; };
        auto dot = [](V x, V y) { return x[0] * y[0] + x[1] * y[1] + x[2] * y[2]; };
        auto cross = [](V x, V y) {
            return V{x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2],
                     x[0] * y[1] - x[1] * y[0]};
        };
        V u = sub(at(1), at(0)), w = sub(at(2), at(0)), e = sub(at(3), at(0));
        EXPECT_NEAR(dot(cross(u, w), e), 0.0, 1e-4) << name << ": quad " << q[0] << " is not flat";
        EXPECT_GT(dot(cross(u, w), cross(w, e)), 0.0) << name << ": quad " << q[0];
    }
    for (const auto& t : obj.vt) {
        ASSERT_EQ(t.size(), 2u) << name;
        EXPECT_TRUE(t[0] >= 0 && t[0] <= 1 && t[1] >= 0 && t[1] <= 1) << name;
    }
    for (const auto& n : obj.vn) EXPECT_NEAR(std::hypot(n[0], n[1], n[2]), 1.0, 1e-3) << name;
}

TEST(Models, SpheresAreUnitSpheresFacingTheCameraWithTheMiddleOfTheirSkin) {
    for (const char* name : {"models/earth_test.obj", "models/moon_test.obj"}) {
        Obj sphere = parseObj(name);
        ASSERT_NO_FATAL_FAILURE(expectWellFormed(sphere, name));
        EXPECT_GE(sphere.triangles, 200) << name << ": too coarse to look round";
        EXPECT_LE(sphere.faces, 400) << name << ": re-read on every reset";
        for (const auto& p : sphere.v) EXPECT_NEAR(std::hypot(p[0], p[1], p[2]), 1.0, 1e-3) << name;
        // The corner nearest the camera (+z) shows the middle of the skin, and
        // the north pole (+y) the top row of the image (t = 1).
        for (const auto& c : sphere.corners) {
            const auto& p = sphere.v[c[0] - 1];
            const auto& t = sphere.vt[c[1] - 1];
            if (p[2] > 0.999) {
                EXPECT_TRUE(std::abs(t[0] - 0.5) < 1e-3 && std::abs(t[1] - 0.5) < 1e-3);
            }
            if (p[1] > 0.999) {
                EXPECT_NEAR(t[1], 1.0, 1e-3);
            }
            if (p[0] > 0.999) {
                EXPECT_NEAR(t[0], 0.75, 1e-3) << "+x is to the right of the middle";
            }
        }
    }
}

TEST(Models, ShipIsASmallUnitSizeShapePointingAlongPlusY) {
    Obj ship = parseObj("models/ship_test.obj");
    ASSERT_NO_FATAL_FAILURE(expectWellFormed(ship, "ship"));
    EXPECT_LT(ship.triangles, 200);
    double maxY = -1, minY = 1, maxX = 0, maxZ = 0;
    for (const auto& p : ship.v) {
        EXPECT_LE(std::hypot(p[0], p[1]), 1.0) << "outside the ship's collision circle";
        maxY = std::max(maxY, p[1]);
        minY = std::min(minY, p[1]);
        maxX = std::max(maxX, std::abs(p[0]));
        maxZ = std::max(maxZ, std::abs(p[2]));
    }
    EXPECT_GT(maxY, 0.9);
    EXPECT_LT(minY, -0.9);
    EXPECT_GT(maxY, maxX) << "longer than wide, nose up";
    // The intro draws it 20 times larger inside a depth range of +-10.
    EXPECT_LT(maxZ * 20, 10);
}
