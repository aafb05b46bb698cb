#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// A request to stop, observed by a running job and by every HTTP transfer the job
// makes (the transfer aborts within about a second, or at the next block received).
class CancelFlag {
public:
    void raise() noexcept { raised_.store(true, std::memory_order_release); }
    bool raised() const noexcept { return raised_.load(std::memory_order_acquire); }

    // The flag of the job running on the calling thread; nullptr outside a job.
    static const CancelFlag* current() noexcept;

private:
    std::atomic<bool> raised_{false};
};

// Runs each job once on a thread of its own and lets it go. shutdown() raises the
// flag of every running job, waits until all of them have returned, and from then on
// refuses new jobs, so no job outlives what it touches.
class WorkerGroup {
public:
    using Job = std::function<void(const CancelFlag&)>;

    WorkerGroup() = default;
    WorkerGroup(const WorkerGroup&) = delete;
    WorkerGroup& operator=(const WorkerGroup&) = delete;
    ~WorkerGroup();  // shuts down

    // Returns the job's flag, which the caller may raise to stop that job alone;
    // nullptr when the group is shut down (the job is then not run).
    std::shared_ptr<CancelFlag> start(Job job);
    void shutdown();
    int running() const;

private:
    void finished(const std::shared_ptr<CancelFlag>& flag);

    mutable std::mutex mutex_;
    std::condition_variable idle_;
    std::vector<std::shared_ptr<CancelFlag>> running_;
    bool closed_ = false;
};

// The program's one launcher: every request of the program starts through it, and
// the program calls Workers::shutdown() once at exit.
class Workers {
public:
    static std::shared_ptr<CancelFlag> start(WorkerGroup::Job job);
    static void shutdown();
    static WorkerGroup& group();
};
