#include "SerialExecutor.h"

#include <gtest/gtest.h>

#include <QThread>

#include <atomic>
#include <mutex>
#include <vector>

#include "QtWait.h"

namespace tornivo::app {
namespace {

using test::waitFor;
using test::waitUntil;

struct Recorder {
    std::mutex mutex;
    std::vector<int> order;
    std::atomic<int> running{0};
    std::atomic<int> maxRunning{0};
};

TEST(SerialExecutorTest, CallsRunOneAtATimeInOrderOffTheMainThread) {
    auto recorder = std::make_shared<Recorder>();
    SerialExecutor<Recorder> executor(recorder);
    QThread* main = QThread::currentThread();
    std::vector<QFuture<bool>> futures;
    for (int i = 0; i < 20; ++i) {
        futures.push_back(executor.run([i, main](Recorder& r) {
            int now = ++r.running;
            int seen = r.maxRunning.load();
            while (now > seen && !r.maxRunning.compare_exchange_weak(seen, now)) {
            }
            QThread::usleep(500);
            {
                std::lock_guard lock(r.mutex);
                r.order.push_back(i);
            }
            --r.running;
            return QThread::currentThread() != main;
        }));
    }
    for (auto& f : futures) {
        ASSERT_TRUE(waitFor(f));
        EXPECT_TRUE(f.result()) << "work must not run on the main thread";
    }
    EXPECT_EQ(recorder->maxRunning.load(), 1);
    std::vector<int> expected(20);
    for (int i = 0; i < 20; ++i) expected[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(recorder->order, expected);
}

TEST(SerialExecutorTest, ContinuationRunsOnTheMainThread) {
    SerialExecutor<int> executor(std::make_shared<int>(41));
    QObject context;
    QThread* ranOn = nullptr;
    int value = 0;
    executor.run([](int& n) { return n + 1; }).then(&context, [&](int result) {
        ranOn = QThread::currentThread();
        value = result;
    });
    ASSERT_TRUE(waitUntil([&] { return value != 0; }));
    EXPECT_EQ(value, 42);
    EXPECT_EQ(ranOn, QThread::currentThread());
}

TEST(SerialExecutorTest, ProgressReachesTheMainThreadAndIsDroppedOnceTheReceiverIsGone) {
    SerialExecutor<int> executor(std::make_shared<int>(0));
    auto receiver = std::make_unique<QObject>();
    std::vector<int> seen;
    std::vector<QThread*> threads;
    auto progress = mainThreadCallback<int>(receiver.get(), [&](int n) {
        seen.push_back(n);
        threads.push_back(QThread::currentThread());
    });
    auto first = executor.run([progress](int&) {
        for (int i = 1; i <= 3; ++i) progress(i);
        return true;
    });
    ASSERT_TRUE(waitFor(first));
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    for (auto* t : threads) EXPECT_EQ(t, QThread::currentThread());

    // Reports queued while the receiver still lives, delivered after it is gone: dropped.
    auto late = executor.run([progress](int&) {
        progress(99);
        return true;
    });
    first.waitForFinished();
    late.waitForFinished();
    receiver.reset();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(seen.size(), 3u);
}

}  // namespace
}  // namespace tornivo::app
