#pragma once
// How many bytes a file or folder takes on disk. The one place that decides which size counts:
// the allocated size (st_blocks x 512) for every entry, folders below the root included, as du
// does; the logical length only where no allocated size is reported.

#include <stop_token>

#include "models/Types.h"

namespace tornivo {

struct FileSystemHelper {
    // Everything below a folder, hidden entries included; links are counted as themselves and
    // never followed; other mounts are not entered; unreadable folders add nothing. 0 when the
    // folder cannot be opened.
    static ByteCount directorySize(const Path& folder, std::stop_token stop = {});
    // The same for `name` inside the open directory `dirfd`; `path` names it for the walk.
    static ByteCount directorySize(int dirfd, const char* name, const Path& path,
                                   std::stop_token stop = {});
    // On-disk size of one entry (a link's own blocks); 0 when it cannot be read.
    static ByteCount fileSize(const Path& file);
    // directorySize for a folder, fileSize for anything else.
    static ByteCount size(const Path& location, std::stop_token stop = {});
};

}  // namespace tornivo
