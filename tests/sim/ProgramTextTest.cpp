#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/ProgramText.h"

// One reader for every program text: what it accepts flies as written, what
// it refuses leaves the program as it was.
TEST(ProgramText, AcceptsOnlyWhatTheEditorCanMakeAndSaysWhyNot) {
    std::string thousand = "1000";
    for (int i = 0; i < 1000; ++i) thousand += " W 1";
    struct Case {
        std::string text;
        const char* read;  // written back, or "" when refused
    };
    const std::vector<Case> cases = {
        {"5 R 1 L 2 W 3 S 4 T 1000\n", "5 R 1 L 2 W 3 S 4 T 1000\n"},
        {"\n  2  T\n\n100 R   30  \r\n", "2 T 100 R 30\n"},
        {"2 W 100\tT 1000", "2 W 100 T 1000\n"},  // a tab separates like a space
        {"0", "0\n"},
        {thousand, nullptr},                        // checked by size below
        {"1001" + thousand.substr(4) + " W 1", ""},  // more than the editor holds
        {"1 T -1000", ""},
        {"1 T 1001", ""},
        {"1 L +5", ""},
        {"1 W 99999999999999999999", ""},
        {"3 T 1 X 2 L 3", ""},
        {"3 T 12abc L 4 W 1", ""},
        {"5 T 1 L 2", ""},
        {"1 T 1 L", ""},
        {"-1", ""},
        {"\n \n", ""},
        {"garbage T 1", ""},
    };
    for (const Case& c : cases) {
        Program program = {{Thrust, 9}};
        std::string why;
        const bool read = readProgramText(c.text, program, why);
        if (!c.read) {
            EXPECT_TRUE(read && program.size() == 1000) << c.text.substr(0, 20);
            continue;
        }
        EXPECT_EQ(read, *c.read != '\0') << '"' << c.text << '"';
        EXPECT_EQ(programText(program), read ? c.read : "1 T 9\n") << '"' << c.text << '"';
        EXPECT_EQ(why.empty(), read) << '"' << c.text << '"';
    }
}
