#pragma once
// Waiting in tests without blocking the event loop: queued calls and continuations still run.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFuture>

#include <functional>

namespace tornivo::test {

// Processes events until `done()` holds or `timeoutMs` passes; returns whether it held.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000);

// Waits for a future while the event loop runs; returns whether it finished in time.
template <class T>
bool waitFor(const QFuture<T>& future, int timeoutMs = 10000) {
    return waitUntil([&] { return future.isFinished(); }, timeoutMs);
}

}  // namespace tornivo::test
