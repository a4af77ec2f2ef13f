#include "sim/RunPool.h"

#include <algorithm>
#include <chrono>

#include "sim/BodyTrack.h"
#include "sim/Optimizer.h"
#include "sim/Threads.h"
#include "sim/Waypoints.h"
#include "sim/World.h"

struct RunPool::Worker {
    World world;
    std::unique_ptr<BodyTrack> track;  // this worker's recording of the bodies' motion
};

RunPool::RunPool(const Rules& rules_, unsigned count) : rules(rules_) {
    if (count == 0) count = std::max(1u, std::thread::hardware_concurrency());
    if (!threadsAvailable) count = 1;
    for (unsigned i = 0; i < count; ++i) {
        workers.push_back(std::make_unique<Worker>());
        workers.back()->world.mission = &rules;
        workers.back()->world.reset();
    }
    if (!threadsAvailable) return;
    for (unsigned i = 0; i < count; ++i) threads.emplace_back([this, i] { work(*workers[i], i); });
}

RunPool::~RunPool() {
    cancel = true;
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    started.notify_all();
    for (std::thread& thread : threads) thread.join();
}

void RunPool::start(std::vector<Job> batchJobs, float limit_, long maxSteps) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        jobs = std::move(batchJobs);
        results.assign(jobs.size(), Outcome());
        limit = limit_;
        steps = maxSteps;
        done = 0;
        pending = true;
        ++batch;
    }
    started.notify_all();
}

bool RunPool::wait(const std::function<bool()>& more) {
    if (threads.empty()) {
        for (size_t i = 0; i < jobs.size(); ++i)
            results[i] = fly(*workers[0], jobs[i], limit, steps);
        done = jobs.size();
        pending = false;
        return true;
    }
    std::unique_lock<std::mutex> lock(mutex);
    if (!more) {
        // Nobody to ask: sleep until the batch is over rather than waking a
        // core the runs need every millisecond.
        ended.wait(lock, [this] { return done == jobs.size(); });
        pending = false;
        return true;
    }
    while (done < jobs.size()) {
        ended.wait_for(lock, std::chrono::milliseconds(1));
        if (done == jobs.size()) break;
        lock.unlock();
        const bool goOn = more();
        lock.lock();
        if (!goOn && done < jobs.size()) return false;
    }
    pending = false;
    return true;
}

RunPool::Outcome RunPool::fly(Worker& worker, const Job& job, float runLimit, long runSteps) {
    World& world = worker.world;
    world.rocket->program = job.program;
    if (!worker.track) {
        worker.track = Optimizer::trackFor(world, runLimit);
        // Only the runs step this world.
        if (worker.track) worker.track->trustSteps();
        world.bodyTrack = worker.track.get();
    }
    Outcome outcome;
    std::shared_ptr<Waypoints> points =
        job.shortcuts ? std::make_shared<Waypoints>(job.program) : nullptr;
    RunShortcuts shortcuts;
    shortcuts.from = job.shortcuts ? job.from.get() : nullptr;
    shortcuts.keep = points.get();
    shortcuts.settle = job.shortcuts;
    outcome.score = Optimizer::evaluate(world, runLimit, &cancel, runSteps, shortcuts);
    outcome.won = world.result.won;
    outcome.points = std::move(points);
    return outcome;
}

void RunPool::work(Worker& worker, size_t index) {
    unsigned seen = 0;
    for (;;) {
        float runLimit;
        long runSteps;
        Job job;
        {
            std::unique_lock<std::mutex> lock(mutex);
            started.wait(lock, [&] { return stopping || batch != seen; });
            if (stopping) return;
            seen = batch;
            if (index >= jobs.size()) continue;
            job = jobs[index];
            runLimit = limit;
            runSteps = steps;
        }
        const Outcome outcome = fly(worker, job, runLimit, runSteps);
        {
            std::lock_guard<std::mutex> lock(mutex);
            results[index] = outcome;
            ++done;
        }
        ended.notify_all();
    }
}
