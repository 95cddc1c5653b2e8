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
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "models/FileIdentity.h"
#include "models/Outcome.h"
#include "models/Types.h"
#include "platform/Descriptor.h"
#include "platform/Layout.h"

namespace tornivo {

// Whether a folder named `name` holds a mount's Trash: $topdir/.Trash (one folder per user in
// it) or $topdir/.Trash-$uid, of any user.
bool isMountTrashName(std::string_view name);
// Whether `folder` (links in it resolved) is a Trash folder or lies inside one: the home Trash
// `homeTrash` or the Trash of any mount. What lies there was thrown away already.
bool insideTrash(const Path& folder, const Path& homeTrash);

class Trash {
  public:
    explicit Trash(Layout layout);
    ~Trash();
    Trash(const Trash&) = delete;
    Trash& operator=(const Trash&) = delete;

    // Moves the entry that `location` named when it was listed as `listed`: only while the
    // folder it was listed in, and the entry itself, are unchanged (FileStatus.h: isStill).
    std::optional<TrashedItem> moveListed(const Path& location, const FileIdentity& listed);
    // The same for the entry `name` of the open folder `folderFd` (where `original` lies).
    std::optional<TrashedItem> moveAt(int folderFd, const std::string& name, const Path& original,
                                      const FileIdentity& listed);
    // Why the last move that failed did not happen.
    LeftReason lastFailure() const { return lastFailure_; }

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
                                        const Path& original, const FileIdentity& listed);
    std::optional<TrashedItem> fail(LeftReason reason) {
        lastFailure_ = reason;
        return std::nullopt;
    }

    Layout layout_;
    std::optional<Bin> home_;
    std::map<std::uint64_t, Bin> mounts_;
    LeftReason lastFailure_ = LeftReason::failed;
};

// Moves one listed record (anything with `url`, `size` and `identity`) to the Trash and notes in
// `outcome` where it went, or why it stayed.
template <class Record>
void trashRecord(const Record& record, Trash& trash, RemovalOutcome& outcome) {
    if (auto moved = trash.moveListed(record.url, record.identity)) {
        outcome.freed += record.size;
        ++outcome.done;
        outcome.trashed.push_back(std::move(*moved));
    } else {
        outcome.leave(record.url, trash.lastFailure());
    }
}

// The same for every selected record, in order; a stop asked through `stop` ends it between
// records, and the records not reached are left as "stopped".
template <class Record>
RemovalOutcome trashSelected(const std::vector<Record>& records, Trash& trash,
                             const std::stop_token& stop = {}) {
    RemovalOutcome outcome;
    for (const auto& r : records) {
        if (!r.isSelected) continue;
        if (stop.stop_requested())
            outcome.leave(r.url, LeftReason::stopped);
        else
            trashRecord(r, trash, outcome);
    }
    return outcome;
}

}  // namespace tornivo
