#pragma once
// What the personal-folder scanners share: opening the folders the user keeps files in, and
// moving chosen files to the Trash.

#include <fcntl.h>

#include <cstdint>
#include <vector>

#include "platform/FileStatus.h"
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

}  // namespace tornivo
