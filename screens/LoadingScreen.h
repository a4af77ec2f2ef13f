#pragma once

#include "app/Widget.h"
#include "render/Mesh.h"
#include "render/Particles.h"

struct Texture;

// The intro: the ship crosses the window from right to left over drifting
// points, trailing its exhaust and a giant welcome banner. It ends by itself
// after 75 s or on Return, Space, Escape or a mouse press, and shows the main
// menu. Always the bottom of the screen stack.
class LoadingScreen : public Widget {
public:
    // The ship and the drift draw from `random`; the intro ends on `mainMenu`.
    LoadingScreen(Ui& ui, std::mt19937& random, Widget& mainMenu);

    Mesh shipMesh;                   // owned
    Texture* shipTexture = nullptr;  // from the texture cache
    DriftField drift;
    Exhaust exhaust;

    void update() override;
    void draw() override;
    bool handleEvent(const InputEvent& event) override;

    // Shows the main menu; the intro restarts when it is uncovered again.
    void finishIntro();

private:
    Widget& mainMenu;
};

// Seconds the intro plays before it ends by itself.
constexpr double introSeconds = 75.0;
