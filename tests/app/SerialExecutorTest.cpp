#include "SerialExecutor.h"

#include <gtest/gtest.h>

#include <QThread>

#include <atomic>
#include <mutex>
#include <numeric>
#include <vector>

#include "QtWait.h"

namespace tornivo::app {
namespace {

using namespace test;

struct Recorder {
    std::mutex mutex;
    std::vector<int> order;
    std::atomic<int> running{0};
};

TEST(SerialExecutorTest, CallsRunOneAtATimeInOrderOffTheMainThread) {
    auto recorder = std::make_shared<Recorder>();
    SerialExecutor<Recorder> executor(recorder);
    QThread* main = QThread::currentThread();
    std::vector<QFuture<bool>> futures;
    for (int i = 0; i < 20; ++i)
        futures.push_back(executor.run([i, main](Recorder& r) {
            const bool alone = ++r.running == 1;
            QThread::usleep(500);
            {
                std::lock_guard lock(r.mutex);
                r.order.push_back(i);
            }
            --r.running;
            return alone && QThread::currentThread() != main;
        }));
    for (auto& f : futures) {
        ASSERT_TRUE(waitFor(f));
        EXPECT_TRUE(f.result()) << "ran beside another call or on the main thread";
    }
    std::vector<int> expected(20);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(recorder->order, expected);
}

TEST(SerialExecutorTest, ProgressReachesTheMainThreadAndIsDroppedOnceTheReceiverIsGone) {
    SerialExecutor<int> executor(std::make_shared<int>(0));
    auto receiver = std::make_unique<QObject>();
    std::vector<int> seen;
    auto progress = mainThreadCallback<int>(receiver.get(), [&](int n) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        seen.push_back(n);
    });
    auto first = executor.run([progress](int&) {
        for (int i = 1; i <= 3; ++i) progress(i);
        return true;
    });
    ASSERT_TRUE(waitFor(first));
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));

    // Reports queued while the receiver still lives, delivered after it is gone: dropped.
    auto late = executor.run([progress](int&) {
        progress(99);
        return true;
    });
    late.waitForFinished();
    receiver.reset();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(seen.size(), 3u);
}

}  // namespace
}  // namespace tornivo::app
