#pragma once
// Which entry a record was made from: a removal acts only while the location still holds that
// very entry, reached through the very folder it was listed in.

#include <cstdint>

namespace tornivo {

struct FileIdentity {
    std::uint64_t device = 0, inode = 0;              // the entry
    std::uint64_t folderDevice = 0, folderInode = 0;  // the folder it was listed in

    // A record not made by a scan knows nothing of what it was: it is never acted on.
    bool known() const { return inode != 0 && folderInode != 0; }

    bool operator==(const FileIdentity&) const = default;
};

}  // namespace tornivo
