// AppState: the installers section.

#include <set>

#include "AppState.h"

namespace tornivo::app {

void AppState::runInstallerScan() {
    assign(isScanningInstallers_, true, &AppState::isScanningInstallersChanged);
    play(SoundCue::scanStart);
    installerScanner_
        .run([](InstallerScanner& engine) {
            std::vector<RootProblem> refused;
            auto files = engine.scan(&refused);
            return std::make_pair(std::move(files), std::move(refused));
        })
        .then(this, [this](std::pair<std::vector<InstallerFile>, std::vector<RootProblem>> found) {
            reportRefused(found.second);
            installerFiles_->replace(withoutProtected(
                std::move(found.first),
                exclusions_->protection()));  // matched installers are ticked again
            emit installerFilesChanged();
            if (!installerFiles().empty()) play(SoundCue::scanDone);
            assign(isScanningInstallers_, false, &AppState::isScanningInstallersChanged);
        });
}

void AppState::toggleInstaller(const InstallerFile& file) {
    // A stale copy (the list changed meanwhile) matches no row.
    if (installerFiles_->toggleFirst([&](const InstallerFile& f) { return f == file; }))
        emit installerFilesChanged();
}

void AppState::toggleInstaller(const QString& id) {
    const Uuid wanted = Uuid::fromString(id.toStdString());
    if (!wanted.isNull() &&
        installerFiles_->toggleFirst([&](const InstallerFile& f) { return f.id == wanted; }))
        emit installerFilesChanged();
}

void AppState::removeSelectedInstallers() {
    if (!mayRemove()) return;
    std::vector<InstallerFile> toMove;
    std::set<Uuid> ticked;
    for (const auto& f : installerFiles()) {
        if (!f.isSelected) continue;
        ticked.insert(f.id);
        // A folder protected since the scan keeps its files; they still leave the list.
        if (!exclusions_->isProtected(f.url)) toMove.push_back(f);
    }
    play(SoundCue::removeStart);
    installerScanner_
        .run([files = std::move(toMove)](InstallerScanner& engine) { return engine.remove(files); })
        .then(this, [this, ticked = std::move(ticked)](ByteCount) {
            // The records that were ticked when the removal started, moved or not.
            installerFiles_->removeIf(
                [&](const InstallerFile& f) { return ticked.contains(f.id); });
            emit installerFilesChanged();
            monitor_->refresh();
            play(SoundCue::removeDone);
        });
}

}  // namespace tornivo::app
