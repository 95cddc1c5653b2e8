#pragma once
// Records of the large-file scanner and the duplicate finder.

#include <optional>
#include <string>
#include <vector>

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

    bool operator==(const LargeFile&) const = default;
};

// Files with byte-for-byte identical contents.
struct DuplicateGroup {
    Uuid id;
    std::string hash;         // SHA-256 of the contents, 64 lower-case hexadecimal digits
    ByteCount size = 0;       // logical size of each file
    std::vector<Path> files;  // in the order the scan found them; at least two when published

    // Bytes freed by keeping one copy: size x (files - 1), 0 for an empty group.
    ByteCount reclaimable() const {
        return files.empty() ? 0 : size * static_cast<ByteCount>(files.size() - 1);
    }

    bool operator==(const DuplicateGroup&) const = default;
};

}  // namespace tornivo
