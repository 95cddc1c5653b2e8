#include "TuneUpEngine.h"

#include <QProcess>
#include <QPromise>

#include <memory>

namespace tornivo::app {

TuneUpEngine::TuneUpEngine(LayoutKind kind, QObject* parent) : QObject(parent), kind_(kind) {}

QFuture<bool> TuneUpEngine::run(const TuneUpAction& action) {
    return start(tuneUpInvocation(action, kind_));
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
