#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "screens/ProgramEdits.h"

// The game screen's tests cover the ordinary edits through its keys and
// buttons; these cover values that only the optimizer can leave behind.

TEST(ProgramEdits, DigitsAndNudgesNeverOverflowAndPullOutOfRangeValuesBackOnlyWhenNudged) {
    struct Case {
        int before;
        int digit, nudge;  // one of them applies: digit >= 0, else the nudge
        int after;
    };
    const std::vector<Case> cases = {
        {INT_MAX, 9, 0, INT_MAX}, {INT_MIN, 9, 0, INT_MIN}, {0, -1, -1, 0},
        {1000, -1, +1, 1000},     {500, -1, +1, 501},       {500, -1, -1, 499},
        {INT_MIN, -1, -1, 0},     {INT_MAX, -1, +1, 1000},
    };
    for (const Case& c : cases) {
        Instruction instruction;
        instruction.value = c.before;
        if (c.digit >= 0)
            typeDigit(instruction, c.digit);
        else
            nudgeValue(instruction, c.nudge);
        EXPECT_EQ(instruction.value, c.after) << c.before << " " << c.digit << " " << c.nudge;
    }
}
