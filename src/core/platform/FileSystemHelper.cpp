#include "platform/FileSystemHelper.h"

#include "platform/FileStatus.h"
#include "platform/TreeWalker.h"

namespace tornivo {

namespace {

struct SizeSum {
    ByteCount total = 0;
    bool operator()(const TreeWalker::Entry& e) {
        total += e.status.allocatedSize;
        return true;
    }
};

}  // namespace

ByteCount FileSystemHelper::directorySize(const Path& folder) {
    SizeSum sum;
    TreeWalker walker;
    walker.walk(folder, sum);
    return sum.total;
}

ByteCount FileSystemHelper::directorySize(int dirfd, const char* name, const Path& path) {
    int fd = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return 0;
    SizeSum sum;
    TreeWalker walker;
    walker.walk(fd, path, sum);
    ::close(fd);
    return sum.total;
}

ByteCount FileSystemHelper::fileSize(const Path& file) {
    auto st = statEntry(AT_FDCWD, file.c_str());
    return st ? st->allocatedSize : 0;
}

ByteCount FileSystemHelper::size(const Path& location) {
    auto st = statEntry(AT_FDCWD, location.c_str());
    if (!st) return 0;
    return st->isDirectory() ? directorySize(location) : st->allocatedSize;
}

}  // namespace tornivo
