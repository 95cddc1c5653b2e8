// AppState: the large-files section.

#include <set>

#include "AppState.h"

namespace tornivo::app {

void AppState::runLargeFileScan() {
    assign(isFindingLarge_, true, &AppState::isFindingLargeChanged);
    play(SoundCue::scanStart);
    largeScanner_
        .run([now = now_()](LargeFileScanner& engine) {
            std::vector<RootProblem> refused;
            auto files = engine.scan(kLargeFileMinSize, kLargeFileMonths, now, {}, &refused);
            return std::make_pair(std::move(files), std::move(refused));
        })
        .then(this, [this](std::pair<std::vector<LargeFile>, std::vector<RootProblem>> found) {
            reportRefused(found.second);
            largeFiles_->replace(
                withoutProtected(std::move(found.first),
                                 exclusions_->protection()));  // earlier ticks go with the old list
            emit largeFilesChanged();
            if (!largeFiles().empty()) play(SoundCue::scanDone);
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
    if (!mayRemove()) return;
    std::vector<LargeFile> toMove;
    std::set<Uuid> ticked;
    for (const auto& f : largeFiles()) {
        if (!f.isSelected) continue;
        ticked.insert(f.id);
        // A folder protected since the scan keeps its files; they still leave the list.
        if (!exclusions_->isProtected(f.url)) toMove.push_back(f);
    }
    play(SoundCue::removeStart);
    largeScanner_
        .run([files = std::move(toMove)](LargeFileScanner& engine) { return engine.remove(files); })
        .then(this, [this, ticked = std::move(ticked)](ByteCount) {
            // The records that were ticked when the removal started, moved or not: a later scan
            // shows again what stayed on disk.
            largeFiles_->removeIf([&](const LargeFile& f) { return ticked.contains(f.id); });
            emit largeFilesChanged();
            monitor_->refresh();
            play(SoundCue::removeDone);
        });
}

}  // namespace tornivo::app
