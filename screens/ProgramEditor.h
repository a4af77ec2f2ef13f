#pragma once

#include "app/Widget.h"
#include "sim/ProgramEdits.h"

class VirtualMachine;
struct World;

// The program editor: one row per instruction of the ship's program plus an
// empty end row. It keeps no copy of the program; it edits the world's
// rocket in place. Created and owned by the game screen.
class ProgramEditor : public Widget {
public:
    ProgramEditor(Ui& ui, World& world);

    static constexpr int rowHeight = 32;  // pixels

    static constexpr int wheelRows = 3;  // rows per notch of the mouse wheel

    bool editable = true;  // stopped: mouse edits allowed, selection shown
    int selected = 0;      // selected row, 0..n; n is the end row
    int firstRow = 0;      // the row shown at the top; a long program scrolls
    DigitEntry digits;     // which value typed digits change

    // While a "-" or "+" zone is held down, steps the value again and again.
    void repeatHeld();

    void update() override;
    void draw() override;
    bool handleEvent(const InputEvent& event) override;
    // Scrolls a program longer than the view, taking the selection along so
    // that it stays in view.
    bool scroll(int rows) override;

    // The row that is executing: the last instruction while a wait counts
    // down, otherwise the next one.
    static int highlightRow(const VirtualMachine& machine);

private:
    // Rows that fit wholly in the widget (at least one).
    int visibleRows() const;
    // Scrolls as little as needed to show `row` of `rowCount`.
    void keepInView(int row, int rowCount);
    // The row whose span holds local height y, or -1. Only rows wholly
    // inside the widget can be hit.
    int rowAt(int y, int rowCount) const;
    void drawRow(int row) const;
    // Where the next command goes, and which value the digits change.
    void drawMarks(int row, int digitRow) const;

    World& world;
    int heldRow = -1;         // the row whose zone is held
    int heldDelta = 0;        // its step, or 0 when nothing is held
    double heldNext = 0.0;    // application clock of the next step
};
