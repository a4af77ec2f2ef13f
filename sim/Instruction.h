#pragma once

#include <cstdint>
#include <vector>

// Opcodes of the flight program.
enum Opcode : uint8_t { Thrust = 0, Left = 1, Right = 2, Wait = 3, Sleep = 4 };

struct Instruction {
    uint8_t opcode = Thrust;
    int32_t value = 0;  // the editor keeps 0..1000; the optimizer may leave others
};

inline bool operator==(const Instruction& a, const Instruction& b) {
    return a.opcode == b.opcode && a.value == b.value;
}
inline bool operator!=(const Instruction& a, const Instruction& b) { return !(a == b); }

using Program = std::vector<Instruction>;

// The longest program the editor builds and the score file keeps.
constexpr int maxProgramSize = 1000;  // instructions

// Reference data: a short name and a help text per opcode.
struct InstructionInfo {
    const char* name;
    const char* help;
};
extern const InstructionInfo instructionCatalogue[5];

// The letter that stands for an opcode in program texts and the editor ('#' if unknown).
char opcodeLetter(uint8_t opcode);
