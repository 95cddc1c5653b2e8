#pragma once
// What a removal did and what it left behind, and why: every removal returns one, so that
// the screens and the command line can say how many items stayed and for what reason.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "models/RawEnum.h"
#include "models/Types.h"

namespace tornivo {

// Why an item that was chosen stayed.
enum class LeftReason {
    changed,           // not what was listed any more (replaced, rewritten, moved or gone)
    protectedFolder,   // it lies in a protected folder or holds one
    permissionDenied,  // the system refused
    busy,              // in use (a mount point, a busy file)
    otherFileSystem,   // it, or something in it, lies on another file system
    noTrash,           // no Trash could take it so that it can be restored
    stopped,           // the removal was stopped before it was done
    systemFolder,      // "/", a mount point, the home, a folder of the layout or one holding them
    failed,            // anything else
};

template <>
struct RawEnumTable<LeftReason> {
    static constexpr std::array<std::pair<LeftReason, std::string_view>, 9> cases{{
        {LeftReason::changed, "changed"},
        {LeftReason::protectedFolder, "protected"},
        {LeftReason::permissionDenied, "permissionDenied"},
        {LeftReason::busy, "busy"},
        {LeftReason::otherFileSystem, "otherFileSystem"},
        {LeftReason::noTrash, "noTrash"},
        {LeftReason::stopped, "stopped"},
        {LeftReason::systemFolder, "systemFolder"},
        {LeftReason::failed, "failed"},
    }};
};

// The reason an errno stands for.
LeftReason leftReasonOf(int error);

struct LeftItem {
    Path url;
    LeftReason reason = LeftReason::failed;

    bool operator==(const LeftItem&) const = default;
};

// Where a move put an entry: the Trash's files folder and the name it has there (the restore
// record, on freedesktop, is info/NAME.trashinfo beside it), and which entry it was: a rename
// keeps device and inode, so the Trash's entry can be told from one that took its name later.
struct TrashedItem {
    Path original;
    Path filesFolder;
    std::string name;
    std::uint64_t device = 0, inode = 0;

    bool operator==(const TrashedItem&) const = default;
};

// Why the stored list of protected folders could not be read completely: the settings file and
// what is wrong with it.
struct ProtectionProblem {
    Path file;
    std::string what;  // "is not valid JSON", "holds an entry of \"protectedFolders\" ..."

    bool operator==(const ProtectionProblem&) const = default;
};

struct RemovalOutcome {
    ByteCount freed = 0;    // the listed sizes of what went
    std::int64_t done = 0;  // items removed, or moved to the Trash
    std::vector<LeftItem> left;
    std::vector<TrashedItem> trashed;  // where each moved item went, in order
    // Set when nothing was attempted because the protected folders cannot be read.
    std::optional<ProtectionProblem> refused;

    void leave(const Path& url, LeftReason reason) { left.push_back({url, reason}); }
    // How many items stayed for `reason`.
    std::int64_t count(LeftReason reason) const {
        std::int64_t n = 0;
        for (const auto& l : left) n += l.reason == reason;
        return n;
    }
    void merge(const RemovalOutcome& other) {
        freed += other.freed;
        done += other.done;
        left.insert(left.end(), other.left.begin(), other.left.end());
        trashed.insert(trashed.end(), other.trashed.begin(), other.trashed.end());
        if (!refused) refused = other.refused;
    }

    bool operator==(const RemovalOutcome&) const = default;
};

}  // namespace tornivo
