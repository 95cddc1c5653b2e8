#pragma once
// Duplicates, as the duplicates section and `tornivo-cli duplicates` run them: where to look,
// the smallest file worth it, and the removal that always keeps one copy of each group.

#include <stop_token>
#include <utility>
#include <vector>

#include "engines/DuplicateFinder.h"
#include "models/Outcome.h"
#include "models/ScanReport.h"
#include "platform/Exclusions.h"
#include "platform/Layout.h"

namespace tornivo {

// The smallest file the application compares.
inline constexpr ByteCount kDuplicateMinSize = 1'048'576;

struct DuplicateFindings {
    std::vector<DuplicateGroup> groups;  // without protected files; only groups of two or more
    ScanReport report;
};

// Without `roots`, below the layout's personal folders (Downloads, Documents, Desktop, Pictures,
// Movies), each opened through the root checks; with `roots`, below those, as given.
DuplicateFindings findDuplicates(const DuplicateFinder& finder, const Layout& layout,
                                 const std::vector<Path>& roots, const ProtectedFolders& protection,
                                 const ScanProgressCallback& progress = {},
                                 std::stop_token stop = {});

struct DuplicatesOutcome {
    RemovalOutcome removal;
    std::vector<Uuid> resolved;  // the groups whose spare copies were dealt with
};

// For each group, keeps the chosen copy (`keeping`; the first copy found when empty) and moves
// the others to the Trash, one group after the other. A group whose kept copy is gone or changed
// keeps all of its copies and is not resolved; a copy in a folder protected since the scan
// stays (a group left with one copy is not touched).
DuplicatesOutcome keepOneCopy(const DuplicateFinder& finder, const Layout& layout,
                              const std::vector<std::pair<DuplicateGroup, Path>>& choices,
                              const ProtectedFolders& protection, std::stop_token stop = {});

}  // namespace tornivo
