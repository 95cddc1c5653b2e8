#pragma once
// Finds big files in the personal folders that have not been opened for months.

#include <fcntl.h>

#include <cstdint>
#include <vector>

#include "models/FinderModels.h"
#include "platform/Layout.h"
#include "platform/ParallelTreeWalk.h"
#include "platform/Trash.h"

namespace tornivo {

// Personal folders opened for reading, in the order given. A folder that is a symbolic link is
// followed, since that is where the user keeps those files (links below it never are). Skipped:
// a folder that cannot be opened, one that leads to the home itself or to a folder above it
// (that would be the whole home, not a personal folder), and one that leads to a folder already
// listed (two settings naming one folder would list its files twice).
class PersonalFolders {
  public:
    struct Folder {
        Path path;  // as the layout names it: records keep this spelling
        int fd;
        std::uint64_t dev, ino;
    };

    PersonalFolders(const Path& home, const std::vector<Path>& folders);
    ~PersonalFolders();
    PersonalFolders(const PersonalFolders&) = delete;
    PersonalFolders& operator=(const PersonalFolders&) = delete;

    const std::vector<Folder>& folders() const { return folders_; }
    // Whether a directory is one of the folders (so another folder's walk leaves it to its own).
    bool isOneOf(const FileStatus& directory) const;

  private:
    std::vector<Folder> folders_;
};

// Moves the files of the selected records (anything with `url`, `size` and `isSelected`) to the
// Trash, in order; the sum of the sizes of those moved. A path that no longer names a regular
// file (a folder or a link put in its place since the scan) is left alone.
template <class Record>
ByteCount trashSelected(const std::vector<Record>& records) {
    ByteCount freed = 0;
    for (const auto& r : records) {
        if (!r.isSelected) continue;
        auto st = statEntry(AT_FDCWD, r.url.c_str());
        if (!st || !st->isRegular()) continue;
        if (Trash::moveToTrash(r.url)) freed += r.size;
    }
    return freed;
}

class LargeFileScanner {
  public:
    explicit LargeFileScanner(Layout layout, unsigned threads = defaultWalkThreads());

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
    std::vector<LargeFile> scan(ByteCount minSize, int olderThanMonths,
                                TimePoint now = Clock::now()) const;
    // Moves the selected files to the Trash (trashSelected); the sum of the sizes of those moved.
    ByteCount remove(const std::vector<LargeFile>& files) const;

    // `months` calendar months before `now`, in local time: the same day of the month and the
    // same time of day, the day clamped to the last day of a shorter month (31 March minus one
    // month is the last day of February). The distant past when the date cannot be represented.
    static TimePoint cutoff(TimePoint now, int months);

  private:
    Layout layout_;
    unsigned threads_;
};

}  // namespace tornivo
