#include "platform/PersonalFolders.h"

#include <unistd.h>

#include <algorithm>
#include <utility>

namespace tornivo {

namespace {

constexpr int kFollowDirectory = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// The identities of the home and of every folder above it, up to the root.
std::vector<std::pair<std::uint64_t, std::uint64_t>> homeAndAncestors(const Path& home) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> chain;
    int fd = ::open(home.c_str(), kFollowDirectory);
    while (fd >= 0 && chain.size() < 4096) {
        auto st = statDescriptor(fd);
        if (!st) break;
        std::pair id{st->dev, st->ino};
        if (!chain.empty() && chain.back() == id) break;  // ".." of the root is the root
        chain.push_back(id);
        int parent = ::openat(fd, "..", kFollowDirectory);
        ::close(fd);
        fd = parent;
    }
    if (fd >= 0) ::close(fd);
    return chain;
}

}  // namespace

PersonalFolders::PersonalFolders(const Path& home, const std::vector<Path>& folders) {
    const auto above = homeAndAncestors(home);
    for (const auto& path : folders) {
        int fd = ::open(path.c_str(), kFollowDirectory);
        if (fd < 0) continue;
        auto st = statDescriptor(fd);
        const bool usable =
            st &&
            std::find(above.begin(), above.end(), std::pair{st->dev, st->ino}) == above.end() &&
            !isOneOf(*st);
        if (!usable) {
            ::close(fd);
            continue;
        }
        folders_.push_back({path, fd, st->dev, st->ino});
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
