// The main menu drawn in a real window: the lock and medal icons stand where
// the group state says, and drawing is what updates `highestPassed`.
#include <gtest/gtest.h>

#include "screens/MissionMenu.h"
#include "screens/MainMenu.h"
#include "tests/screens/MenuTestSupport.h"
#include "tests/support/GlTestWindow.h"

namespace {

class MainMenuDrawing : public testing::Test {
protected:
    void SetUp() override {
        openTestWindow(1280, 720);
        registerFreshMissions();
        app.stars.resize(0);  // no stars to light up the icon areas
        app.missionMenu = &missionMenu;
    }

    // Lit pixels in the 24 x 24 square whose lower-left corner is `dx`
    // pixels left of item `row`'s text position.
    int litLeftOf(const Image& image, int row, int dx) const {
        int x = app.width / 2 - 100 - dx;
        int y = app.height / 2 - 32 * row + 72 - 4;
        return image.countPixels(PixelRect{x, y, 24, 24}, isLit);
    }
    Image drawMenu() {
        menu.draw();
        return readPixels();
    }

    MissionMenu missionMenu;
    MainMenu menu;
};

}  // namespace

TEST_F(MainMenuDrawing, LocksStandBesideTheClosedGroupsOnly) {
    Image image = drawMenu();
    EXPECT_EQ(menu.highestPassed, -1);
    EXPECT_EQ(litLeftOf(image, 0, 32), 0);   // Cadet: open, no medal yet
    EXPECT_GT(litLeftOf(image, 1, 32), 20);  // Ensign: locked
    EXPECT_GT(litLeftOf(image, 3, 32), 20);  // Commander: locked
    EXPECT_EQ(litLeftOf(image, 4, 32), 0);   // Options
}

TEST_F(MainMenuDrawing, DrawingRecomputesTheGroupsFromTheBestScores) {
    drawMenu();
    for (size_t i = 1; i < missionMenu.pages["Cadet Missions"].size(); ++i) {
        Mission& mission = mission(missionMenu.pages["Cadet Missions"][i]);
        mission.bestScore = mission.silverLimit;
    }
    EXPECT_EQ(menu.highestPassed, -1);  // not until the next frame
    Image image = drawMenu();
    EXPECT_EQ(menu.highestPassed, 0);
    EXPECT_GT(litLeftOf(image, 0, 32), 20);  // bronze
    EXPECT_GT(litLeftOf(image, 0, 61), 20);  // silver
    EXPECT_EQ(litLeftOf(image, 0, 90), 0);   // no gold
    EXPECT_EQ(litLeftOf(image, 1, 32), 0);   // Ensign opened: no lock, no medal
    EXPECT_GT(litLeftOf(image, 2, 32), 20);  // Lieutenant still locked
}
