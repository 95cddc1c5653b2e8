#pragma once
// The protected folders applied to scan results, the one rule the application and the command
// line share: a protected record (one that lies in a protected folder or holds one) leaves the
// list; a duplicate group loses its protected files and stays while two are left; an X-Ray
// category loses its protected files but keeps the totals the walk counted.

#include <algorithm>
#include <vector>

#include "models/DiskModels.h"
#include "models/FinderModels.h"
#include "platform/Exclusions.h"

namespace tornivo {

template <class Record>
std::vector<Record> withoutProtected(std::vector<Record> records,
                                     const ProtectedFolders& protection) {
    std::erase_if(records, [&](const Record& r) { return protection.isProtected(r.url); });
    return records;
}

inline std::vector<Path> withoutProtected(std::vector<Path> locations,
                                          const ProtectedFolders& protection) {
    std::erase_if(locations, [&](const Path& p) { return protection.isProtected(p); });
    return locations;
}

inline std::vector<DuplicateGroup> withoutProtected(std::vector<DuplicateGroup> groups,
                                                    const ProtectedFolders& protection) {
    std::vector<DuplicateGroup> kept;
    for (auto& group : groups) {
        group.eraseFiles([&](const Path& f) { return protection.isProtected(f); });
        if (group.files.size() >= 2) kept.push_back(std::move(group));
    }
    return kept;
}

inline std::vector<DiskCategory> withoutProtected(std::vector<DiskCategory> categories,
                                                  const ProtectedFolders& protection) {
    for (auto& category : categories)
        std::erase_if(category.files,
                      [&](const DiskFile& f) { return protection.isProtected(f.url); });
    return categories;
}

}  // namespace tornivo
