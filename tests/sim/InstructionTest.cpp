#include <gtest/gtest.h>

#include "sim/Instruction.h"

TEST(Instruction, EachOpcodeHasItsProgramTextLetter) {
    EXPECT_EQ(opcodeLetter(Thrust), 'T');
    EXPECT_EQ(opcodeLetter(Left), 'L');
    EXPECT_EQ(opcodeLetter(Right), 'R');
    EXPECT_EQ(opcodeLetter(Wait), 'W');
    EXPECT_EQ(opcodeLetter(Sleep), 'S');
    EXPECT_EQ(opcodeLetter(5), '#');
    EXPECT_EQ(opcodeLetter(255), '#');
}
