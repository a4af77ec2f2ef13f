#include "sim/Instruction.h"

const InstructionInfo instructionCatalogue[5] = {
    {"fwd", "########."},
    {"left", "########."},
    {"right", "########."},
    {"wait", "Wait a specified time."},
    {"sleep", "Wait a specified time."},
};

char opcodeLetter(uint8_t opcode) {
    static const char letters[] = {'T', 'L', 'R', 'W', 'S'};
    return opcode < sizeof letters ? letters[opcode] : '#';
}
