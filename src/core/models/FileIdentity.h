#pragma once
// Which entry a record was made from, and what it was then: a removal acts only while the
// location still holds that very entry, unchanged, reached through the very folder it was listed
// in.

#include <cstdint>

#include "models/Types.h"

namespace tornivo {

struct FileIdentity {
    std::uint64_t device = 0, inode = 0;              // the entry
    std::uint64_t folderDevice = 0, folderInode = 0;  // the folder it was listed in
    ByteCount size = 0;                               // its length then (st_size)
    std::int64_t modified = 0;  // its modification time then, nanoseconds since the epoch

    // A record not made by a scan knows nothing of what it was: it is never acted on.
    bool known() const { return inode != 0 && folderInode != 0; }

    bool operator==(const FileIdentity&) const = default;
};

}  // namespace tornivo
