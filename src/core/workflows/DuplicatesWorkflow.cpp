#include "workflows/DuplicatesWorkflow.h"

#include "platform/LastTrashMove.h"
#include "platform/PersonalFolders.h"
#include "platform/ProtectedFilter.h"
#include "platform/Trash.h"

namespace tornivo {

DuplicateFindings findDuplicates(const DuplicateFinder& finder, const Layout& layout,
                                 const std::vector<Path>& roots, const ProtectedFolders& protection,
                                 const ScanProgressCallback& progress, std::stop_token stop) {
    DuplicateFindings found;
    if (roots.empty()) {
        const PersonalFolders folders(layout, DuplicateFinder::personalRoots(layout));
        found.groups = finder.scan(folders, progress, &found.report, stop);
    } else {
        found.groups = finder.scan(roots, progress, &found.report, stop);
    }
    found.groups = withoutProtected(std::move(found.groups), protection);
    return found;
}

DuplicatesOutcome keepOneCopy(const DuplicateFinder& finder, const Layout& layout,
                              const std::vector<std::pair<DuplicateGroup, Path>>& choices,
                              const ProtectedFolders& protection, std::stop_token stop) {
    DuplicatesOutcome outcome;
    if (protection.problem()) {
        outcome.removal.refused = protection.problem();
        return outcome;
    }
    Trash trash(layout);
    for (const auto& [listed, chosen] : choices) {
        if (listed.files.empty()) continue;
        const Path keeping = chosen.empty() ? listed.files.front() : chosen;
        if (stop.stop_requested()) {
            for (const Path& file : listed.files)
                if (file.native() != keeping.native())
                    outcome.removal.leave(file, LeftReason::stopped);
            continue;
        }
        DuplicateGroup group = listed;
        group.eraseFiles([&](const Path& file) {
            if (file.native() == keeping.native() || !protection.isProtected(file)) return false;
            outcome.removal.leave(file, LeftReason::protectedFolder);
            return true;
        });
        if (group.files.size() < 2) continue;
        if (auto moved = finder.removeCopies(group, keeping, trash, stop)) {
            outcome.removal.merge(*moved);
            outcome.resolved.push_back(listed.id);
        } else {
            // The copy to keep changed: every copy of the group stays.
            for (const Path& file : group.files)
                if (file.native() != keeping.native())
                    outcome.removal.leave(file, LeftReason::changed);
        }
    }
    recordTrashMove(layout, outcome.removal);
    return outcome;
}

}  // namespace tornivo
