#pragma once
// The status of one directory entry, read with statx relative to a directory descriptor and
// never through a symbolic link.

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "models/FileIdentity.h"
#include "models/Types.h"

namespace tornivo {

struct FileStatus {
    std::uint32_t mode = 0;
    std::uint32_t nlink = 0;
    std::uint64_t ino = 0;
    std::uint64_t dev = 0;
    ByteCount allocatedSize = 0;  // st_blocks x 512: what the entry takes on disk
    ByteCount logicalSize = 0;    // st_size
    std::optional<TimePoint> accessTime;
    std::optional<TimePoint> modificationTime;
    // The entry is the root of a mount (also a bind mount of the same file system).
    bool isMountRoot = false;

    bool isDirectory() const { return S_ISDIR(mode); }
    bool isRegular() const { return S_ISREG(mode); }
    bool isSymlink() const { return S_ISLNK(mode); }
    bool sameFile(const FileStatus& other) const { return ino == other.ino && dev == other.dev; }
};

// Status of `name` inside the directory `dirfd` (AT_FDCWD for a path), not following a final
// symbolic link. Empty when the entry cannot be read.
std::optional<FileStatus> statEntry(int dirfd, const char* name);
// Status of an open descriptor.
std::optional<FileStatus> statDescriptor(int fd);

// The identity a record keeps of `entry`, listed in the folder with the given device and inode.
FileIdentity identityOf(const FileStatus& entry, std::uint64_t folderDev, std::uint64_t folderIno);
// What `location` is now (not following a final link) and the folder that holds it. Unknown
// (all zero) when either cannot be read.
FileIdentity identityOf(const Path& location);
// Whether `now` is still the entry a record listed: the same file (device and inode), with the
// same length and modification time. Anything rewritten, replaced or grown since fails.
bool isStill(const FileStatus& now, const FileIdentity& listed);

// Opens the directory `name` inside `dirfd` without following a link, and only when it is still
// the entry that was listed as `expected` (same device and inode): a folder swapped for a link or
// for another folder since it was listed leads nowhere. -1 on any failure.
int openListedDirectory(int dirfd, const char* name, const FileStatus& expected);
// Opens the folder `name` inside `dirfd` when it is one, without following a link and without
// crossing into another mount (also a bind mount; an automount point is not triggered). -1 on
// any failure, and always where the kernel lacks openat2.
int openFolderEntry(int dirfd, const char* name);
// Calls `visit` with the status of the open folder `fd` (which it closes), then with that of
// each folder above it, through "..", up to "/" as the kernel reaches it, until `visit` answers
// true; returns whether it did.
bool climbFolders(int fd, const std::function<bool(const FileStatus&)>& visit);
// Opens the parent of the open directory `fd` through "..", only when it is the directory with
// the given identity (the tree has not moved). -1 otherwise.
int openKnownParent(int fd, std::uint64_t dev, std::uint64_t ino);

}  // namespace tornivo
