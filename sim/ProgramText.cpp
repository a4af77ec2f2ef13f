#include "sim/ProgramText.h"

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "render/Decimal.h"

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

using Token = std::pair<const char*, const char*>;

// Words separated by spaces and line feeds, as views into `text`.
std::vector<Token> programTokens(const std::string& text) {
    std::vector<Token> tokens;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end) {
        while (p != end && (*p == ' ' || *p == '\n')) ++p;
        const char* start = p;
        while (p != end && *p != ' ' && *p != '\n') ++p;
        if (p != start) tokens.emplace_back(start, p);
    }
    return tokens;
}

bool opcodeOfLetter(Token token, uint8_t& opcode) {
    if (token.second - token.first != 1) return false;
    const char* letters = "RLWST";
    const uint8_t opcodes[] = {Right, Left, Wait, Sleep, Thrust};
    const char* found = strchr(letters, *token.first);
    if (!found || *token.first == '\0') return false;
    opcode = opcodes[found - letters];
    return true;
}

}  // namespace

void parseProgramText(const std::string& text, Program& program) {
    std::vector<Token> tokens = programTokens(text);
    if (tokens.empty()) return;
    // A damaged text may announce more instructions than it holds, or a
    // negative number: read only the (letter, value) pairs really there.
    int64_t count = parseDecimal(tokens[0].first, tokens[0].second);
    int64_t present = int64_t((tokens.size() - 1) / 2);
    if (count < 0) count = 0;
    if (count > present) count = present;
    program.resize(size_t(count));
    for (size_t i = 0; i < size_t(count); ++i) {
        uint8_t opcode;
        if (!opcodeOfLetter(tokens[1 + 2 * i], opcode)) continue;
        const Token& value = tokens[2 + 2 * i];
        program[i] = Instruction{opcode, parseDecimal(value.first, value.second)};
    }
}
