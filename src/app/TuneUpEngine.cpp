#include "TuneUpEngine.h"

#include <QProcess>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "SerialExecutor.h"
#include "platform/FileSystemHelper.h"

namespace tornivo::app {

namespace {

// The folder of the running program, as bytes (a file name is never re-encoded).
Path programFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

}  // namespace

TuneUpEngine::TuneUpEngine(LayoutKind kind, QObject* parent)
    : QObject(parent), kind_(kind), helper_(privilegedHelper(programFolder())) {}

Path TuneUpEngine::privilegedHelper(const Path& programFolder) {
    // The programs are installed in bin; the build tree has them in src/app and src/cli.
    const bool installed =
        programFolder.filename() == Path(TORNIVO_INSTALL_BINDIR).lexically_normal().filename();
    return (programFolder / (installed ? TORNIVO_HELPER_FROM_BINDIR : TORNIVO_HELPER_FROM_BUILD))
        .lexically_normal();
}

QFuture<TuneUpOutcome> TuneUpEngine::run(const TuneUpAction& action) {
    auto promise = std::make_shared<QPromise<TuneUpOutcome>>();
    QFuture<TuneUpOutcome> future = promise->future();
    promise->start();
    auto finish = [promise](TuneUpOutcome outcome) {
        promise->addResult(outcome);
        promise->finish();
    };
    const std::vector<Path> folders = action.measured;
    auto measure = [folders] {
        return QtConcurrent::run([folders] {
            ByteCount total = 0;
            for (const Path& folder : folders) total += FileSystemHelper::directorySize(folder);
            return total;
        });
    };
    // The helper's output carries its report; other programs' output is never kept.
    const bool fromHelper = action.needsAdmin && kind_ == LayoutKind::freedesktop;
    const ProcessInvocation main = tuneUpInvocation(action, kind_, helper_);
    auto runMain = [=, this](ByteCount before) {
        const bool keep = fromHelper && action.reportsFreed;
        continueOnMainThread(launch(main, keep), this, [=, this](const Finished& done) {
            if (!done.ok) return finish({false, std::nullopt});
            if (!action.reportsFreed) return finish({true, std::nullopt});
            continueOnMainThread(measure(), this, [=](ByteCount after) {
                const ByteCount reported = reportedFreed(done.output.toStdString()).value_or(0);
                finish({true, std::max<ByteCount>(0, before - after) + reported});
            });
        });
    };
    // Each step goes on only while this engine is there: one that goes first (its owner
    // quitting mid-task) leaves the task cancelled.
    continueOnMainThread(measure(), this, [=, this](ByteCount before) {
        if (action.userCommand.empty()) return runMain(before);
        continueOnMainThread(start({"/bin/sh", {"-c", action.userCommand}}), this, [=](bool ok) {
            if (ok)
                runMain(before);
            else
                finish({false, std::nullopt});
        });
    });
    return future;
}

QFuture<bool> TuneUpEngine::start(const ProcessInvocation& invocation) {
    return launch(invocation, false).then([](const Finished& done) { return done.ok; });
}

QFuture<TuneUpEngine::Finished> TuneUpEngine::launch(const ProcessInvocation& invocation,
                                                     bool keepOutput) {
    // A report is a line; more than this is not one, and is not kept.
    constexpr qint64 kOutputKept = 64 * 1024;
    auto promise = std::make_shared<QPromise<Finished>>();
    QFuture<Finished> future = promise->future();
    promise->start();
    auto output = std::make_shared<QByteArray>();
    auto finish = [promise, output](bool ok) {
        if (promise->future().isFinished()) return;
        promise->addResult(Finished{ok, *output});
        promise->finish();
    };

    auto* process = new QProcess(this);
    process->setProgram(QString::fromStdString(invocation.program));
    QStringList arguments;
    for (const auto& a : invocation.arguments) arguments << QString::fromStdString(a);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    if (keepOutput) {
        connect(process, &QProcess::readyReadStandardOutput, this, [process, output] {
            const QByteArray more = process->readAllStandardOutput();
            if (output->size() + more.size() <= kOutputKept) output->append(more);
        });
    } else {
        process->setStandardOutputFile(QProcess::nullDevice());
    }
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this,
            [process, finish, output, keepOutput](int code, QProcess::ExitStatus status) {
                if (keepOutput) {
                    const QByteArray rest = process->readAllStandardOutput();
                    if (output->size() + rest.size() <= kOutputKept) output->append(rest);
                }
                finish(status == QProcess::NormalExit && code == 0);
                process->deleteLater();
            });
    connect(process, &QProcess::errorOccurred, this, [process, finish](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;  // a crash also ends in finished()
        finish(false);
        process->deleteLater();
    });
    process->start();
    return future;
}

}  // namespace tornivo::app
