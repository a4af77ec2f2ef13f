#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "sim/VirtualMachine.h"

namespace {

// Records what the program asks of the ship, step by step.
struct RecordingMachine : VirtualMachine {
    struct Call {
        int step;
        char kind;  // 't' thrust, 'r' turn
        double x;
        double y;
    };
    std::vector<Call> calls;
    int steps = 0;

    void thrust(Vec2 amount) override { calls.push_back({steps, 't', amount.x, amount.y}); }
    void turn(double amount) override { calls.push_back({steps, 'r', amount, 0.0}); }

    void run(int n) {
        for (int i = 0; i < n; ++i) {
            ++steps;
            step();
        }
    }
};

Program program(std::initializer_list<Instruction> instructions) { return Program(instructions); }

}  // namespace

TEST(VirtualMachine, EmptyProgramDoesNothingAndKeepsCountersAtZero) {
    RecordingMachine vm;
    vm.run(5);
    EXPECT_TRUE(vm.calls.empty());
    EXPECT_EQ(vm.pc, 0);
    EXPECT_EQ(vm.currentLine, 0);
    EXPECT_EQ(vm.waitCounter, 0);
}

TEST(VirtualMachine, ThrustWaitLeftRunInStepsOneAndTwelve) {
    RecordingMachine vm;
    vm.program = program({{Thrust, 500}, {Wait, 9}, {Left, 1000}});
    vm.run(5);
    // While the wait counts down, the wait is the line shown as running.
    EXPECT_EQ(vm.currentLine, 1);
    EXPECT_EQ(vm.pc, 2);
    vm.run(15);
    ASSERT_EQ(vm.calls.size(), 2u);
    EXPECT_EQ(vm.calls[0].step, 1);
    EXPECT_EQ(vm.calls[0].kind, 't');
    EXPECT_EQ(vm.calls[0].x, 500.0);
    EXPECT_EQ(vm.calls[0].y, 0.0);
    EXPECT_EQ(vm.calls[1].step, 12);
    EXPECT_EQ(vm.calls[1].kind, 'r');
    EXPECT_EQ(vm.calls[1].x, 1000.0);
}

TEST(VirtualMachine, SleepTwoDelaysTheNextCommandToStep2002) {
    RecordingMachine vm;
    vm.program = program({{Sleep, 2}, {Thrust, 10}});
    vm.run(2001);
    EXPECT_TRUE(vm.calls.empty());
    vm.run(1);
    ASSERT_EQ(vm.calls.size(), 1u);
    EXPECT_EQ(vm.calls[0].step, 2002);
}

TEST(VirtualMachine, TwoWaitsLastAsLongAsOneWaitOfTheirSumPlusOne) {
    RecordingMachine split, joined;
    split.program = program({{Wait, 3}, {Wait, 4}, {Thrust, 1}});
    joined.program = program({{Wait, 8}, {Thrust, 1}});
    split.run(30);
    joined.run(30);
    ASSERT_EQ(split.calls.size(), 1u);
    ASSERT_EQ(joined.calls.size(), 1u);
    EXPECT_EQ(split.calls[0].step, joined.calls[0].step);
}

TEST(VirtualMachine, ZeroOrNegativeWaitRunsTheNextCommandInTheNextStep) {
    for (int value : {0, -5, INT_MIN}) {
        RecordingMachine vm;
        vm.program = program({{Wait, value}, {Thrust, 1}});
        vm.run(2);
        ASSERT_EQ(vm.calls.size(), 1u) << value;
        EXPECT_EQ(vm.calls[0].step, 2) << value;
    }
}

TEST(VirtualMachine, RightTurnsByTheNegatedValueAndNegativeLeftTurnsRight) {
    RecordingMachine vm;
    vm.program = program({{Right, 30}, {Left, -40}, {Right, INT_MIN}});
    vm.run(3);
    ASSERT_EQ(vm.calls.size(), 3u);
    EXPECT_EQ(vm.calls[0].x, -30.0);
    EXPECT_EQ(vm.calls[1].x, -40.0);
    EXPECT_EQ(vm.calls[2].x, 2147483648.0);
}

TEST(VirtualMachine, HugeSleepSaturatesInsteadOfWrappingRound) {
    RecordingMachine vm;
    vm.program = program({{Sleep, 3000000}, {Thrust, 1}});
    vm.run(1);
    EXPECT_EQ(vm.waitCounter, INT_MAX);
    RecordingMachine exact;
    exact.program = program({{Sleep, 2147483}});
    exact.run(1);
    EXPECT_EQ(exact.waitCounter, 2147483000);

    RecordingMachine negative;
    negative.program = program({{Sleep, -3000000}, {Thrust, 1}});
    negative.run(2);
    EXPECT_EQ(negative.waitCounter, INT_MIN);
    EXPECT_EQ(negative.calls.size(), 1u);
}

TEST(VirtualMachine, UnknownOpcodeIsReportedAndSkipped) {
    RecordingMachine vm;
    Instruction bad;
    bad.opcode = 9;
    bad.value = 7;
    vm.program = program({bad, {Thrust, 3}});
    testing::internal::CaptureStdout();
    vm.run(1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR: unrecognized opcode 9\n");
    EXPECT_EQ(vm.pc, 1);
    EXPECT_EQ(vm.waitCounter, 0);
    vm.run(1);
    ASSERT_EQ(vm.calls.size(), 1u);
    EXPECT_EQ(vm.calls[0].x, 3.0);
}

TEST(VirtualMachine, RestartRewindsButKeepsTheProgram) {
    RecordingMachine vm;
    vm.program = program({{Thrust, 1}, {Wait, 50}});
    vm.run(4);
    vm.restart();
    EXPECT_EQ(vm.pc, 0);
    EXPECT_EQ(vm.currentLine, 0);
    EXPECT_EQ(vm.waitCounter, 0);
    EXPECT_EQ(vm.program.size(), 2u);
    vm.run(1);
    EXPECT_EQ(vm.calls.size(), 2u);
}
