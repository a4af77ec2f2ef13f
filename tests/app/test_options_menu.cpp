#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "app/Application.h"
#include "app/Options.h"
#include "app/OptionsMenu.h"
#include "tests/support/SdlEvents.h"

namespace {

// The options screen above a menu, in a fresh working folder (the screen
// saves to "options.dat" in the working folder).
class OptionsScreen : public ::testing::Test {
protected:
    Widget mainMenu;
    OptionsMenu menu;
    std::string dir;
    std::string oldDir;

    void SetUp() override {
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        oldDir = cwd;
        char pattern[] = "/tmp/astrello-options-menu-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        ASSERT_EQ(chdir(dir.c_str()), 0);

        videoSettings = {1280, 720, false};
        app.width = 1280;
        app.height = 720;
        app.fullscreen = false;
        app.running = true;
        app.screens.clear();
        pushScreen(&mainMenu);
        pushScreen(&menu);
        testing::internal::CaptureStdout();
    }
    void TearDown() override {
        testing::internal::GetCapturedStdout();
        std::remove("options.dat");
        EXPECT_EQ(chdir(oldDir.c_str()), 0);
        std::remove(dir.c_str());
        app.running = true;
    }
    void choose(OptionsMenu::Item item) { menu.activate(item); }
    std::string pending() const {
        return std::to_string(menu.pendingWidth) + "x" + std::to_string(menu.pendingHeight) +
               (menu.pendingFullscreen ? " full" : "");
    }
};

}  // namespace

TEST_F(OptionsScreen, TheFirstUpdateShowsTheStoredSettingsAndResolutionCyclesThem) {
    videoSettings = {800, 600, true};
    menu.update();
    EXPECT_EQ(pending(), "800x600 full");
    EXPECT_FALSE(menu.entered);
    choose(OptionsMenu::ResolutionItem);
    EXPECT_EQ(pending(), "1024x768 full");
    choose(OptionsMenu::ResolutionItem);
    EXPECT_EQ(pending(), "1152x864 full");
    EXPECT_EQ(videoSettings.width, 800) << "nothing is stored before Save and Quit";
}

TEST_F(OptionsScreen, CancelOrEscapeForgetsEditsAndLeavesSettingsAndFileUntouched) {
    menu.update();
    choose(OptionsMenu::FullScreenItem);
    EXPECT_EQ(pending(), "1280x720 full");
    choose(OptionsMenu::FullScreenItem);
    choose(OptionsMenu::ResolutionItem);
    EXPECT_TRUE(menu.handleEvent(keyPress(SDLK_ESCAPE)));

    EXPECT_EQ(menu.selected, int(OptionsMenu::CancelItem));
    EXPECT_EQ(currentScreen(), &mainMenu);
    EXPECT_EQ(app.focus, &mainMenu);
    EXPECT_TRUE(menu.entered);
    EXPECT_EQ(videoSettings.width, 1280);
    EXPECT_EQ(videoSettings.height, 720);
    EXPECT_FALSE(videoSettings.fullscreen);
    EXPECT_FALSE(std::ifstream("options.dat").good());
    EXPECT_TRUE(app.running);

    pushScreen(&menu);
    menu.update();
    EXPECT_EQ(pending(), "1280x720");
}

TEST_F(OptionsScreen, SaveAndQuitStoresThePendingSettingsAndEndsTheProgram) {
    menu.update();
    menu.pendingWidth = 1280;
    menu.pendingHeight = 1024;
    choose(OptionsMenu::ResolutionItem);
    choose(OptionsMenu::FullScreenItem);
    choose(OptionsMenu::SaveAndQuitItem);

    std::ifstream in("options.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "1440 900 1\n");
    EXPECT_EQ(videoSettings.width, 1440);
    EXPECT_EQ(videoSettings.height, 900);
    EXPECT_TRUE(videoSettings.fullscreen);
    EXPECT_FALSE(app.running);
    EXPECT_EQ(currentScreen(), &menu) << "the stack is left as it is";
    EXPECT_EQ(app.width, 1280) << "the open window keeps its size";
    EXPECT_FALSE(app.fullscreen);
}
