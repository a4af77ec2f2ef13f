#pragma once

#include <cstddef>

#include "sim/Instruction.h"

// How typed digits change the value of the editor's current row: the first
// digit after the row became current replaces the value, later ones append
// to it. A digit that would pass 1000 is refused, and so is any digit where
// there is no value (the end row, an empty program).
class DigitEntry {
public:
    // Digit 0..9 on instruction `row`; false if refused.
    bool type(Program& program, int row, int digit);
    // Backspace: drops the value's last digit; false where there is no value.
    bool erase(Program& program, int row);
    // Steps the value by `delta`, within 0..1000; the next digit appends.
    bool nudge(Program& program, int row, int delta);
    // The next digit starts the value afresh: the mouse set it, or a new program came.
    void restart() { typedRow = -1; }

private:
    // Whether the last key went to this same instruction, so a digit appends.
    bool continuing(const Program& program, int row) const;
    void noteTyped(const Program& program, int row);

    int typedRow = -1;     // the row the last digit or step went to
    size_t typedSize = 0;  // the program's length then: a deletion starts afresh
};
