#pragma once

#include "sim/Instruction.h"

// The editing operations that the game screen's buttons and keys and the
// program editor's mouse zones apply to the ship's program. `selected` is the
// editor's row, 0..n, where n (one past the last instruction) is the end row.
// Every operation leaves a value it sets within 0..1000 and ignores an edit
// that is impossible for the given selection.

constexpr int maxValue = 1000;

// Inserts {opcode, 0} below the selected instruction (at the end from the
// end row) and selects it; nothing on a program of maxProgramSize instructions.
void insertInstruction(Program& program, int& selected, uint8_t opcode);
// Removes the selected instruction (the last one on the end row).
void deleteInstruction(Program& program, int& selected);
// Swaps the selected instruction with the one above / below, following it.
void moveInstructionUp(Program& program, int& selected);
void moveInstructionDown(Program& program, int& selected);

// Adds `delta` to the value and keeps the result within 0..1000.
void nudgeValue(Instruction& instruction, int delta);
// Appends a decimal digit; a result above 1000 is refused (false).
bool typeDigit(Instruction& instruction, int digit);
// Drops the last decimal digit.
void eraseDigit(Instruction& instruction);
