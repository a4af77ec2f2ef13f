// The end-to-end helpers judge the game's sanitizer reports; a filter that
// let everything through would make every run look clean.
#include <gtest/gtest.h>

#include "tests/e2e/Road.h"

namespace {

const std::string systemLeak =
    "Direct leak of 88 byte(s) in 1 object(s) allocated from:\n"
    "    #0 0x7f in __interceptor_malloc asan_malloc_linux.cpp:69\n"
    "    #1 0x7f  (/lib/x86_64-linux-gnu/libSDL2-2.0.so.0+0xa0822)";
const std::string gameLeak =
    "Direct leak of 152 byte(s) in 1 object(s) allocated from:\n"
    "    #0 0x7f in operator new(unsigned long) asan_new_delete.cpp:95\n"
    "    #1 0x55 in registerMissions(...) " ASTRELLO_SOURCE_DIR "/missions/Missions.cpp:33";

std::string report(const std::string& blocks) {
    return "\n=================================================================\n"
           "==1==ERROR: LeakSanitizer: detected memory leaks\n\n" +
           blocks + "\n\nSUMMARY: AddressSanitizer: 240 byte(s) leaked in 2 allocation(s).\n";
}

}  // namespace

TEST(SanitizerFindings, LeaksOfTheWindowSystemAloneAreNoFinding) {
    EXPECT_EQ(sanitizerFindings(report(systemLeak)), "");
    EXPECT_EQ(sanitizerFindings(""), "");
}

TEST(SanitizerFindings, ALeakOfTheGamesOwnBlockIsAFinding) {
    std::string findings = sanitizerFindings(report(systemLeak + "\n\n" + gameLeak));
    EXPECT_NE(findings.find("Missions.cpp:33"), std::string::npos) << findings;
    EXPECT_EQ(findings.find("libSDL2"), std::string::npos) << findings;
}

TEST(SanitizerFindings, MemoryErrorsAndUndefinedBehaviourAreFindings) {
    EXPECT_NE(sanitizerFindings("==1==ERROR: AddressSanitizer: heap-buffer-overflow on address"),
              "");
    EXPECT_NE(sanitizerFindings("sim/World.cpp:10:5: runtime error: signed integer overflow"), "");
}
