#pragma once
// Runs the calls to one engine one at a time, in the order they were made, on a worker thread
// of its own, and hands back a QFuture. Callers continue on the main thread with
// QFuture::then(context, ...), so results are written only there.

#include <QCoreApplication>
#include <QFuture>
#include <QPointer>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>
#include <type_traits>

namespace tornivo::app {

template <class Engine>
class SerialExecutor {
  public:
    explicit SerialExecutor(std::shared_ptr<Engine> engine) : engine_(std::move(engine)) {
        pool_.setMaxThreadCount(1);  // one worker: calls run in order, never side by side
    }
    ~SerialExecutor() { pool_.waitForDone(); }
    SerialExecutor(const SerialExecutor&) = delete;
    SerialExecutor& operator=(const SerialExecutor&) = delete;

    // Queues `work(engine)` and returns the future of its result.
    template <class Work>
    auto run(Work&& work) -> QFuture<std::invoke_result_t<Work, Engine&>> {
        return QtConcurrent::run(
            &pool_,
            [engine = engine_, w = std::forward<Work>(work)]() mutable { return w(*engine); });
    }

    Engine& engine() { return *engine_; }

  private:
    std::shared_ptr<Engine> engine_;
    QThreadPool pool_;
};

// Wraps a main-thread handler into a callback that any thread may call: each call is queued to
// the main thread and dropped there if `receiver` is gone by then. Make it on the main thread.
template <class... Args, class Handler>
auto mainThreadCallback(QObject* receiver, Handler handler) {
    QPointer<QObject> guard(receiver);
    return [guard, handler](Args... args) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, handler, args...]() {
                if (guard) handler(args...);
            },
            Qt::QueuedConnection);
    };
}

// Continues `future` on the main thread: `handler(result)` runs there unless `receiver` is gone
// by then or the work was cancelled. For work that its receiver does not wait for as it goes:
// QFuture::then(context, ...) wants the context to outlive the work.
template <class T, class Handler>
void continueOnMainThread(QFuture<T> future, QObject* receiver, Handler handler) {
    future.then([callback = mainThreadCallback<T>(receiver, std::move(handler))](T result) {
        callback(std::move(result));
    });
}

}  // namespace tornivo::app
