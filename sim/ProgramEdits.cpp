#include "sim/ProgramEdits.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

void insertInstruction(Program& program, int& selected, uint8_t opcode) {
    int n = int(program.size());
    if (n >= maxProgramSize) return;  // the score file could not keep a longer one
    int at = std::clamp(selected + 1, 0, n);
    Instruction instruction;
    instruction.opcode = opcode;
    instruction.value = 0;
    program.insert(program.begin() + at, instruction);
    selected = at;
}

void deleteInstruction(Program& program, int& selected) {
    int n = int(program.size());
    if (n == 0) return;
    if (selected >= 0 && selected < n) {
        program.erase(program.begin() + selected);
    } else {
        program.pop_back();
    }
    if (selected > n - 1) selected = n - 1;
}

void moveInstructionUp(Program& program, int& selected) {
    int n = int(program.size());
    if (selected <= 0 || selected >= n) return;
    std::swap(program[selected - 1], program[selected]);
    selected -= 1;
}

void moveInstructionDown(Program& program, int& selected) {
    int n = int(program.size());
    if (selected < 0 || selected >= n - 1) return;
    std::swap(program[selected], program[selected + 1]);
    selected += 1;
}

// 64-bit arithmetic: the optimizer may leave values far outside 0..1000.
void nudgeValue(Instruction& instruction, int delta) {
    int64_t value = int64_t(instruction.value) + delta;
    instruction.value = int32_t(std::clamp<int64_t>(value, 0, maxValue));
}

bool typeDigit(Instruction& instruction, int digit) {
    int64_t value = int64_t(instruction.value) * 10 + digit;
    if (value > maxValue) return false;
    if (value < std::numeric_limits<int32_t>::min()) return false;
    instruction.value = int32_t(value);
    return true;
}

void eraseDigit(Instruction& instruction) { instruction.value /= 10; }
