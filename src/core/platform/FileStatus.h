#pragma once
// The status of one directory entry, read with statx relative to a directory descriptor and
// never through a symbolic link.

#include <sys/stat.h>

#include <cstdint>
#include <optional>

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

}  // namespace tornivo
