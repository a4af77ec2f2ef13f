#pragma once

#include <ostream>
#include <string>
#include <vector>

// Properties every reader of outside data must keep whatever bytes it is
// given. The fuzzers and the corpus test share them. Each check feeds
// `input` to one reader and returns what went wrong, or "" when all is well;
// the sanitizers catch what a check cannot see (overruns, leaks, overflow).
struct ReaderCheck {
    const char* name;  // also the folder of its corpus under tests/fuzz/
    std::string (*check)(const std::string& input);
};

// Every reader: "program_text", "options", "obj", "score_file", "mission".
const std::vector<ReaderCheck>& readerChecks();
// The check of that name, or null.
const ReaderCheck* findReaderCheck(const std::string& name);

// Test names and failure messages show the reader's name.
inline void PrintTo(const ReaderCheck& check, std::ostream* out) { *out << check.name; }
