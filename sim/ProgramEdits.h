#pragma once

#include "sim/Instruction.h"

// The editing operations that the game screen's buttons and keys and the
// program editor's mouse zones apply to the ship's program. `selected` is the
// editor's row, 0..n, where n (one past the last instruction) is the end row.
// Every operation leaves a value it sets within 0..1000 and ignores an edit
// that is impossible for the given selection.

constexpr int maxValue = 1000;

// Inserts {opcode, 0} at the selection and moves the selection below it;
// nothing on a program of maxProgramSize instructions.
void insertInstruction(Program& program, int& selected, uint8_t opcode);
// Removes the selected instruction (the last one on the end row).
void deleteInstruction(Program& program, int& selected);
// Swaps the selected instruction with the one above / below, following it.
void moveInstructionUp(Program& program, int& selected);
void moveInstructionDown(Program& program, int& selected);

// Adds `delta` to the value and keeps the result within 0..1000.
void nudgeValue(Instruction& instruction, int delta);
// Appends a decimal digit; a result above 1000 is refused.
void typeDigit(Instruction& instruction, int digit);
// Drops the last decimal digit.
void eraseDigit(Instruction& instruction);

// Which value typed digits change, and whether the next digit starts it
// afresh. It is the selected instruction (the last one on the end row), or
// the one just inserted, until the selection moves. The first digit after
// that replaces the value; further digits append to it.
class DigitEntry {
public:
    // The instruction the digits change, or -1 for an empty program.
    int row(int selected, int size) const;
    // After an insertion: the digits go to the new instruction at `row`,
    // while the selection stays at `selected`.
    void aim(int row, int selected);
    // A digit 0..9 or, for -1, Backspace, on the program at the selection.
    void type(Program& program, int selected, int digit);
    // Adds `delta` to the value the digits change; the next digit appends.
    void nudge(Program& program, int selected, int delta);
    // The selection is now `selected`: if it moved, the digits follow it
    // and the next one starts the value afresh.
    void select(int selected);

private:
    int aimed = -1;         // instruction set by aim(), while forSelection holds
    int forSelection = -1;  // the selection these fields were set for
    bool aimedAtInsert = false;
    bool typed = false;
};
