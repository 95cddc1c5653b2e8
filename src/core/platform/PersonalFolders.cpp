#include "platform/PersonalFolders.h"

#include <unistd.h>

#include <algorithm>
#include <utility>
#include <variant>

namespace tornivo {

PersonalFolders::PersonalFolders(const Layout& layout, const std::vector<Path>& folders) {
    const LayoutRoots roots(layout);
    for (const auto& path : folders) {
        auto opened = roots.open(path, RootRole::personal);
        if (auto* problem = std::get_if<RootProblem>(&opened)) {
            if (problem->reason != RootRefusal::missing && problem->reason != RootRefusal::home)
                refused_.push_back(*problem);
            continue;
        }
        auto& root = std::get<CheckedRoot>(opened);
        if (isOneOf(root.status)) continue;
        folders_.push_back({path, root.fd.release(), root.status.dev, root.status.ino});
    }
}

PersonalFolders::~PersonalFolders() {
    for (const auto& f : folders_) ::close(f.fd);
}

bool PersonalFolders::isOneOf(const FileStatus& directory) const {
    return std::any_of(folders_.begin(), folders_.end(), [&](const Folder& f) {
        return f.dev == directory.dev && f.ino == directory.ino;
    });
}

}  // namespace tornivo
