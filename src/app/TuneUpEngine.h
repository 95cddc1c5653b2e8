#pragma once
// Runs one maintenance task as a process and reports whether it succeeded (exit status 0).
// Output is discarded. Processes are watched by the event loop, so neither the main thread nor
// any worker waits on them, and different tasks run side by side. Tasks that need administrator
// rights run the privileged helper through pkexec. A task that says what it freed is measured
// around its run: the user's folders here, off the main thread; the system's by the helper, which
// reports on its output.

#include <QByteArray>
#include <QFuture>
#include <QObject>

#include <optional>

#include "engines/TuneUpCommands.h"

namespace tornivo::app {

struct TuneUpOutcome {
    bool ok = false;
    std::optional<ByteCount> freed;  // for a task that reports it, when it succeeded
};

class TuneUpEngine : public QObject {
    Q_OBJECT
  public:
    explicit TuneUpEngine(LayoutKind kind, QObject* parent = nullptr);

    // Succeeds when every process of the task ran and exited with status 0; a process that
    // cannot start fails, and a failing user's part stops the task there.
    QFuture<TuneUpOutcome> run(const TuneUpAction& action);
    // True when the process ran and exited with status 0.
    QFuture<bool> start(const ProcessInvocation& invocation);

    // The privileged helper of a program in `programFolder`: installed, the one in libexec under
    // the same prefix (the path polkit's actions name, so the prompt names the task); anywhere
    // else, in the build tree, the one built beside it (polkit's generic prompt).
    static Path privilegedHelper(const Path& programFolder);

  private:
    struct Finished {
        bool ok = false;
        QByteArray output;  // standard output, when kept
    };
    QFuture<Finished> launch(const ProcessInvocation& invocation, bool keepOutput);

    LayoutKind kind_;
    Path helper_;
};

}  // namespace tornivo::app
