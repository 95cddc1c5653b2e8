#pragma once
// Runs one maintenance task as a process and reports whether it succeeded (exit status 0).
// Output is discarded. Processes are watched by the event loop, so neither the main thread nor
// any worker waits on them, and different tasks run side by side. Tasks that need administrator
// rights run the privileged helper through pkexec.

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

    // The privileged helper of a program in `programFolder`: installed, the one in libexec under
    // the same prefix (the path polkit's actions name, so the prompt names the task); anywhere
    // else, in the build tree, the one built beside it (polkit's generic prompt).
    static Path privilegedHelper(const Path& programFolder);

  private:
    LayoutKind kind_;
    Path helper_;
};

}  // namespace tornivo::app
