#pragma once

#include "sim/Instruction.h"
#include "sim/Vec2.h"

// Runs a flight program one step at a time; commands act through thrust() and turn().
class VirtualMachine {
public:
    virtual ~VirtualMachine() = default;

    Program program;      // in execution order
    int pc = 0;           // next instruction to execute
    int currentLine = 0;  // instruction executed last
    int waitCounter = 0;  // steps still to wait; <= 0 means none

    virtual void thrust(Vec2) {}
    virtual void turn(double) {}

    void step();
    void restart();
};
