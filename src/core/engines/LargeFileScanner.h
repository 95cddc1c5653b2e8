#pragma once
// Finds big files in the personal folders that have not been opened for months.

#include <fcntl.h>
#include <stop_token>

#include <cstdint>
#include <vector>

#include "models/FinderModels.h"
#include "platform/Layout.h"
#include "platform/ParallelTreeWalk.h"
#include "platform/PersonalFolders.h"
#include "platform/ScanProgress.h"

namespace tornivo {

class LargeFileScanner {
  public:
    explicit LargeFileScanner(Layout layout, unsigned threads = defaultWalkThreads());

    const Layout& layout() const { return layout_; }

    // Downloads, Documents, Desktop, Movies and Music, those the layout has, in that order.
    std::vector<Path> roots() const;

    // Regular files of at least `minSize` bytes on disk, below the roots (hidden entries
    // skipped), not opened since `cutoff(now, olderThanMonths)`; largest first, equal sizes in
    // the order a single-threaded walk meets them, root by root. None selected.
    //
    // The date that counts is the content access time. On a file system mounted with noatime
    // that time only moves when the file is written, so there the later of the access and
    // modification times counts (and is what the record shows). A file with no access time
    // counts as never opened.
    //
    // `progress` hears the regular files met (hidden ones are not), with the folder the walk is
    // in, as ScanProgress.h describes. `report`, when given, receives the personal folders the
    // root checks refused (see PersonalFolders.h) and the folders the walk could not read.
    std::vector<LargeFile> scan(ByteCount minSize, int olderThanMonths,
                                TimePoint now = Clock::now(),
                                const ScanProgressCallback& progress = {},
                                ScanReport* report = nullptr, std::stop_token stop = {}) const;
    // Moves the selected files to the Trash, each only while it is the file listed
    // (trashSelected).
    RemovalOutcome remove(const std::vector<LargeFile>& files, std::stop_token stop = {}) const;

    // `months` calendar months before `now`, in local time: the same day of the month and the
    // same time of day, the day clamped to the last day of a shorter month (31 March minus one
    // month is the last day of February). The distant past when the date cannot be represented.
    static TimePoint cutoff(TimePoint now, int months);

  private:
    Layout layout_;
    unsigned threads_;
};

}  // namespace tornivo
