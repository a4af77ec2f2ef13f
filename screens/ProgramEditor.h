#pragma once

#include "app/Widget.h"
#include "screens/DigitEntry.h"

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

    static constexpr int moreHeight = 16;  // the "more above" and "more below" strips

    bool editable = true;  // stopped: mouse edits allowed, selection shown
    // The current row, 0..n (n is the end row): the one highlighted, whose
    // value digits, Backspace, the arrows and + / - change, below which a
    // command goes in.
    int selected = 0;
    int firstRow = 0;  // the row shown at the top; a long program scrolls
    DigitEntry digits;

    // Keys on the current row's value; a refused one flashes its box.
    void typeDigit(int digit);
    void eraseDigit();
    void nudge(int delta);
    // Scrolls the current row into view at the next frame: keys move it,
    // the wheel does not.
    void reveal() { revealPending = true; }
    // A new program: the first row current and shown, the digits afresh.
    void startAfresh();
    // Seconds the box flashes after a refused key.
    static constexpr double flashSeconds = 0.4;
    bool flashing() const;
    // A held "+" or "-" steps the value, or the box flashes.
    bool busy() const { return heldDelta != 0 || flashing(); }

    // While a "-" or "+" zone is held down, steps the value again and again.
    void repeatHeld();

    void update() override;
    void draw() override;
    bool handleEvent(const InputEvent& event) override;
    // Scrolls a program longer than the view; the current row stays.
    bool scroll(int rows) override;

    // The row that is executing: the last instruction while a wait counts
    // down, otherwise the next one.
    static int highlightRow(const VirtualMachine& machine);

private:
    // Whether `rowCount` rows need more room than the widget has.
    bool overflowing(int rowCount) const;
    // Rows that fit wholly in the widget (at least one), below the "more
    // above" strip and above the "more below" strip when they overflow.
    int visibleRows(int rowCount) const;
    // Local height of the top of the first row shown.
    float listTop(int rowCount) const;
    // Scrolls as little as needed to show `row` of `rowCount`.
    void keepInView(int row, int rowCount);
    // The row whose span holds local height y, or -1. Only rows wholly
    // inside the widget can be hit.
    int rowAt(int y, int rowCount) const;
    // Rows firstRow.. that fit, of the `n` instructions and the end row.
    void drawRows(int n, int highlight) const;
    void drawRow(int row) const;
    // Where the next command goes, and which value the digits change.
    void drawMarks(int row) const;
    // Strips with a count of the rows scrolled out above and below.
    void drawMore(int rowCount) const;
    void refuse();

    World& world;
    int heldRow = -1;         // the row whose zone is held
    int heldDelta = 0;        // its step, or 0 when nothing is held
    double heldNext = 0.0;    // application clock of the next step
    bool revealPending = true;
    double refusedAt = -1.0;  // application clock of the last refused key
};
