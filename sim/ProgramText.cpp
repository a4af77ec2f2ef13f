#include "sim/ProgramText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

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

std::vector<std::string> tokens(const std::string& text) {
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

bool isInteger(const std::string& token, bool allowSign) {
    size_t start = (allowSign && token[0] == '-') ? 1 : 0;
    if (start == token.size()) return false;
    for (size_t i = start; i < token.size(); ++i)
        if (token[i] < '0' || token[i] > '9') return false;
    errno = 0;
    long long value = std::strtoll(token.c_str(), nullptr, 10);
    return errno == 0 && value >= -2147483648LL && value <= 2147483647LL;
}
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
    const std::vector<std::string> tokens = splitText(text, " \n");
    if (tokens.empty()) return;
    // A damaged text may announce more instructions than it holds, or a
    // negative number: read only the (letter, value) pairs really there.
    int count = decimal(tokens[0]);
    int present = (int(tokens.size()) - 1) / 2;
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

bool isProgramText(const std::string& text, std::string& why) {
    const std::vector<std::string> t = tokens(text);
    if (t.empty()) {
        why = "empty program text";
        return false;
    }
    if (!isInteger(t[0], false)) {
        why = "instruction count '" + t[0] + "' is not a number";
        return false;
    }
    const long long count = std::strtoll(t[0].c_str(), nullptr, 10);
    if (count != (long long)(t.size() - 1) / 2 || (t.size() - 1) % 2 != 0) {
        why = "count " + t[0] + " needs " + t[0] + " letter-value pairs, found " +
              std::to_string(t.size() - 1) + " tokens";
        return false;
    }
    for (size_t i = 1; i < t.size(); i += 2) {
        const std::string& letter = t[i];
        if (letter != "T" && letter != "L" && letter != "R" && letter != "W" && letter != "S") {
            why = "unknown command '" + letter + "'";
            return false;
        }
        if (!isInteger(t[i + 1], true)) {
            why = "value '" + t[i + 1] + "' is not a number";
            return false;
        }
    }
    return true;
}
