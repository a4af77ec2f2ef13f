#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "sim/Instruction.h"
#include "sim/Rules.h"

class Waypoints;

// Flies programs on worker threads, each in a world of its own, a batch at
// a time: one program per worker. A world is a value and the rules never
// change, so every run scores exactly as it would on the caller's thread.
class RunPool {
public:
    struct Job {
        Program program;
        std::shared_ptr<const Waypoints> from;  // points to go on from; none: from the start
        // Keep this run's own points, end it once its score is certain;
        // false: fly it from its start to its end.
        bool shortcuts = false;
    };
    struct Outcome {
        float score = 0.0f;  // as Optimizer::evaluate() gives it
        bool won = false;
        std::shared_ptr<const Waypoints> points;  // of this run, if kept
    };

    // `threads`: the number of workers; 0 for one per core.
    RunPool(const Rules& rules, unsigned threads);
    // Abandons the runs in flight (within a few thousand steps) and joins.
    ~RunPool();
    RunPool(const RunPool&) = delete;
    RunPool& operator=(const RunPool&) = delete;

    unsigned size() const { return unsigned(workers.size()); }
    // Starts flying `jobs` (at most size()) with the cut-off `limit`,
    // each for at most `maxSteps` steps.
    void start(std::vector<Job> jobs, float limit, long maxSteps);
    bool busy() const { return pending; }
    // Waits for the batch, asking `more` (if any) about every millisecond
    // whether to go on waiting. True once every run of the batch has ended.
    bool wait(const std::function<bool()>& more);
    // The batch's outcomes, in the order of its programs.
    const std::vector<Outcome>& outcomes() const { return results; }

private:
    struct Worker;
    void work(Worker& worker, size_t index);
    Outcome fly(Worker& worker, const Job& job, float runLimit, long runSteps);

    const Rules& rules;
    std::vector<std::unique_ptr<Worker>> workers;
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::condition_variable started, ended;
    std::vector<Job> jobs;
    std::vector<Outcome> results;
    float limit = 0.0f;
    long steps = 0;
    unsigned batch = 0;  // counts the batches started
    size_t done = 0;     // runs of the current batch that have ended
    bool pending = false;
    bool stopping = false;
    std::atomic<bool> cancel{false};
};
