#pragma once

#include <string>

#include "sim/Instruction.h"

// The one-line text form of a program: "3 T 100 L 50 W 1000\n".
std::string programText(const Program& program);
// The one reader of program texts, wherever they come from: a count, then
// exactly that many letter-value pairs (letters T L R W S), separated by
// spaces, tabs or line ends; only what the editor can make: at most
// maxProgramSize instructions, values whole numbers from 0 to maxValue.
// Otherwise false with the reason in `why`, and `program` is left as it was.
bool readProgramText(const std::string& text, Program& program, std::string& why);
// The same without the reason.
bool parseProgramText(const std::string& text, Program& program);
bool isProgramText(const std::string& text, std::string& why);
