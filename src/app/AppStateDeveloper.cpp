// AppState: the developer section.

#include <algorithm>

#include "AppState.h"
#include "platform/PathText.h"

namespace tornivo::app {

void AppState::runDeveloperScan() {
    assign(isScanningDev_, true, &AppState::isScanningDevChanged);
    assign(lastDevFreed_, std::optional<ByteCount>(), &AppState::lastDevFreedChanged);
    play(SoundCue::scanStart);
    const Operation operation = start(Section::developer);
    developerClean_
        .run([days = developerProtectionDays_, now = now_(), protection = exclusions_->protection(),
              stop = operation.stop.get_token(),
              progress = operation.callback()](DeveloperCleanEngine& engine) {
            ScanReport report;
            auto result = findBuildOutputs(engine, days, now, protection, progress, &report, stop);
            return std::make_pair(std::move(result), std::move(report));
        })
        .then(this,
              [this, stop = operation.stop](std::pair<DeveloperScanResult, ScanReport> found) {
                  finish(Section::developer, stop);
                  if (!stop.stop_requested()) {  // stopped: the earlier result stays
                      publishReport(Section::developer, std::move(found.second));
                      const bool cleanable = found.first.cleanableSize() > 0;
                      setDeveloperResult(std::move(found.first));
                      if (cleanable) play(SoundCue::scanDone);
                  }
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

void AppState::toggleDeveloperGroup(const QString& id) {
    if (!developerResult_) return;
    DeveloperScanResult result = *developerResult_;
    result.toggleGroup(decodePathText(id.toStdString()));
    if (result != *developerResult_) setDeveloperResult(std::move(result));
}

void AppState::runDeveloperClean() {
    if (!developerResult_ || isScanningDev_) return;  // a second confirm while it cleans
    assign(isScanningDev_, true, &AppState::isScanningDevChanged);
    play(SoundCue::removeStart);
    const Operation operation = start(Section::developer);
    developerClean_
        .run([projects = developerResult_->projects, protection = exclusions_->protection(),
              stop = operation.stop.get_token()](DeveloperCleanEngine& engine) {
            return cleanBuildOutputs(engine, projects, protection, stop);
        })
        .then(this, [this, stop = operation.stop](RemovalOutcome outcome) {
            finish(Section::developer, stop);
            assign(lastDevFreed_, std::optional<ByteCount>(outcome.freed),
                   &AppState::lastDevFreedChanged);
            publishOutcome(Section::developer, std::move(outcome));
            setDeveloperResult(std::nullopt);
            monitor_->refresh();
            play(SoundCue::removeDone);
            assign(isScanningDev_, false, &AppState::isScanningDevChanged);
        });
}

}  // namespace tornivo::app
