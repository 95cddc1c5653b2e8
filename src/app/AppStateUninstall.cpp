// AppState: the uninstall section.

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "AppState.h"
#include "platform/PathText.h"

namespace tornivo::app {

namespace {

std::vector<RunningProcess> processesOfThisUser() {
    return RunningApps::processes("/proc", ::getuid());
}

// What the uninstaller's worker did with a confirmed plan.
struct UninstallStep {
    bool stillRunning = false;  // the application runs and no quit was asked for: nothing done
    RemovalOutcome outcome;
};

}  // namespace

void AppState::loadInstalledApps() {
    uninstaller_.run([](UninstallerEngine& engine) { return engine.installedApps(); })
        .then(this, [this](std::vector<InstalledApp> apps) {
            installedApps_->replace(std::move(apps));
            emit installedAppsChanged();
        });
}

void AppState::setUninstallTarget(std::optional<UninstallTarget> target) {
    uninstallTarget_ = std::move(target);
    if (uninstallTarget_) uninstallTargetView_->show(*uninstallTarget_);
    emit uninstallTargetChanged();
}

void AppState::inspectApp(const Path& appURL) {
    assign(isInspecting_, true, &AppState::isInspectingChanged);
    forgetOutcome(Section::uninstall);
    const Operation operation = start(Section::uninstall);
    uninstaller_
        .run([appURL, protection = exclusions_->protection(),
              stop = operation.stop.get_token()](UninstallerEngine& engine) {
            // Protected folders keep the application's own files too (an AppImage kept in a
            // protected folder stays where it is).
            return inspectApplication(engine, appURL, protection, stop);
        })
        .then(this, [this, stop = operation.stop](UninstallTarget plan) {
            finish(Section::uninstall, stop);
            // Stopped, the plan is incomplete: none is shown.
            if (!stop.stop_requested()) setUninstallTarget(std::move(plan));
            assign(isInspecting_, false, &AppState::isInspectingChanged);
        });
}

void AppState::inspectApp(const QString& appID) {
    if (appID.isEmpty()) return;
    inspectApp(decodePathText(appID.toStdString()));
}

void AppState::inspectDroppedFile(const QUrl& url) {
    if (!url.isLocalFile()) return;
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    uninstaller_
        .run([dropped = Path(bytes.toStdString())](UninstallerEngine& engine) {
            return engine.droppedApplication(dropped);
        })
        .then(this, [this](std::optional<Path> app) {
            if (app) inspectApp(*app);
        });
}

void AppState::toggleLeftover(const AppLeftover& leftover) {
    if (!uninstallTarget_ || isUninstalling_) return;
    auto& leftovers = uninstallTarget_->leftovers;
    auto it = std::find(leftovers.begin(), leftovers.end(), leftover);
    if (it == leftovers.end()) return;  // a stale copy: the plan changed meanwhile
    it->isSelected = !it->isSelected;
    uninstallTargetView_->show(*uninstallTarget_);
    emit uninstallTargetChanged();
}

void AppState::toggleLeftover(const QString& id) {
    if (!uninstallTarget_) return;
    const Uuid wanted = Uuid::fromString(id.toStdString());
    if (wanted.isNull()) return;
    const auto& leftovers = uninstallTarget_->leftovers;
    auto it = std::find_if(leftovers.begin(), leftovers.end(),
                           [&](const AppLeftover& l) { return l.id == wanted; });
    if (it != leftovers.end()) toggleLeftover(AppLeftover(*it));
}

void AppState::cancelUninstall() {
    // Confirmed, the plan is under way: hiding it would not stop it.
    if (isUninstalling_) return;
    setUninstallTarget(std::nullopt);
}

void AppState::confirmUninstall(bool force) {
    if (!uninstallTarget_ || isUninstalling_) return;
    assign(isUninstalling_, true, &AppState::isUninstallingChanged);
    // Everything that reads the processes, and the wait for a polite quit, happens on the
    // uninstaller's worker, never on the main thread.
    uninstaller_
        .run([plan = *uninstallTarget_, force, running = runningApps_,
              protection = exclusions_->protection()](UninstallerEngine& engine) {
            UninstallStep step;
            const bool runs = plan.bundleID && !plan.bundleID->empty() &&
                              running().contains(RunningApps::lowerCased(*plan.bundleID));
            if (runs && !force) {
                step.stillRunning = true;
                return step;
            }
            if (runs) {
                // A polite quit request to every instance, never to this program itself, then a
                // wait for them to go before the removal goes on anyway.
                for (pid_t pid : UninstallerEngine::instancesOf(*plan.bundleID,
                                                                processesOfThisUser(), ::getpid()))
                    ::kill(pid, SIGTERM);
                for (int waits = 0;
                     waits < kQuitPolls && !UninstallerEngine::instancesOf(
                                                *plan.bundleID, processesOfThisUser(), ::getpid())
                                                .empty();
                     ++waits)
                    std::this_thread::sleep_for(std::chrono::milliseconds(kQuitPollMs));
            }
            step.outcome = uninstallApplication(engine, plan, protection);
            return step;
        })
        .then(this, [this, plan = *uninstallTarget_](UninstallStep step) {
            if (step.stillRunning) {
                assign(isUninstalling_, false, &AppState::isUninstallingChanged);
                return setShowAppRunningAlert(true);
            }
            const bool refused = step.outcome.refused.has_value();
            std::vector<TrashedItem> moved = step.outcome.trashed;
            // The application's own files went when none of them was left behind.
            bool filesGone = plan.removal == AppRemoval::trash && !plan.appFiles.empty();
            for (const auto& left : step.outcome.left)
                for (const auto& file : plan.appFiles)
                    if (left.url == file.url) filesGone = false;
            publishOutcome(Section::uninstall, std::move(step.outcome));
            if (refused) return assign(isUninstalling_, false, &AppState::isUninstallingChanged);
            const auto command = UninstallerEngine::removalCommand(plan);
            if (!command) return finishUninstall(plan, filesGone, std::move(moved));
            QFuture<bool> done =
                runUninstallCommand_ ? runUninstallCommand_(*command) : tuneUp_->start(*command);
            done.then(this, [this, plan, moved = std::move(moved)](bool ok) {
                // Refused or failed, the application stays: its leftovers can come back.
                if (!ok) return finishUninstall(plan, false, moved);
                // Gone by its package tool, it cannot come back with them: no Undo, and no older
                // move may be undone in its place.
                restorer_.run([moved](Layout& layout) {
                    return forgetTrashMove(layout, moved.empty() ? nullptr : &moved);
                });
                finishUninstall(plan, true);
            });
        });
}

void AppState::finishUninstall(const UninstallTarget& plan, bool appRemoved,
                               std::vector<TrashedItem> undoable) {
    assign(isUninstalling_, false, &AppState::isUninstallingChanged);
    setUninstallTarget(std::nullopt);
    monitor_->refresh();
    play(SoundCue::removeDone);
    const QString name = QString::fromStdString(displayText(std::string_view(plan.appName)));
    // An application that stays (installed by the system, or its removal was refused) is not
    // said to be gone.
    const QString message = appRemoved ? qtTrId("banner.uninstalledMessage").arg(name)
                                       : qtTrId("banner.leftoversRemovedMessage").arg(name);
    showBanner("trash.fill", qtTrId("banner.uninstalledTitle"), message,
               undoable.empty() ? std::function<void()>() : undoAction(std::move(undoable)));
    loadInstalledApps();
}

}  // namespace tornivo::app
