#pragma once

#include <cstdint>

#include "app/ListMenu.h"

struct StoredOptions;

// Resolution and full screen, edited here and stored for the next start:
// the window is never re-created while the program runs.
class OptionsMenu : public ListMenu {
public:
    enum Item { ResolutionItem, FullScreenItem, SaveAndQuitItem, CancelItem };

    OptionsMenu(Ui& ui, StoredOptions& options);

    int32_t pendingWidth = 0;   // pixels, being edited
    int32_t pendingHeight = 0;  // pixels, being edited
    bool pendingFullscreen = false;

    void update() override;
    void draw() override;
    void activate(int index) override;

private:
    StoredOptions& options;
};
