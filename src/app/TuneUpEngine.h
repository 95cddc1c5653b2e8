#pragma once
// Runs one maintenance task as a process and reports whether it succeeded (exit status 0).
// Output is discarded. Processes are watched by the event loop, so neither the main thread nor
// any worker waits on them, and different tasks run side by side.

#include <QFuture>
#include <QObject>

#include "engines/TuneUpCommands.h"

namespace tornivo::app {

class TuneUpEngine : public QObject {
    Q_OBJECT
  public:
    explicit TuneUpEngine(LayoutKind kind, QObject* parent = nullptr);

    // True when the process ran and exited with status 0; a process that cannot start fails.
    QFuture<bool> run(const TuneUpAction& action);
    // The same for an invocation built elsewhere.
    QFuture<bool> start(const ProcessInvocation& invocation);

  private:
    LayoutKind kind_;
};

}  // namespace tornivo::app
