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
    duplicateFinder_
        .run([layout = layout_](DuplicateFinder& finder) {
            // The personal folders, checked as roots: none that leads to the home, above it or
            // to another folder of the layout is walked.
            const PersonalFolders folders(layout, DuplicateFinder::personalRoots(layout));
            return std::make_pair(finder.scan(folders), folders.refused());
        })
        .then(this, [this](std::pair<std::vector<DuplicateGroup>, std::vector<RootProblem>> found) {
            reportRefused(found.second);
            duplicateGroups_->replace(
                withoutProtected(std::move(found.first), exclusions_->protection()));
            emit duplicateGroupsChanged();
            if (!duplicateGroups().empty()) play(SoundCue::scanDone);
            assign(isFindingDuplicates_, false, &AppState::isFindingDuplicatesChanged);
        });
}

void AppState::removeDuplicates(const Path& keeping, const DuplicateGroup& group) {
    if (!mayRemove()) return;
    duplicateFinder_
        .run([group = withoutProtected(std::vector{group}, exclusions_->protection()), keeping,
              layout = layout_](DuplicateFinder& finder) -> std::optional<ByteCount> {
            // A folder protected since the scan keeps its copies (and a group left with one
            // copy is not touched).
            if (group.empty()) return std::nullopt;
            Trash trash(layout);
            return finder.removeCopies(group.front(), keeping, trash);
        })
        .then(this, [this, id = group.id](std::optional<ByteCount> freed) {
            // Refused: the kept copy is not the group's or is gone, and nothing was moved.
            if (!freed) return;
            duplicateGroups_->removeIf([&](const DuplicateGroup& g) { return g.id == id; });
            emit duplicateGroupsChanged();
            monitor_->refresh();
            play(SoundCue::removeDone);
        });
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
    std::vector<DuplicateGroup> groups = duplicateGroups();
    if (groups.empty() || !mayRemove()) return;
    play(SoundCue::removeStart);
    duplicateFinder_
        .run([groups = withoutProtected(std::move(groups), exclusions_->protection()),
              layout = layout_](DuplicateFinder& finder) {
            // One group after the other, each sparing its first file; a group whose first file
            // is gone or changed keeps all of its copies.
            Trash trash(layout);
            std::vector<Uuid> resolved;
            for (const auto& group : groups)
                if (group.files.empty() || finder.removeCopies(group, group.files.front(), trash))
                    resolved.push_back(group.id);
            return resolved;
        })
        .then(this, [this](std::vector<Uuid> resolved) {
            duplicateGroups_->removeIf([&](const DuplicateGroup& g) {
                return std::find(resolved.begin(), resolved.end(), g.id) != resolved.end();
            });
            emit duplicateGroupsChanged();
            monitor_->refresh();
            play(SoundCue::removeDone);
        });
}

}  // namespace tornivo::app
