#include "platform/ui_handoff.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>

#include <mutex>
#include <thread>
#include <vector>

namespace {

TEST(UiHandoffTest, CallsRunOnTheUiThreadInTheOrderTheyWereQueued) {
    constexpr int kThreads = 4, kCallsEach = 250;
    std::mutex queueing;  // makes the order of tickets the order of queueing
    int nextTicket = 0;
    std::vector<int> ran;
    bool allOnUi = true;

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < kCallsEach; ++i) {
                std::lock_guard lock(queueing);
                const int ticket = nextTicket++;
                runOnUi([&, ticket] {
                    ran.push_back(ticket);
                    allOnUi = allOnUi && QThread::currentThread() == qApp->thread();
                });
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_TRUE(ran.empty());  // nothing runs before the event loop turns

    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(int(ran.size()), kThreads * kCallsEach);
    for (int i = 0; i < int(ran.size()); ++i) ASSERT_EQ(ran[i], i);
    EXPECT_TRUE(allOnUi);
}

TEST(UiHandoffTest, QueuedFromTheUiThreadRunsLater) {
    bool ran = false;
    runOnUi([&] { ran = true; });
    EXPECT_FALSE(ran);
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(ran);
}

}  // namespace
