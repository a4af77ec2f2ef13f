#pragma once

#include <string>
#include <vector>

// Wall-clock seconds on the monotonic clock.
double nowSeconds();
// Seconds of processor time this thread has used. The machine is shared, so
// the figures of pure computation (steps, F1) are taken in processor time:
// time slices given to other programs do not count against the game.
double threadSeconds();
// Seconds of processor time the whole process has used, all its threads
// together (the software renderer draws on threads of its own).
double processSeconds();

// The median of `samples` (which it sorts).
double median(std::vector<double>& samples);

// From here on the table goes to the real standard output and everything
// the game prints (the optimizer's progress, loader messages) to /dev/null.
void separateTableFromGameOutput();

// One line of the table: a figure beside its baseline, with the ratio and,
// where the game has one, the target the figure must stay under.
struct Row {
    std::string section;
    std::string name;
    double value;
    double baseline;
    const char* unit;
    double target;  // 0 = none; compared with `value` (or the ratio if `targetIsRatio`)
    bool targetIsRatio;
};

void printHeader(const char* machine);
void printRow(const Row& row);
// "N of M figures meet their targets", the table's last line.
void printSummary();
