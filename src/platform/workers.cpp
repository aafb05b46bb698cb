#include "platform/workers.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace {
thread_local const CancelFlag* currentFlag = nullptr;
}

const CancelFlag* CancelFlag::current() noexcept {
    return currentFlag;
}

WorkerGroup::~WorkerGroup() {
    shutdown();
}

std::shared_ptr<CancelFlag> WorkerGroup::start(Job job) {
    auto flag = std::make_shared<CancelFlag>();
    {
        std::lock_guard lock(mutex_);
        if (closed_ || !job) return nullptr;
        running_.push_back(flag);
    }
    std::thread([this, flag, job = std::move(job)]() mutable {
        currentFlag = flag.get();
        job(*flag);
        // Whatever the job captured is released before the group hears it ended.
        job = nullptr;
        currentFlag = nullptr;
        finished(flag);
    }).detach();
    return flag;
}

void WorkerGroup::finished(const std::shared_ptr<CancelFlag>& flag) {
    std::lock_guard lock(mutex_);
    running_.erase(std::find(running_.begin(), running_.end(), flag));
    // Notified under the lock: a waiting destructor cannot free the group before this
    // thread is done with it.
    idle_.notify_all();
}

void WorkerGroup::shutdown() {
    std::unique_lock lock(mutex_);
    closed_ = true;
    for (const auto& flag : running_) flag->raise();
    idle_.wait(lock, [this] { return running_.empty(); });
}

int WorkerGroup::running() const {
    std::lock_guard lock(mutex_);
    return int(running_.size());
}

std::shared_ptr<CancelFlag> Workers::start(WorkerGroup::Job job) {
    return group().start(std::move(job));
}

void Workers::shutdown() {
    group().shutdown();
}

WorkerGroup& Workers::group() {
    // Never destroyed: a detached job may still be leaving while statics are torn down.
    static WorkerGroup* const program = new WorkerGroup;
    return *program;
}
