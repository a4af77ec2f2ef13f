#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "screens/ProgramEdits.h"

namespace {

Program programOf(const std::string& letters) {
    Program program;
    int value = 1;
    for (char c : letters) {
        Instruction instruction;
        instruction.opcode = c == 'T' ? Thrust : c == 'L' ? Left : c == 'R' ? Right : Wait;
        instruction.value = value++;
        program.push_back(instruction);
    }
    return program;
}

std::string valuesOf(const Program& program) {
    std::string text;
    for (const Instruction& instruction : program) text += std::to_string(instruction.value) + " ";
    return text;
}

Instruction withValue(int value) {
    Instruction instruction;
    instruction.value = value;
    return instruction;
}

}  // namespace

TEST(ProgramEdits, InsertionPutsANewZeroInstructionAtTheSelectionAndSelectsTheRowBelowIt) {
    Program program = programOf("TTT");
    int selected = 1;
    insertInstruction(program, selected, Left);
    EXPECT_EQ(valuesOf(program), "1 0 2 3 ");
    EXPECT_EQ(program[1].opcode, Left);
    EXPECT_EQ(selected, 2);

    selected = 4;  // the end row appends
    insertInstruction(program, selected, Sleep);
    EXPECT_EQ(valuesOf(program), "1 0 2 3 0 ");
    EXPECT_EQ(program[4].opcode, Sleep);
    EXPECT_EQ(selected, 5);
}

TEST(ProgramEdits, DeletionRemovesTheSelectedInstructionOrTheLastOneOnTheEndRow) {
    Program program = programOf("TTTT");
    int selected = 1;
    deleteInstruction(program, selected);
    EXPECT_EQ(valuesOf(program), "1 3 4 ");
    EXPECT_EQ(selected, 1);

    selected = 2;  // the last instruction: the selection moves to the new end row
    deleteInstruction(program, selected);
    EXPECT_EQ(valuesOf(program), "1 3 ");
    EXPECT_EQ(selected, 2);

    selected = 2;  // the end row
    deleteInstruction(program, selected);
    EXPECT_EQ(valuesOf(program), "1 ");
    EXPECT_EQ(selected, 1);

    Program empty;
    selected = 0;
    deleteInstruction(empty, selected);
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(selected, 0);
}

TEST(ProgramEdits, MovesSwapWithTheNeighbourAndFollowTheInstructionButNeverLeaveTheList) {
    Program program = programOf("TTT");
    int selected = 1;
    moveInstructionUp(program, selected);
    EXPECT_EQ(valuesOf(program), "2 1 3 ");
    EXPECT_EQ(selected, 0);
    moveInstructionUp(program, selected);  // first row: nothing above
    EXPECT_EQ(valuesOf(program), "2 1 3 ");
    EXPECT_EQ(selected, 0);

    moveInstructionDown(program, selected);
    EXPECT_EQ(valuesOf(program), "1 2 3 ");
    EXPECT_EQ(selected, 1);
    selected = 2;  // last instruction: nothing below
    moveInstructionDown(program, selected);
    EXPECT_EQ(valuesOf(program), "1 2 3 ");
    EXPECT_EQ(selected, 2);

    selected = 3;  // the end row moves nothing either way
    moveInstructionUp(program, selected);
    moveInstructionDown(program, selected);
    EXPECT_EQ(valuesOf(program), "1 2 3 ");
    EXPECT_EQ(selected, 3);
}

TEST(ProgramEdits, TypedDigitsBuildTheValueButNeverPastOneThousand) {
    Instruction instruction = withValue(0);
    for (int digit : {1, 0, 0, 0}) typeDigit(instruction, digit);
    EXPECT_EQ(instruction.value, 1000);
    typeDigit(instruction, 0);
    EXPECT_EQ(instruction.value, 1000);

    instruction.value = 150;
    typeDigit(instruction, 5);
    EXPECT_EQ(instruction.value, 150);
    instruction.value = 99;
    typeDigit(instruction, 9);
    EXPECT_EQ(instruction.value, 999);
}

TEST(ProgramEdits, DigitsOnValuesFarOutOfRangeNeitherOverflowNorChangeThem) {
    Instruction big = withValue(INT_MAX);
    typeDigit(big, 9);
    EXPECT_EQ(big.value, INT_MAX);
    Instruction small = withValue(INT_MIN);
    typeDigit(small, 9);
    EXPECT_EQ(small.value, INT_MIN);
}

TEST(ProgramEdits, BackspaceDropsTheLastDigit) {
    Instruction instruction = withValue(1000);
    eraseDigit(instruction);
    EXPECT_EQ(instruction.value, 100);
    instruction.value = 7;
    eraseDigit(instruction);
    EXPECT_EQ(instruction.value, 0);
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
