#include "sim/ProgramText.h"

#include <cstdio>

#include "core/Decimal.h"
#include "core/TextSplit.h"

std::string programText(const Program& program) {
    char item[32];
    snprintf(item, sizeof item, "%d", int(program.size()));
    std::string text = item;
    for (const Instruction& instruction : program) {
        char letter = opcodeLetter(instruction.opcode);
        if (letter == '#') continue;
        snprintf(item, sizeof item, " %c %d", letter, int(instruction.value));
        text += item;
    }
    text += '\n';
    return text;
}

namespace {

int32_t decimal(const std::string& word) {
    return parseDecimal(word.data(), word.data() + word.size());
}

bool opcodeOfLetter(const std::string& letter, uint8_t& opcode) {
    static const char* const letters[] = {"R", "L", "W", "S", "T"};
    static const uint8_t opcodes[] = {Right, Left, Wait, Sleep, Thrust};
    for (int k = 0; k < 5; ++k) {
        if (letter == letters[k]) {
            opcode = opcodes[k];
            return true;
        }
    }
    return false;
}

}  // namespace

void parseProgramText(const std::string& text, Program& program) {
    StringArray tokens = splitText(text, " \n");
    if (tokens.count == 0) return;
    // A damaged text may announce more instructions than it holds, or a
    // negative number: read only the (letter, value) pairs really there.
    int count = decimal(tokens[0]);
    int present = (tokens.count - 1) / 2;
    if (count < 0) count = 0;
    if (count > present) count = present;
    program.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        uint8_t opcode;
        if (opcodeOfLetter(tokens[1 + 2 * i], opcode)) {
            program[size_t(i)] = Instruction{opcode, decimal(tokens[2 + 2 * i])};
        }
    }
}
