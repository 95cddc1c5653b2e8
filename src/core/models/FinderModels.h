#pragma once
// Records of the large-file scanner and the duplicate finder.

#include <optional>
#include <string>
#include <vector>

#include "models/FileIdentity.h"
#include "models/Types.h"
#include "models/Uuid.h"

namespace tornivo {

// A big file in a personal folder that has not been opened for months.
struct LargeFile {
    Uuid id;
    Path url;
    ByteCount size = 0;                   // allocated size on disk
    std::optional<TimePoint> lastAccess;  // absent when the file system reports none
    bool isSelected = false;
    FileIdentity identity;  // the file and its folder when scanned

    bool operator==(const LargeFile&) const = default;
};

// Files with byte-for-byte identical contents.
struct DuplicateGroup {
    Uuid id;
    std::string hash;         // SHA-256 of the contents, 64 lower-case hexadecimal digits
    ByteCount size = 0;       // logical size of each file
    std::vector<Path> files;  // in the order the scan found them; at least two when published
    // What each file was when it was hashed, in the order of `files` (a removal moves a copy
    // only while it is still that file). Kept in step with `files` by eraseFiles.
    std::vector<FileIdentity> identities;

    // Drops the files (and their identities) for which `drop(path)` holds.
    template <class Predicate>
    void eraseFiles(Predicate drop) {
        const bool paired = identities.size() == files.size();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (drop(files[i])) continue;
            if (kept != i) {
                files[kept] = std::move(files[i]);
                if (paired) identities[kept] = identities[i];
            }
            ++kept;
        }
        files.resize(kept);
        if (paired)
            identities.resize(kept);
        else
            identities.clear();
    }
    // The identity recorded for the file at `index`; unknown when none was.
    FileIdentity identityAt(std::size_t index) const {
        return index < identities.size() ? identities[index] : FileIdentity{};
    }

    // Bytes freed by keeping one copy: size x (files - 1), 0 for an empty group.
    ByteCount reclaimable() const {
        return files.empty() ? 0 : size * static_cast<ByteCount>(files.size() - 1);
    }

    bool operator==(const DuplicateGroup&) const = default;
};

}  // namespace tornivo
