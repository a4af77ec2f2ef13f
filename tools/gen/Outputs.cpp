#include "tools/gen/Outputs.h"

#include "tools/gen/Generators.h"
#include "tools/gen/Raster.h"

namespace {

const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

Image littleShip() {
    Placement place{12, 14, 12.4, -0.55};
    return renderModel(makeShip(), makeShipSkin(512), 24, 28, place);
}

}  // namespace

// Bodies take at most a tenth of the view (the camera frames five radii
// around each), where 24 sides make a round outline; the world re-reads the
// file on every reset, so it must stay small.
Model planetSphere() { return makeSphere(24, 12); }

// Cells of 16 pixels: the large font then advances 11 pixels ("Thrust" fits
// a 77-pixel button) and the small one 7 (the editor's values end inside
// their column).
const FontStyle& largeFont() {
    static const FontStyle style{kFontFile, 16, 16, -5, 3};
    return style;
}
const FontStyle& smallFont() {
    static const FontStyle style{kFontFile, 11, 16, -9, 5};
    return style;
}

const std::vector<ImageOutput>& imageOutputs() {
    static const std::vector<ImageOutput> outputs = {
        {"images/font.png", [] { return makeFontSheet(largeFont()); }},
        {"images/font_small.png", [] { return makeFontSheet(smallFont()); }},
        {"images/space1.png", makeBackdrop},
        {"images/gold2.png", [] { return makeMedal(Metal::Gold, 512, 512); }},
        {"images/silver2.png", [] { return makeMedal(Metal::Silver, 512, 512); }},
        {"images/bronze2.png", [] { return makeMedal(Metal::Bronze, 512, 512); }},
        {"images/little_ship.png", littleShip},
        {"images/little_gold.png", [] { return makeMedal(Metal::Gold, 24, 28); }},
        {"images/little_silver.png", [] { return makeMedal(Metal::Silver, 24, 28); }},
        {"images/little_bronze.png", [] { return makeMedal(Metal::Bronze, 24, 28); }},
        {"images/little_locked.png", [] { return makeLock(24, 28); }},
        {"models/test_tex.png", [] { return makeShipSkin(512); }},
        {"models/earth_tex.png", [] { return makeEarth(512, 256); }},
        {"models/moon_tex.png", [] { return makeMoon(256, 128); }},
        {"models/planet_brown.png", [] { return makeBrownPlanet(512, 256); }},
        {"models/neutron_star.png", [] { return makeNeutronStar(256, 128); }},
        // The desktop's usual icon sizes; installed as hicolor/NxN/apps.
        {"icons/astrello_16.png", [] { return makeIcon(16); }},
        {"icons/astrello_32.png", [] { return makeIcon(32); }},
        {"icons/astrello_48.png", [] { return makeIcon(48); }},
        {"icons/astrello_64.png", [] { return makeIcon(64); }},
        {"icons/astrello_128.png", [] { return makeIcon(128); }},
        {"icons/astrello_256.png", [] { return makeIcon(256); }},
    };
    return outputs;
}

const std::vector<ModelOutput>& modelOutputs() {
    static const std::vector<ModelOutput> outputs = {
        {"models/ship_test.obj", makeShip},
        {"models/earth_test.obj", planetSphere},
        {"models/moon_test.obj", planetSphere},
    };
    return outputs;
}
