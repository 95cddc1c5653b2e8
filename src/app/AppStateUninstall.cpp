// AppState: the uninstall section.

#include <signal.h>
#include <unistd.h>

#include <QTimer>

#include <algorithm>

#include "AppState.h"
#include "platform/PathText.h"

namespace tornivo::app {

namespace {

std::vector<RunningProcess> processesOfThisUser() {
    return RunningApps::processes("/proc", ::getuid());
}

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
    uninstaller_.run([appURL](UninstallerEngine& engine) { return engine.inspect(appURL); })
        .then(this, [this](UninstallTarget plan) {
            plan.leftovers = withoutProtected(std::move(plan.leftovers), exclusions_->protection());
            // The user's protected folders keep the application's own files too (an AppImage
            // kept in a protected folder stays where it is).
            std::erase_if(plan.appFiles, [&](const AppFile& f) {
                if (!exclusions_->isProtected(f.url)) return false;
                plan.appSize -= f.size;
                return true;
            });
            setUninstallTarget(std::move(plan));
            assign(isInspecting_, false, &AppState::isInspectingChanged);
        });
}

void AppState::inspectApp(const QString& appID) {
    if (appID.isEmpty()) return;
    inspectApp(decodePathText(appID.toStdString()));
}

void AppState::toggleLeftover(const AppLeftover& leftover) {
    if (!uninstallTarget_) return;
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
    setUninstallTarget(std::nullopt);
}

void AppState::confirmUninstall(bool force) {
    if (!uninstallTarget_ || !mayRemove()) return;
    UninstallTarget plan = *uninstallTarget_;
    const bool running = plan.bundleID && !plan.bundleID->empty() &&
                         runningApps_().contains(RunningApps::lowerCased(*plan.bundleID));
    if (!running) return uninstallNow(std::move(plan));
    if (!force) return setShowAppRunningAlert(true);

    // A polite quit request to every instance, never to this program itself.
    for (pid_t pid :
         UninstallerEngine::instancesOf(*plan.bundleID, processesOfThisUser(), ::getpid()))
        ::kill(pid, SIGTERM);
    waitForQuitThenUninstall(std::move(plan), 0);
}

void AppState::waitForQuitThenUninstall(UninstallTarget plan, int waits) {
    if (waits >= kQuitPolls ||
        UninstallerEngine::instancesOf(*plan.bundleID, processesOfThisUser(), ::getpid()).empty())
        return uninstallNow(std::move(plan));
    QTimer::singleShot(kQuitPollMs, this, [this, plan = std::move(plan), waits]() mutable {
        waitForQuitThenUninstall(std::move(plan), waits + 1);
    });
}

void AppState::uninstallNow(UninstallTarget plan) {
    // A folder protected since the inspection keeps what lies in it.
    std::erase_if(plan.leftovers,
                  [this](const AppLeftover& l) { return exclusions_->isProtected(l.url); });
    std::erase_if(plan.appFiles,
                  [this](const AppFile& f) { return exclusions_->isProtected(f.url); });
    uninstaller_.run([plan](UninstallerEngine& engine) { return engine.uninstall(plan, true); })
        .then(this, [this, plan](ByteCount) {
            const auto command = UninstallerEngine::removalCommand(plan);
            if (!command)
                return finishUninstall(plan,
                                       plan.removal == AppRemoval::trash && !plan.appFiles.empty());
            QFuture<bool> done =
                runUninstallCommand_ ? runUninstallCommand_(*command) : tuneUp_->start(*command);
            done.then(this, [this, plan](bool ok) { finishUninstall(plan, ok); });
        });
}

void AppState::finishUninstall(const UninstallTarget& plan, bool appRemoved) {
    setUninstallTarget(std::nullopt);
    monitor_->refresh();
    play(SoundCue::removeDone);
    const QString name = QString::fromStdString(displayText(std::string_view(plan.appName)));
    // An application that stays (installed by the system, or its removal was refused) is not
    // said to be gone.
    const QString message = appRemoved ? qtTrId("banner.uninstalledMessage").arg(name)
                                       : qtTrId("banner.leftoversRemovedMessage").arg(name);
    showBanner_("trash.fill", qtTrId("banner.uninstalledTitle"), message);
    loadInstalledApps();
}

}  // namespace tornivo::app
