#pragma once
// Finds files whose contents are byte-for-byte identical.

#include <functional>
#include <vector>

#include "models/FinderModels.h"

namespace tornivo {

class DuplicateFinder {
  public:
    explicit DuplicateFinder(ByteCount minSize = 1'048'576);

    ByteCount minSize() const { return minSize_; }

    // Groups of at least two identical regular files of at least `minSize` bytes below the
    // roots (hidden entries skipped), each file in the order found; groups by reclaimable bytes,
    // largest first.
    std::vector<DuplicateGroup> scan(const std::vector<Path>& roots) const;
    // Moves each file to the Trash; `sizeEach` times the number moved.
    ByteCount remove(const std::vector<Path>& files, ByteCount sizeEach) const;

  private:
    ByteCount minSize_;
};

}  // namespace tornivo
