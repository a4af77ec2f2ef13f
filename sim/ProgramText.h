#pragma once

#include <string>

#include "sim/Instruction.h"

// The one-line text form of a program: "3 T 100 L 50 W 1000\n".
std::string programText(const Program& program);
// Reads a program text into `program`. Reads only the tokens present and
// never allocates beyond what the text can describe; no tokens leave it unchanged.
void parseProgramText(const std::string& text, Program& program);
// True when `text` is a well-formed program text: a count, then exactly that
// many letter-value pairs, letters T L R W S, values decimal 32-bit integers.
// Otherwise false, with the reason in `why`.
bool isProgramText(const std::string& text, std::string& why);
