#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "sim/ProgramText.h"

namespace {

Program parsed(const std::string& text, Program program = {}) {
    parseProgramText(text, program);
    return program;
}

}  // namespace

TEST(ProgramText, WritesCountThenLetterValuePairsAndALineFeed) {
    EXPECT_EQ(programText({{Thrust, 100}, {Left, 50}, {Wait, 1000}}), "3 T 100 L 50 W 1000\n");
    EXPECT_EQ(programText({{Right, -7}, {Sleep, 2}}), "2 R -7 S 2\n");
    EXPECT_EQ(programText({}), "0\n");
}

TEST(ProgramText, UnknownOpcodesAreCountedButWriteNothing) {
    Instruction odd;
    odd.opcode = 7;
    odd.value = 5;
    EXPECT_EQ(programText({{Thrust, 1}, odd}), "2 T 1\n");
}

TEST(ProgramText, ExtremeValuesRoundTrip) {
    Program program = {{Left, INT_MIN}, {Thrust, INT_MAX}, {Sleep, 0}};
    Program back = parsed(programText(program));
    ASSERT_EQ(back.size(), 3u);
    for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].opcode, program[i].opcode);
        EXPECT_EQ(back[i].value, program[i].value);
    }
}

TEST(ProgramText, ReadsEveryLetter) {
    Program program = parsed("5 R 1 L 2 W 3 S 4 T 5\n");
    ASSERT_EQ(program.size(), 5u);
    const uint8_t opcodes[] = {Right, Left, Wait, Sleep, Thrust};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(program[i].opcode, opcodes[i]);
        EXPECT_EQ(program[i].value, i + 1);
    }
}

TEST(ProgramText, RunsOfSpacesAndLineFeedsSeparateTokens) {
    Program program = parsed("\n  2  T\n\n100 R   30  \n");
    ASSERT_EQ(program.size(), 2u);
    EXPECT_EQ(program[0].value, 100);
    EXPECT_EQ(program[1].opcode, Right);
    EXPECT_EQ(program[1].value, 30);
}

TEST(ProgramText, TextWithoutTokensLeavesTheProgramUnchanged) {
    Program before = {{Thrust, 9}};
    for (const char* text : {"", " ", "\n \n"}) {
        Program program = parsed(text, before);
        ASSERT_EQ(program.size(), 1u) << '"' << text << '"';
        EXPECT_EQ(program[0].value, 9);
    }
}

TEST(ProgramText, UnknownLetterKeepsTheInstructionAlreadyThere) {
    Program program = parsed("3 T 1 X 2 L 3", {{Wait, 40}, {Wait, 50}});
    ASSERT_EQ(program.size(), 3u);
    EXPECT_EQ(program[1].opcode, Wait);
    EXPECT_EQ(program[1].value, 50);
    EXPECT_EQ(program[2].opcode, Left);
}

TEST(ProgramText, UnknownLetterOnANewInstructionLeavesThrustZero) {
    Program program = parsed("2 T 1 t 2");
    ASSERT_EQ(program.size(), 2u);
    EXPECT_EQ(program[1].opcode, Thrust);
    EXPECT_EQ(program[1].value, 0);
}

TEST(ProgramText, ValuesReadTheirLeadingDigitsOnly) {
    Program program = parsed("3 T 12abc L -4x W zz");
    ASSERT_EQ(program.size(), 3u);
    EXPECT_EQ(program[0].value, 12);
    EXPECT_EQ(program[1].value, -4);
    EXPECT_EQ(program[2].value, 0);
}

TEST(ProgramText, ShorterCountDropsTheRest) {
    Program program = parsed("1 T 5 L 6", {{Wait, 1}, {Wait, 2}, {Wait, 3}});
    ASSERT_EQ(program.size(), 1u);
    EXPECT_EQ(program[0].opcode, Thrust);
}

TEST(ProgramText, DamagedTextsReadOnlyTheInstructionsPresent) {
    EXPECT_EQ(parsed("5 T 1 L 2").size(), 2u);
    EXPECT_EQ(parsed("3 T 1 L").size(), 1u);  // a letter without its value
    EXPECT_EQ(parsed("2000000000 T 1").size(), 1u);
    EXPECT_EQ(parsed("99999999999999999999999 W 3").size(), 1u);
    EXPECT_EQ(parsed("7").size(), 0u);
    EXPECT_EQ(parsed("garbage T 1").size(), 0u);
}

TEST(ProgramText, NegativeCountEmptiesTheProgram) {
    EXPECT_TRUE(parsed("-3 T 1 T 2", {{Thrust, 1}}).empty());
    EXPECT_TRUE(parsed("-2147483648", {{Thrust, 1}}).empty());
}

TEST(ProgramText, HugeValuesSaturate) {
    Program program = parsed("2 T 99999999999 L -99999999999");
    ASSERT_EQ(program.size(), 2u);
    EXPECT_EQ(program[0].value, INT_MAX);
    EXPECT_EQ(program[1].value, INT_MIN);
}
