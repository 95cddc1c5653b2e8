// AppState: the installers section.

#include <set>

#include "AppState.h"

namespace tornivo::app {

void AppState::runInstallerScan() {
    assign(isScanningInstallers_, true, &AppState::isScanningInstallersChanged);
    play(SoundCue::scanStart);
    const Operation operation = start(Section::installers);
    installerScanner_
        .run([protection = exclusions_->protection(), stop = operation.stop.get_token()](
                 InstallerScanner& engine) { return findInstallers(engine, protection, stop); })
        .then(this, [this, stop = operation.stop](Findings<InstallerFile> found) {
            finish(Section::installers, stop);
            if (!stop.stop_requested()) {  // stopped: the earlier result stays
                publishReport(Section::installers, std::move(found.report));
                // Matched installers are ticked again.
                installerFiles_->replace(std::move(found.records));
                emit installerFilesChanged();
                if (!installerFiles().empty()) play(SoundCue::scanDone);
            }
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
    if (!removing_.insert(Section::installers).second) return;
    std::set<Uuid> ticked;
    for (const auto& f : installerFiles())
        if (f.isSelected) ticked.insert(f.id);
    play(SoundCue::removeStart);
    installerScanner_
        .run([files = installerFiles(),
              protection = exclusions_->protection()](InstallerScanner& engine) {
            // A folder protected since the scan keeps its files. A few files at the top of two
            // folders: over before anyone could stop it.
            return trashInstallers(engine, files, protection);
        })
        .then(this, [this, ticked = std::move(ticked)](RemovalOutcome outcome) {
            removing_.erase(Section::installers);
            // The records that were ticked when the removal started, moved or not (the outcome
            // says what stayed); all of them stay listed when nothing could be attempted.
            if (!outcome.refused)
                installerFiles_->removeIf(
                    [&](const InstallerFile& f) { return ticked.contains(f.id); });
            publishOutcome(Section::installers, std::move(outcome));
            emit installerFilesChanged();
            monitor_->refresh();
            play(SoundCue::removeDone);
        });
}

}  // namespace tornivo::app
