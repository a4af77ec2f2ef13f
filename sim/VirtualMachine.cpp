#include "sim/VirtualMachine.h"

#include <cstdint>
#include <cstdio>

namespace {

// A Sleep counts in thousands of steps; a value so large that the product
// leaves 32 bits waits as long as a counter can instead of wrapping round.
int sleepSteps(int32_t value) {
    int64_t steps = int64_t(value) * 1000;
    if (steps > INT32_MAX) return INT32_MAX;
    if (steps < INT32_MIN) return INT32_MIN;
    return int(steps);
}

}  // namespace

void VirtualMachine::step() {
    if (waitCounter > 0) {
        --waitCounter;
        return;
    }
    if (pc < 0 || size_t(pc) >= program.size()) return;
    const Instruction instruction = program[size_t(pc)];
    currentLine = pc;
    ++pc;
    switch (instruction.opcode) {
        case Thrust:
            thrust(Vec2(1.0, 0.0) * instruction.value);
            break;
        case Left:
            turn(double(instruction.value));
            break;
        case Right:
            // Negated in double so that INT32_MIN turns the other way too.
            turn(-double(instruction.value));
            break;
        case Wait:
            waitCounter = instruction.value;
            break;
        case Sleep:
            waitCounter = sleepSteps(instruction.value);
            break;
        default:
            printf("ERROR: unrecognized opcode %d\n", int(instruction.opcode));
            break;
    }
}

void VirtualMachine::restart() {
    pc = 0;
    currentLine = 0;
    waitCounter = 0;
}
