#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/ProgramText.h"

// Read, then written back: the written form is checked here as well.
TEST(ProgramText, ReadsWhatIsThereAndKeepsTheRestOfTheOldProgramOnlyWhereSaid) {
    struct Case {
        const char* text;
        Program before;
        const char* after;  // the program read, written back
    };
    const std::vector<Case> cases = {
        {"5 R 1 L 2 W 3 S 4 T 5\n", {}, "5 R 1 L 2 W 3 S 4 T 5\n"},
        {"\n  2  T\n\n100 R   30  \n", {}, "2 T 100 R 30\n"},
        // No tokens: the program stays as it was.
        {"\n \n", {{Thrust, 9}}, "1 T 9\n"},
        // An unknown letter keeps the instruction there, or Thrust 0 on a new one.
        {"3 T 1 X 2 L 3", {{Wait, 40}, {Wait, 50}}, "3 T 1 W 50 L 3\n"},
        {"3 T 12abc L -4x W zz", {}, "3 T 12 L -4 W 0\n"},
        {"1 T 5 L 6", {{Wait, 1}, {Wait, 2}, {Wait, 3}}, "1 T 5\n"},
        // Damaged texts read only the instructions present.
        {"5 T 1 L 2", {}, "2 T 1 L 2\n"},
        {"3 T 1 L", {}, "1 T 1\n"},
        {"2000000000 T 1", {}, "1 T 1\n"},
        {"99999999999999999999999 W 3", {}, "1 W 3\n"},
        {"garbage T 1", {}, "0\n"},
        {"-3 T 1 T 2", {{Thrust, 1}}, "0\n"},
        {"2 T 99999999999 L -99999999999", {}, "2 T 2147483647 L -2147483648\n"},
    };
    for (const Case& c : cases) {
        Program program = c.before;
        parseProgramText(c.text, program);
        EXPECT_EQ(programText(program), c.after) << '"' << c.text << '"';
    }
}
