// AppState: the developer section.

#include <algorithm>

#include "AppState.h"

namespace tornivo::app {

void AppState::runDeveloperScan() {
    assign(isScanningDev_, true, &AppState::isScanningDevChanged);
    assign(lastDevFreed_, std::optional<ByteCount>(), &AppState::lastDevFreedChanged);
    play(SoundCue::scanStart);
    developerClean_
        .run([days = developerProtectionDays_, now = now_()](DeveloperCleanEngine& engine) {
            return engine.scan(days, now);
        })
        .then(this, [this](DeveloperScanResult result) {
            // On Linux the walk covers the whole home: a folder the user protected keeps its
            // build outputs too.
            std::erase_if(result.projects, [this](const DeveloperProject& p) {
                return exclusions_->isProtected(p.url);
            });
            ByteCount cleanable = 0;
            for (const auto& p : result.projects)
                if (!p.isActive) cleanable += p.size;
            setDeveloperResult(std::move(result));
            if (cleanable > 0) play(SoundCue::scanDone);
            assign(isScanningDev_, false, &AppState::isScanningDevChanged);
        });
}

void AppState::toggleDeveloperProject(const DeveloperProject& project) {
    if (project.isActive || !developerResult_) return;
    const auto& projects = developerResult_->projects;
    auto it = std::find(projects.begin(), projects.end(), project);
    if (it == projects.end()) return;  // a stale copy: the result changed meanwhile
    DeveloperScanResult result = *developerResult_;
    auto& flipped = result.projects[static_cast<std::size_t>(it - projects.begin())];
    flipped.isSelected = !flipped.isSelected;
    setDeveloperResult(std::move(result));
}

void AppState::toggleDeveloperProject(const QString& id) {
    const Uuid wanted = Uuid::fromString(id.toStdString());
    if (wanted.isNull() || !developerResult_) return;
    const auto& projects = developerResult_->projects;
    auto it = std::find_if(projects.begin(), projects.end(),
                           [&](const DeveloperProject& p) { return p.id == wanted; });
    if (it != projects.end()) toggleDeveloperProject(DeveloperProject(*it));
}

void AppState::runDeveloperClean() {
    if (!developerResult_ || !mayRemove()) return;
    std::vector<DeveloperProject> selection;
    for (const auto& p : developerResult_->cleanableProjects())
        if (p.isSelected && !exclusions_->isProtected(p.url)) selection.push_back(p);
    assign(isScanningDev_, true, &AppState::isScanningDevChanged);
    play(SoundCue::removeStart);
    developerClean_
        .run([selection = std::move(selection)](DeveloperCleanEngine& engine) {
            return engine.clean(selection);
        })
        .then(this, [this](ByteCount freed) {
            assign(lastDevFreed_, std::optional<ByteCount>(freed), &AppState::lastDevFreedChanged);
            setDeveloperResult(std::nullopt);
            monitor_->refresh();
            play(SoundCue::removeDone);
            assign(isScanningDev_, false, &AppState::isScanningDevChanged);
        });
}

}  // namespace tornivo::app
