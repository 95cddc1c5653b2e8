#pragma once
// Finds big files in the personal folders that have not been opened for months.

#include <vector>

#include "models/FinderModels.h"
#include "platform/Layout.h"

namespace tornivo {

class LargeFileScanner {
  public:
    explicit LargeFileScanner(Layout layout);

    // Regular files of at least `minSize` bytes on disk, below Downloads, Documents, Desktop,
    // Movies and Music (hidden entries skipped), not opened since `olderThanMonths` calendar
    // months before `now`; largest first, equal sizes in the order found. None selected.
    std::vector<LargeFile> scan(ByteCount minSize, int olderThanMonths,
                                TimePoint now = Clock::now()) const;
    // Moves the selected files to the Trash; the sum of the sizes of those moved.
    ByteCount remove(const std::vector<LargeFile>& files) const;

  private:
    Layout layout_;
};

}  // namespace tornivo
