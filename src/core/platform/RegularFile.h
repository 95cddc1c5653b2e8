#pragma once
// Reading small files whose contents the program trusts only so far: settings, user-dirs.dirs,
// desktop entries, restore records. Only a regular file is read (a FIFO put in its place would
// block for ever, a link to /dev/zero would never end), the open never blocks, and nothing past a
// size limit is taken.

#include <fcntl.h>
#include <sys/types.h>

#include <string>

#include "models/Types.h"

namespace tornivo {

struct FileRead {
    enum class Status {
        ok,
        missing,     // nothing by that name
        notRegular,  // a folder, FIFO, socket or device
        tooLarge,    // larger than the limit
        failed,      // could not be opened or read; `error` says why
    };
    Status status = Status::failed;
    int error = 0;  // errno for `failed`
    std::string text;

    bool ok() const { return status == Status::ok; }
    // "is not a regular file", "cannot be read: Permission denied", ...
    std::string problem() const;
};

// Reads `name` relative to `dirfd` (AT_FDCWD for a path). A final symbolic link is followed
// unless `followLink` is false, but whatever is opened must be a regular file of at most
// `limit` bytes.
FileRead readRegularFile(int dirfd, const char* name, off_t limit, bool followLink = true);
inline FileRead readRegularFile(const Path& file, off_t limit, bool followLink = true) {
    return readRegularFile(AT_FDCWD, file.c_str(), limit, followLink);
}

}  // namespace tornivo
