#include "platform/FileStatus.h"

#include "platform/Descriptor.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace tornivo {

namespace {

constexpr unsigned kMask = STATX_TYPE | STATX_MODE | STATX_NLINK | STATX_INO | STATX_SIZE |
                           STATX_BLOCKS | STATX_ATIME | STATX_MTIME;

TimePoint toTimePoint(const struct statx_timestamp& t) {
    return TimePoint(std::chrono::duration_cast<Clock::duration>(
        std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec)));
}

std::optional<FileStatus> fromStatx(int dirfd, const char* name, int flags) {
    struct statx sx;
    if (statx(dirfd, name, flags | AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kMask, &sx) != 0)
        return std::nullopt;
    FileStatus st;
    st.mode = sx.stx_mode;
    st.nlink = sx.stx_nlink;
    st.ino = sx.stx_ino;
    st.dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    st.allocatedSize = (sx.stx_mask & STATX_BLOCKS) ? static_cast<ByteCount>(sx.stx_blocks) * 512
                                                    : static_cast<ByteCount>(sx.stx_size);
    st.logicalSize = static_cast<ByteCount>(sx.stx_size);
    if (sx.stx_mask & STATX_ATIME) st.accessTime = toTimePoint(sx.stx_atime);
    if (sx.stx_mask & STATX_MTIME) st.modificationTime = toTimePoint(sx.stx_mtime);
    st.isMountRoot = (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) &&
                     (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
    return st;
}

}  // namespace

std::optional<FileStatus> statEntry(int dirfd, const char* name) {
    return fromStatx(dirfd, name, 0);
}

std::optional<FileStatus> statDescriptor(int fd) {
    return fromStatx(fd, "", AT_EMPTY_PATH);
}

namespace {
constexpr int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

int openIfIdentity(int dirfd, const char* name, std::uint64_t dev, std::uint64_t ino) {
    int fd = ::openat(dirfd, name, kDirectoryFlags);
    if (fd < 0) return -1;
    auto opened = statDescriptor(fd);
    if (!opened || opened->dev != dev || opened->ino != ino) {
        ::close(fd);
        return -1;
    }
    return fd;
}
}  // namespace

namespace {
std::int64_t nanoseconds(const std::optional<TimePoint>& t) {
    if (!t) return 0;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t->time_since_epoch()).count();
}
}  // namespace

FileIdentity identityOf(const FileStatus& entry, std::uint64_t folderDev, std::uint64_t folderIno) {
    return {entry.dev, entry.ino,         folderDev,
            folderIno, entry.logicalSize, nanoseconds(entry.modificationTime)};
}

bool isStill(const FileStatus& now, const FileIdentity& listed) {
    return listed.known() && now.dev == listed.device && now.ino == listed.inode &&
           now.logicalSize == listed.size && nanoseconds(now.modificationTime) == listed.modified;
}

FileIdentity identityOf(const Path& location) {
    std::string text = location.lexically_normal().native();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    const Path normal(text);
    const std::string name = normal.filename().native();
    if (name.empty() || name == "." || name == "..") return {};
    const int folder = ::open(normal.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return {};
    auto folderSt = statDescriptor(folder);
    auto st = statEntry(folder, name.c_str());
    ::close(folder);
    if (!folderSt || !st) return {};
    return identityOf(*st, folderSt->dev, folderSt->ino);
}

int openListedDirectory(int dirfd, const char* name, const FileStatus& expected) {
    return openIfIdentity(dirfd, name, expected.dev, expected.ino);
}

int openFolderEntry(int dirfd, const char* name) {
    static std::atomic<bool> missing{false};  // openat2 arrived in Linux 5.6
    if (missing.load(std::memory_order_relaxed)) return -1;
    struct open_how how {};
    how.flags = kDirectoryFlags;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_XDEV | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    const long fd = ::syscall(SYS_openat2, dirfd, name, &how, sizeof how);
    if (fd < 0 && errno == ENOSYS) missing.store(true, std::memory_order_relaxed);
    return static_cast<int>(fd);
}

bool climbFolders(int fd, const std::function<bool(const FileStatus&)>& visit) {
    UniqueFd folder(fd);
    std::optional<FileStatus> last;
    for (int level = 0; folder && level < 4096; ++level) {
        auto st = statDescriptor(folder.get());
        if (!st || (last && last->sameFile(*st))) break;  // ".." of "/" is "/"
        if (visit(*st)) return true;
        last = st;
        folder.reset(::openat(folder.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    return false;
}

int openKnownParent(int fd, std::uint64_t dev, std::uint64_t ino) {
    return openIfIdentity(fd, "..", dev, ino);
}

}  // namespace tornivo
