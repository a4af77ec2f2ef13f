#pragma once

#include "app/Widget.h"

class VirtualMachine;

// The program editor: one row per instruction of the ship's program plus an
// empty end row. It keeps no copy of the program; it edits the world's
// rocket in place. Created and owned by the game screen.
class ProgramEditor : public Widget {
public:
    static constexpr int rowHeight = 32;  // pixels

    bool editable = true;  // stopped: mouse edits allowed, selection shown
    int selected = 0;      // selected row, 0..n; n is the end row

    void update() override;
    void draw() override;
    bool handleEvent(const SDL_Event& event) override;

    // The row that is executing: the last instruction while a wait counts
    // down, otherwise the next one.
    static int highlightRow(const VirtualMachine& machine);

private:
    // The row whose span holds local height y, or -1. Only the part of the
    // list inside the widget can be hit.
    int rowAt(int y, int rowCount) const;
    void drawRow(int row) const;
};
