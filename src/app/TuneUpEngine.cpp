#include "TuneUpEngine.h"

#include <QProcess>
#include <QPromise>

#include <filesystem>
#include <memory>

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

QFuture<bool> TuneUpEngine::run(const TuneUpAction& action) {
    return start(tuneUpInvocation(action, kind_, helper_));
}

QFuture<bool> TuneUpEngine::start(const ProcessInvocation& invocation) {
    auto promise = std::make_shared<QPromise<bool>>();
    QFuture<bool> future = promise->future();
    promise->start();
    auto finish = [promise](bool ok) {
        if (promise->future().isFinished()) return;
        promise->addResult(ok);
        promise->finish();
    };

    auto* process = new QProcess(this);
    process->setProgram(QString::fromStdString(invocation.program));
    QStringList arguments;
    for (const auto& a : invocation.arguments) arguments << QString::fromStdString(a);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this,
            [process, finish](int code, QProcess::ExitStatus status) {
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
