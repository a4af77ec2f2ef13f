// One libFuzzer target per reader of outside data; ASTRELLO_FUZZ_READER
// names the reader this executable feeds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/ReaderChecks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The readers print a progress line per call; millions of them would
    // bury the fuzzer's own report.
    if (!std::freopen("/dev/null", "w", stdout)) return 1;
    if (!findReaderCheck(ASTRELLO_FUZZ_READER)) {
        std::fprintf(stderr, "no reader check named %s\n", ASTRELLO_FUZZ_READER);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ReaderCheck* reader = findReaderCheck(ASTRELLO_FUZZ_READER);
    std::string fault = reader->check(std::string(reinterpret_cast<const char*>(data), size));
    if (!fault.empty()) {
        std::fprintf(stderr, "%s reader: %s\n", reader->name, fault.c_str());
        std::abort();
    }
    return 0;
}
