#include "tools/gen/Preview.h"

#include <filesystem>

#include "tools/gen/Generators.h"
#include "tools/gen/Outputs.h"
#include "tools/gen/Png.h"
#include "tools/gen/Raster.h"

namespace {

// Blends src (tinted) over dst with its top-left corner at (x, y).
void blit(Image& dst, const Image& src, int x, int y, Rgba tint = {1, 1, 1, 1}) {
    for (int sy = 0; sy < src.height; ++sy) {
        for (int sx = 0; sx < src.width; ++sx) {
            int dx = x + sx, dy = y + sy;
            if (dx < 0 || dy < 0 || dx >= dst.width || dy >= dst.height) continue;
            Rgba s = src.get(sx, sy), d = dst.get(dx, dy);
            float a = s.a * tint.a;
            dst.set(dx, dy,
                    {s.r * tint.r * a + d.r * (1 - a), s.g * tint.g * a + d.g * (1 - a),
                     s.b * tint.b * a + d.b * (1 - a), 1});
        }
    }
}

Image cellOf(const Image& sheet, int code) {
    int cell = sheet.width / 16;
    Image glyph(cell, cell);
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            const uint8_t* p = sheet.at((code % 16) * cell + x, (code / 16) * cell + y);
            std::copy(p, p + 4, glyph.at(x, y));
        }
    }
    return glyph;
}

// Draws text the way the game lays it out; (x, y) is the top-left of the
// first line's cells, in picture pixels (y down).
void drawText(Image& dst, const Image& sheet, const FontStyle& style, const std::string& text,
              int x, int y, Rgba tint) {
    int cell = sheet.width / 16, advance = cell + style.charSpacing;
    int col = 0;
    for (unsigned char k : text) {
        blit(dst, cellOf(sheet, k), x + advance * col + style.charSpacing / 2, y, tint);
        ++col;
    }
}

Image solid(int width, int height, Rgba c) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.set(x, y, c);
    return image;
}

Image textSample() {
    Image big = makeFontSheet(largeFont()), small = makeFontSheet(smallFont());
    Image out = solid(640, 330, rgb(0, 0, 0));
    Rgba grey = {0.7f, 0.7f, 0.7f, 1}, white = {1, 1, 1, 1};
    const char* lines[] = {"Quorrin : Astrello",
                           "Cadet Missions   Lieutenant Missions",
                           "The quick brown fox jumps over the lazy dog.",
                           "Thrust:   100 x 1   =   100",
                           "0123456789 !\"#$%&'()*+,-./:;<=>?@",
                           "[\\]^_`{|}~ ABCDEFGHIJKLMNOPQRSTUVWXYZ"};
    int y = 8;
    for (const char* line : lines) {
        drawText(out, big, largeFont(), line, 10, y, y == 8 ? white : grey);
        y += 18;
    }
    // Buttons as the game screen draws them: 77 x 28, label centred.
    const char* labels[] = {"Run", "Left", "Right", "Thrust", "Wait", "Sleep", "Del"};
    for (int i = 0; i < 7; ++i) {
        int bx = 10 + 80 * i, by = y + 6;
        Image frame = solid(77, 28, rgb(60, 60, 90));
        blit(out, frame, bx, by);
        int width = 11 * int(std::string(labels[i]).size());
        drawText(out, big, largeFont(), labels[i], bx + 77 / 2 - width / 2, by + 14 - 9 + 2, white);
    }
    y += 44;
    for (const char* line : lines) {
        drawText(out, small, smallFont(), line, 10, y, grey);
        y += 11;
    }
    // An editor row: letter, "-", "+", value.
    int ry = y + 8;
    blit(out, solid(246, 24, rgb(40, 30, 30)), 5, ry);
    drawText(out, big, largeFont(), "T", 11, ry + 24 - 4 - 16, {1, 0.8f, 0.8f, 1});
    drawText(out, small, smallFont(), "-", 33, ry + 24 - 4 - 16, {1, 0.8f, 0.8f, 1});
    drawText(out, small, smallFont(), "+", 199, ry + 24 - 4 - 16, {1, 0.8f, 0.8f, 1});
    drawText(out, small, smallFont(), " 1000", 207, ry + 24 - 4 - 16, {1, 0.8f, 0.8f, 1});
    blit(out, solid(150, 1, rgb(255, 204, 204)), 45, ry + 12);
    return out;
}

Image modelSample() {
    Image out = solid(1024, 560, rgb(0, 0, 0));
    Image backdrop = makeBackdrop();
    blit(out, backdrop, 0, 0);
    blit(out, backdrop, 512, 0);
    blit(out, backdrop, 0, 512);
    blit(out, backdrop, 512, 512);
    Model sphere = planetSphere(), ship = makeShip();
    Image skin = makeShipSkin(512);
    blit(out, renderModel(ship, skin, 420, 220, {210, 110, 100, kPi / 2}), 0, 0);
    blit(out, renderModel(ship, skin, 40, 40, {20, 20, 7, -0.6}), 430, 20);
    blit(out, renderModel(ship, skin, 40, 40, {20, 20, 12, 0.3}), 480, 20);
    Image skins[] = {makeEarth(512, 256), makeMoon(256, 128), makeBrownPlanet(512, 256),
                     makeNeutronStar(256, 128)};
    for (int i = 0; i < 4; ++i) {
        blit(out, renderModel(sphere, skins[i], 230, 230, {115, 115, 110, 0.4 * i}), 10 + 250 * i,
             240);
    }
    return out;
}

}  // namespace

bool writePreviews(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::string root = folder + "/";
    return writeFile(root + "text.png", encodePng(textSample())) &&
           writeFile(root + "models.png", encodePng(modelSample()));
}
