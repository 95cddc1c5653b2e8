#pragma once
// Moving to the Trash so that the file manager can restore what was moved, and only ever the
// entry that was listed.
//
// freedesktop: the home Trash for entries on its file system; on another mount the Trash of that
// mount, $topdir/.Trash/$uid when $topdir/.Trash is a real folder with the sticky bit (not a
// link), else $topdir/.Trash-$uid (made with mode 0700 and checked to be the user's own folder,
// not a link). The restore record (info/NAME.trashinfo) is created with O_EXCL and written in
// full before the entry moves; the move is a rename between descriptors that never replaces
// anything. macos: the home's .Trash, entries on its file system only.
//
// The entry is reached through the folder it was listed in (opened without following a final
// link and checked by identity) and checked to be the listed entry before it moves and after: an
// entry swapped in its place is put back and nothing is reported moved. A move that cannot be
// made restorable fails; nothing is ever deleted instead.

#include <map>
#include <optional>
#include <string>

#include "models/FileIdentity.h"
#include "models/Types.h"
#include "platform/Descriptor.h"
#include "platform/Layout.h"

namespace tornivo {

// Where a move put an entry: the Trash's files folder and the name it has there (the restore
// record, on freedesktop, is info/NAME.trashinfo beside it).
struct TrashedItem {
    Path original;
    Path filesFolder;
    std::string name;

    bool operator==(const TrashedItem&) const = default;
};

class Trash {
  public:
    explicit Trash(Layout layout);
    ~Trash();
    Trash(const Trash&) = delete;
    Trash& operator=(const Trash&) = delete;

    // Moves the entry that `location` named when it was listed as `listed`.
    std::optional<TrashedItem> moveListed(const Path& location, const FileIdentity& listed);
    // Moves the entry `name` of the open folder `folderFd` (where `original` lies), while it is
    // the entry with the given device and inode.
    std::optional<TrashedItem> moveAt(int folderFd, const std::string& name, const Path& original,
                                      std::uint64_t device, std::uint64_t inode);

  private:
    struct Bin {
        UniqueFd files, info;  // info is empty on macos
        Path filesPath;
        std::uint64_t device = 0;
        bool usable = false;
    };
    Bin& homeBin();
    Bin& mountBin(int folderFd, std::uint64_t device);
    std::optional<std::string> moveInto(Bin& bin, int folderFd, const std::string& name,
                                        const Path& original, std::uint64_t device,
                                        std::uint64_t inode);

    Layout layout_;
    std::optional<Bin> home_;
    std::map<std::uint64_t, Bin> mounts_;
};

}  // namespace tornivo
