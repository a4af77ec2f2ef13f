#include "sim/ProgramText.h"

#include <cstdio>
#include <vector>

#include "sim/ProgramEdits.h"

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

// Spaces, tabs and line ends all separate words, wherever a program is read.
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            if (!current.empty()) out.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) out.push_back(current);
    return out;
}

// A whole decimal number from 0 to `most`, without a sign.
bool readNumber(const std::string& word, long most, long& value) {
    if (word.empty() || word.size() > 9) return false;
    value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= most;
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

bool readProgramText(const std::string& text, Program& program, std::string& why) {
    const std::vector<std::string> t = words(text);
    if (t.empty()) {
        why = "empty program text";
        return false;
    }
    long count = 0;
    if (!readNumber(t[0], maxProgramSize, count)) {
        why = "instruction count '" + t[0] + "' is not a number from 0 to " +
              std::to_string(maxProgramSize);
        return false;
    }
    if (size_t(count) * 2 != t.size() - 1) {
        why = "count " + t[0] + " needs " + t[0] + " letter-value pairs, found " +
              std::to_string(t.size() - 1) + " words";
        return false;
    }
    Program read(static_cast<size_t>(count));
    for (size_t i = 0; i < read.size(); ++i) {
        const std::string& letter = t[1 + 2 * i];
        const std::string& number = t[2 + 2 * i];
        long value = 0;
        if (!opcodeOfLetter(letter, read[i].opcode)) {
            why = "unknown command '" + letter + "'";
            return false;
        }
        if (!readNumber(number, maxValue, value)) {
            why = "value '" + number + "' is not a number from 0 to " + std::to_string(maxValue);
            return false;
        }
        read[i].value = int32_t(value);
    }
    program = std::move(read);
    return true;
}

bool parseProgramText(const std::string& text, Program& program) {
    std::string why;
    return readProgramText(text, program, why);
}

bool isProgramText(const std::string& text, std::string& why) {
    Program program;
    return readProgramText(text, program, why);
}
