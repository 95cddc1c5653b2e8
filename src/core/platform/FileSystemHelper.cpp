#include "platform/FileSystemHelper.h"

#include "platform/FileStatus.h"
#include "platform/ParallelTreeWalk.h"

namespace tornivo {

namespace {

struct SizeSum {
    ByteCount total = 0;
    bool operator()(const TreeWalker::Entry& e) {
        total += e.status.allocatedSize;
        return true;
    }
};

ByteCount sizeBelow(int fd, const Path& path, std::stop_token stop = {}) {
    ByteCount total = 0;
    for (const auto& sum : parallelTreeWalk(
             fd, path, defaultWalkThreads(), [] { return SizeSum{}; }, stop))
        total += sum.total;
    return total;
}

}  // namespace

ByteCount FileSystemHelper::directorySize(const Path& folder, std::stop_token stop) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return 0;
    ByteCount total = sizeBelow(fd, folder, std::move(stop));
    ::close(fd);
    return total;
}

ByteCount FileSystemHelper::directorySize(int dirfd, const char* name, const Path& path,
                                          std::stop_token stop) {
    int fd = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return 0;
    ByteCount total = sizeBelow(fd, path, std::move(stop));
    ::close(fd);
    return total;
}

ByteCount FileSystemHelper::fileSize(const Path& file) {
    auto st = statEntry(AT_FDCWD, file.c_str());
    return st ? st->allocatedSize : 0;
}

ByteCount FileSystemHelper::size(const Path& location, std::stop_token stop) {
    auto st = statEntry(AT_FDCWD, location.c_str());
    if (!st) return 0;
    return st->isDirectory() ? directorySize(location, std::move(stop)) : st->allocatedSize;
}

}  // namespace tornivo
