#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/support/SimSupport.h"

TEST(VirtualMachine, CommandsRunOnTheStepsTheirWaitsAndSleepsAllow) {
    struct Case {
        Program program;
        int steps;
        const char* calls;
    };
    const std::vector<Case> cases = {
        {{{Thrust, 500}, {Wait, 9}, {Left, 1000}}, 20, "1:t500,0 12:r1000 "},
        {{{Sleep, 2}, {Thrust, 10}}, 2001, ""},
        {{{Sleep, 2}, {Thrust, 10}}, 2002, "2002:t10,0 "},
        // Two waits last as long as one wait of their sum plus one.
        {{{Wait, 3}, {Wait, 4}, {Thrust, 1}}, 30, "10:t1,0 "},
        {{{Wait, 8}, {Thrust, 1}}, 30, "10:t1,0 "},
        // Zero or negative waits: the next command runs in the next step.
        {{{Wait, 0}, {Thrust, 1}}, 2, "2:t1,0 "},
        {{{Wait, INT_MIN}, {Thrust, 1}}, 2, "2:t1,0 "},
        {{{Sleep, -3000000}, {Thrust, 1}}, 2, "2:t1,0 "},
        {{{Sleep, 3000000}, {Thrust, 1}}, 50, ""},  // saturates, never wraps round
        // Right turns by the negated value; a negative Left turns right.
        {{{Right, 30}, {Left, -40}, {Right, INT_MIN}}, 3, "1:r-30 2:r-40 3:r2147483648 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandsIssued(c.program, c.steps), c.calls) << "after " << c.steps << " steps";
}
