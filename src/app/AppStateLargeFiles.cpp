// AppState: the large-files section.

#include <set>

#include "AppState.h"

namespace tornivo::app {

void AppState::runLargeFileScan() {
    assign(isFindingLarge_, true, &AppState::isFindingLargeChanged);
    play(SoundCue::scanStart);
    const Operation operation = start(Section::large);
    largeScanner_
        .run([now = now_(), protection = exclusions_->protection(),
              stop = operation.stop.get_token(),
              progress = operation.callback()](LargeFileScanner& engine) {
            return findLargeFiles(engine, kLargeFileMinSize, kLargeFileMonths, now, protection,
                                  progress, stop);
        })
        .then(this, [this, stop = operation.stop](Findings<LargeFile> found) {
            finish(Section::large, stop);
            if (!stop.stop_requested()) {  // stopped: the earlier result stays
                publishReport(Section::large, std::move(found.report));
                // Earlier ticks go with the old list.
                largeFiles_->replace(std::move(found.records));
                emit largeFilesChanged();
                if (!largeFiles().empty()) play(SoundCue::scanDone);
            }
            assign(isFindingLarge_, false, &AppState::isFindingLargeChanged);
        });
}

void AppState::toggleSelection(const LargeFile& file) {
    // A stale copy (the list changed meanwhile) matches no row.
    if (largeFiles_->toggleFirst([&](const LargeFile& f) { return f == file; }))
        emit largeFilesChanged();
}

void AppState::toggleSelection(const QString& id) {
    const Uuid wanted = Uuid::fromString(id.toStdString());
    if (!wanted.isNull() &&
        largeFiles_->toggleFirst([&](const LargeFile& f) { return f.id == wanted; }))
        emit largeFilesChanged();
}

void AppState::removeSelectedLargeFiles() {
    if (!removing_.insert(Section::large).second) return;
    std::set<Uuid> ticked;
    for (const auto& f : largeFiles())
        if (f.isSelected) ticked.insert(f.id);
    play(SoundCue::removeStart);
    const Operation operation = start(Section::large);
    largeScanner_
        .run([files = largeFiles(), protection = exclusions_->protection(),
              stop = operation.stop.get_token()](LargeFileScanner& engine) {
            // A folder protected since the scan keeps its files.
            return trashLargeFiles(engine, files, protection, stop);
        })
        .then(this, [this, ticked = std::move(ticked),
                     stop = operation.stop](RemovalOutcome outcome) {
            finish(Section::large, stop);
            removing_.erase(Section::large);
            // The records that were ticked when the removal started, moved or not: a later scan
            // shows again what stayed on disk, and the outcome says what and why. All of them
            // stay listed when nothing could be attempted.
            if (!outcome.refused)
                largeFiles_->removeIf([&](const LargeFile& f) { return ticked.contains(f.id); });
            publishOutcome(Section::large, std::move(outcome));
            emit largeFilesChanged();
            monitor_->refresh();
            play(SoundCue::removeDone);
        });
}

}  // namespace tornivo::app
