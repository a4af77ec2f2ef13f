#include <gtest/gtest.h>

#include <climits>

#include "screens/ProgramEdits.h"

// The game screen's tests cover the ordinary edits through its keys and
// buttons; these cover values that only the optimizer can leave behind.

namespace {

Instruction withValue(int value) {
    Instruction instruction;
    instruction.value = value;
    return instruction;
}

}  // namespace

TEST(ProgramEdits, DigitsOnValuesFarOutOfRangeNeitherOverflowNorChangeThem) {
    Instruction big = withValue(INT_MAX);
    typeDigit(big, 9);
    EXPECT_EQ(big.value, INT_MAX);
    Instruction small = withValue(INT_MIN);
    typeDigit(small, 9);
    EXPECT_EQ(small.value, INT_MIN);
}

TEST(ProgramEdits, NudgesStayWithinZeroToOneThousandWhateverTheStartingValue) {
    Instruction instruction = withValue(0);
    nudgeValue(instruction, -1);
    EXPECT_EQ(instruction.value, 0);
    instruction.value = 1000;
    nudgeValue(instruction, +1);
    EXPECT_EQ(instruction.value, 1000);
    instruction.value = 500;
    nudgeValue(instruction, +1);
    EXPECT_EQ(instruction.value, 501);
    nudgeValue(instruction, -1);
    EXPECT_EQ(instruction.value, 500);

    instruction.value = INT_MIN;  // an optimizer's leftover is pulled back into range
    nudgeValue(instruction, -1);
    EXPECT_EQ(instruction.value, 0);
    instruction.value = INT_MAX;
    nudgeValue(instruction, +1);
    EXPECT_EQ(instruction.value, 1000);
}
