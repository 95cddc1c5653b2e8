// AppState: the duplicates section.

#include "AppState.h"
#include "platform/PathText.h"

namespace tornivo::app {

namespace {

const DuplicateGroup* findGroup(const std::vector<DuplicateGroup>& groups, const QString& id) {
    const std::string text = id.toStdString();
    for (const auto& group : groups)
        if (group.id.toString() == text) return &group;
    return nullptr;
}

}  // namespace

void AppState::runDuplicateScan() {
    assign(isFindingDuplicates_, true, &AppState::isFindingDuplicatesChanged);
    play(SoundCue::scanStart);
    const Operation operation = start(Section::duplicates);
    duplicateFinder_
        .run([layout = layout_, protection = exclusions_->protection(),
              stop = operation.stop.get_token(),
              progress = operation.callback()](DuplicateFinder& finder) {
            return findDuplicates(finder, layout, {}, protection, progress, stop);
        })
        .then(this, [this, stop = operation.stop](DuplicateFindings found) {
            finish(Section::duplicates, stop);
            if (!stop.stop_requested()) {  // stopped: the earlier result stays
                publishReport(Section::duplicates, std::move(found.report));
                duplicateGroups_->replace(std::move(found.groups));
                emit duplicateGroupsChanged();
                if (!duplicateGroups().empty()) play(SoundCue::scanDone);
            }
            assign(isFindingDuplicates_, false, &AppState::isFindingDuplicatesChanged);
        });
}

void AppState::resolveDuplicates(std::vector<std::pair<DuplicateGroup, Path>> choices,
                                 bool everyGroup) {
    if (choices.empty()) return;
    if (everyGroup) play(SoundCue::removeStart);
    const Operation operation = start(Section::duplicates);
    duplicateFinder_
        .run([choices = std::move(choices), layout = layout_,
              protection = exclusions_->protection(),
              stop = operation.stop.get_token()](DuplicateFinder& finder) {
            return keepOneCopy(finder, layout, choices, protection, stop);
        })
        .then(this, [this, everyGroup, stop = operation.stop](DuplicatesOutcome outcome) {
            finish(Section::duplicates, stop);
            // A group whose kept copy is gone or changed keeps all of its copies and stays.
            duplicateGroups_->removeIf([&](const DuplicateGroup& g) {
                return std::find(outcome.resolved.begin(), outcome.resolved.end(), g.id) !=
                       outcome.resolved.end();
            });
            emit duplicateGroupsChanged();
            const bool resolved = !outcome.resolved.empty();
            publishOutcome(Section::duplicates, std::move(outcome.removal));
            // One group whose kept copy changed: refused, nothing was moved, nothing to say.
            if (!everyGroup && !resolved) return;
            monitor_->refresh();
            play(SoundCue::removeDone);
        });
}

void AppState::removeDuplicates(const Path& keeping, const DuplicateGroup& group) {
    resolveDuplicates({{group, keeping}}, false);
}

void AppState::removeDuplicates(const QString& keepingFileId, const QString& groupId) {
    // The file id is the lossless text of the path: decoding gives back its exact bytes.
    if (const DuplicateGroup* group = findGroup(duplicateGroups(), groupId))
        removeDuplicates(decodePathText(keepingFileId.toStdString()), *group);
}

void AppState::autoResolveDuplicates(const DuplicateGroup& group) {
    // The copy found first: roots in their order, then the walk's.
    if (!group.files.empty()) removeDuplicates(group.files.front(), group);
}

void AppState::autoResolveDuplicates(const QString& groupId) {
    if (const DuplicateGroup* group = findGroup(duplicateGroups(), groupId))
        autoResolveDuplicates(*group);
}

void AppState::removeAllDuplicates() {
    // One group after the other, each sparing its first file.
    std::vector<std::pair<DuplicateGroup, Path>> choices;
    for (const auto& group : duplicateGroups()) choices.push_back({group, Path()});
    resolveDuplicates(std::move(choices), true);
}

}  // namespace tornivo::app
