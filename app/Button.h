#pragma once

#include <string>

#include "app/Widget.h"

// The one reusable control: a framed label that records presses in `clicked`;
// the owning screen reads and clears the flag in its own update().
class Button : public Widget {
public:
    explicit Button(Widget* parent);

    std::string label = "###";
    bool clicked = false;
    bool lit = false;  // drawn filled: a switch that is on

    void update() override;
    void draw() override;
    bool handleEvent(const InputEvent& event) override;
};
