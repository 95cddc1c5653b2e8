#pragma once
// What the personal-folder scanners share: opening the folders the user keeps files in, and
// moving chosen files to the Trash.

#include <fcntl.h>

#include <cstdint>
#include <vector>

#include "platform/FileStatus.h"
#include "platform/LayoutRoots.h"
#include "platform/Trash.h"

namespace tornivo {

// Personal folders opened for reading, in the order given. A folder that is a symbolic link is
// followed, since that is where the user keeps those files (links below it never are). Each goes
// through the root checks of LayoutRoots: one that leads to "/", above the home, to another
// folder of the layout (the caches, the Trash, ...) or to a folder not the user's own is refused
// and reported; one that leads to the home itself is skipped without a word (many homes point an
// unused personal folder at the home), and so is one that leads to a folder already listed (two
// settings naming one folder would list its files twice) or that is simply missing.
class PersonalFolders {
  public:
    struct Folder {
        Path path;  // as the layout names it: records keep this spelling
        int fd;
        std::uint64_t dev, ino;
    };

    PersonalFolders(const Layout& layout, const std::vector<Path>& folders);
    ~PersonalFolders();
    PersonalFolders(const PersonalFolders&) = delete;
    PersonalFolders& operator=(const PersonalFolders&) = delete;

    const std::vector<Folder>& folders() const { return folders_; }
    // The folders refused by the root checks, in the order given.
    const std::vector<RootProblem>& refused() const { return refused_; }
    // Whether a directory is one of the folders (so another folder's walk leaves it to its own).
    bool isOneOf(const FileStatus& directory) const;

  private:
    std::vector<Folder> folders_;
    std::vector<RootProblem> refused_;
};

}  // namespace tornivo
