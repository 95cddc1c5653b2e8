#pragma once
// The way back from a move to the Trash: every operation that moves files to the Trash records
// what it moved (where each item was, where it went, which entry it was), replacing the record of
// the operation before; putting back reads that record, never the Trash's deletion dates, so it
// restores exactly what that one operation moved.
//
// An item goes back only while the Trash still holds the very entry that was moved (same device
// and inode) and nothing is at its original place: a file made there since is never replaced.
// What cannot go back stays in the Trash, with the reason, and stays in the record (so that it
// can go back once its place is free); what went back, or left the Trash, leaves the record.
//
// The record is $XDG_STATE_HOME/tornivo/last-trash.json (the layout's state folder), written
// atomically, one writer at a time; paths are kept in the lossless text form of PathText.h.

#include <optional>
#include <string>
#include <vector>

#include "models/Outcome.h"
#include "models/RawEnum.h"
#include "platform/Layout.h"

namespace tornivo {

Path lastTrashMoveFile(const Layout& layout);

// Replaces the record with the items `outcome` moved; an outcome that moved nothing leaves the
// record of the operation before. False when the record could not be written: then there is no
// record at all, so that no older move is undone in place of this one.
bool recordTrashMove(const Layout& layout, const RemovalOutcome& outcome);
// Drops the record: the last operation cannot be undone (an application removed by its package
// tool took the rest with it), so no older one may be undone in its place either. With
// `onlyThis`, only while the record is exactly that move.
bool forgetTrashMove(const Layout& layout, const std::vector<TrashedItem>* onlyThis = nullptr);

struct TrashMoveRecord {
    std::vector<TrashedItem> items;
    std::optional<std::string> problem;  // why the record could not be read ("is not valid JSON")
};
TrashMoveRecord readTrashMove(const Layout& layout);

// Why an item of the record stayed in the Trash.
enum class RestoreRefusal {
    occupied,    // something is at its original place now
    notInTrash,  // the Trash no longer holds the entry that was moved (emptied, replaced)
    folderGone,  // the folder it was in is gone
    failed,      // the system refused
};

template <>
struct RawEnumTable<RestoreRefusal> {
    static constexpr std::array<std::pair<RestoreRefusal, std::string_view>, 4> cases{{
        {RestoreRefusal::occupied, "occupied"},
        {RestoreRefusal::notInTrash, "notInTrash"},
        {RestoreRefusal::folderGone, "folderGone"},
        {RestoreRefusal::failed, "failed"},
    }};
};

struct RestoreOutcome {
    struct Stayed {
        TrashedItem item;
        RestoreRefusal reason;
        bool operator==(const Stayed&) const = default;
    };
    std::vector<TrashedItem> restored;
    std::vector<Stayed> stayed;
    std::optional<std::string> problem;  // the record could not be read: nothing was done

    std::size_t count(RestoreRefusal reason) const {
        std::size_t n = 0;
        for (const auto& s : stayed) n += s.reason == reason;
        return n;
    }
};

// Puts back the items of the record, in order.
// With `onlyThis`, the record is restored only while it is exactly that move (a banner's way back
// puts back its own move, never a later or an older one); otherwise nothing is done.
RestoreOutcome restoreLastTrashMove(const Layout& layout,
                                    const std::vector<TrashedItem>* onlyThis = nullptr);

}  // namespace tornivo
