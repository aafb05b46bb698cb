#include "platform/workers.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace {

TEST(WorkerGroupTest, RunsEachJobOnceOnItsOwnThread) {
    WorkerGroup group;
    std::promise<std::thread::id> ran;
    std::atomic<int> runs{0};
    const CancelFlag* seenCurrent = nullptr;
    const CancelFlag* passed = nullptr;
    auto flag = group.start([&](const CancelFlag& cancel) {
        ++runs;
        passed = &cancel;
        seenCurrent = CancelFlag::current();
        ran.set_value(std::this_thread::get_id());
    });
    ASSERT_NE(flag, nullptr);
    EXPECT_NE(ran.get_future().get(), std::this_thread::get_id());
    group.shutdown();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(passed, flag.get());
    EXPECT_EQ(seenCurrent, flag.get());
    EXPECT_EQ(CancelFlag::current(), nullptr);
}

TEST(WorkerGroupTest, ReturnedFlagStopsThatJobAlone) {
    WorkerGroup group;
    std::promise<void> firstStopped;
    std::atomic<bool> release{false};
    auto first = group.start([&](const CancelFlag& cancel) {
        while (!cancel.raised()) std::this_thread::yield();
        firstStopped.set_value();
    });
    auto second = group.start([&](const CancelFlag& cancel) {
        while (!release && !cancel.raised()) std::this_thread::yield();
    });
    first->raise();
    firstStopped.get_future().wait();
    EXPECT_FALSE(second->raised());
    release = true;
}

TEST(WorkerGroupTest, ShutdownRaisesEveryFlagWaitsAndRefusesNewJobs) {
    WorkerGroup group;
    std::atomic<int> started{0}, stopped{0};
    for (int i = 0; i < 3; ++i)
        group.start([&](const CancelFlag& cancel) {
            ++started;
            while (!cancel.raised()) std::this_thread::yield();
            ++stopped;
        });
    while (started < 3) std::this_thread::yield();
    EXPECT_EQ(group.running(), 3);
    group.shutdown();
    EXPECT_EQ(stopped, 3);
    EXPECT_EQ(group.running(), 0);

    bool ran = false;
    EXPECT_EQ(group.start([&](const CancelFlag&) { ran = true; }), nullptr);
    group.shutdown();
    EXPECT_FALSE(ran);
}

TEST(WorkerGroupTest, WhatAJobCapturedIsReleasedBeforeShutdownReturns) {
    auto owned = std::make_shared<int>(1);
    std::weak_ptr<int> watch = owned;
    {
        WorkerGroup group;
        group.start([held = std::move(owned)](const CancelFlag&) { (void)held; });
        group.shutdown();
        EXPECT_TRUE(watch.expired());
    }
}

}  // namespace
