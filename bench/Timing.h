#pragma once

#include <string>
#include <vector>

// Wall-clock seconds on the monotonic clock.
double nowSeconds();

// The median of `samples` (which it sorts).
double median(std::vector<double>& samples);

// Sends standard output to /dev/null while alive, so that the game's own
// progress lines do not mix with the table.
class QuietStdout {
public:
    QuietStdout();
    ~QuietStdout();
    QuietStdout(const QuietStdout&) = delete;
    QuietStdout& operator=(const QuietStdout&) = delete;

private:
    int saved;
};

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
