#include "screens/DigitEntry.h"

#include "sim/ProgramEdits.h"

namespace {

bool hasValue(const Program& program, int row) { return row >= 0 && row < int(program.size()); }

}  // namespace

bool DigitEntry::continuing(const Program& program, int row) const {
    return row == typedRow && program.size() == typedSize;
}

void DigitEntry::noteTyped(const Program& program, int row) {
    typedRow = row;
    typedSize = program.size();
}

bool DigitEntry::type(Program& program, int row, int digit) {
    if (!hasValue(program, row)) return false;
    Instruction& instruction = program[size_t(row)];
    if (continuing(program, row)) {
        if (!typeDigit(instruction, digit)) return false;
    } else {
        instruction.value = digit;
    }
    noteTyped(program, row);
    return true;
}

bool DigitEntry::erase(Program& program, int row) {
    if (!hasValue(program, row)) return false;
    eraseDigit(program[size_t(row)]);
    noteTyped(program, row);
    return true;
}

bool DigitEntry::nudge(Program& program, int row, int delta) {
    if (!hasValue(program, row)) return false;
    nudgeValue(program[size_t(row)], delta);
    noteTyped(program, row);
    return true;
}
