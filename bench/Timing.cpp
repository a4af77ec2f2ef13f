#include "bench/Timing.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {
int checked = 0;
int met = 0;
FILE* table = stdout;
}  // namespace

double nowSeconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

double threadSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double processSeconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double median(std::vector<double>& samples) {
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    size_t n = samples.size();
    return n % 2 ? samples[n / 2] : 0.5 * (samples[n / 2 - 1] + samples[n / 2]);
}

void separateTableFromGameOutput() {
    fflush(stdout);
    table = fdopen(dup(1), "w");
    int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, 1);
        close(devNull);
    }
    if (!table) table = stdout;
}

void printHeader(const char* machine) {
    fprintf(table, "Astrello benchmarks on %s\n\n", machine);
    fprintf(table, "| %-9s | %-38s | %12s | %12s | %7s | %-14s |\n", "section", "figure", "value",
            "baseline", "ratio", "target");
    fprintf(table, "|%s|%s|%s|%s|%s|%s|\n", "-----------",
            "----------------------------------------",
            "-------------:", "-------------:", "--------:", "----------------");
    fflush(table);
}

void printRow(const Row& row) {
    double ratio = row.baseline > 0.0 ? row.value / row.baseline : 0.0;
    char value[32], baseline[32], ratioText[16], target[40] = "";
    snprintf(value, sizeof value, "%.3f %s", row.value, row.unit);
    if (row.baseline > 0.0) {
        snprintf(baseline, sizeof baseline, "%.3f %s", row.baseline, row.unit);
        snprintf(ratioText, sizeof ratioText, "%.2fx", ratio);
    } else {
        snprintf(baseline, sizeof baseline, "-");
        snprintf(ratioText, sizeof ratioText, "-");
    }
    if (row.target > 0.0) {
        bool ok = (row.targetIsRatio ? ratio : row.value) < row.target;
        ++checked;
        met += ok;
        snprintf(target, sizeof target, "< %g%s %s", row.target, row.targetIsRatio ? "x" : "",
                 ok ? "ok" : "MISSED");
    }
    fprintf(table, "| %-9s | %-38s | %12s | %12s | %7s | %-14s |\n", row.section.c_str(),
            row.name.c_str(), value, baseline, ratioText, target);
    fflush(table);
}

void printSummary() { fprintf(table, "\n%d of %d figures meet their targets\n", met, checked); }
