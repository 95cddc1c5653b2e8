#include "platform/LastTrashMove.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <nlohmann/json.hpp>

#include "platform/AtomicFile.h"
#include "platform/FileStatus.h"
#include "platform/PathText.h"
#include "platform/RegularFile.h"

namespace tornivo {

namespace {

using Json = nlohmann::json;

constexpr int kFolder = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr off_t kMaxRecordSize = 64 << 20;

Path lockFile(const Layout& layout) {
    return lastTrashMoveFile(layout).native() + ".lock";
}

// A file's length and modification time as it lies in the Trash: an inode number freed when the
// Trash is emptied can come back with a new file, which these tell apart. A folder changes both
// whenever an entry inside changes, so only files (and links) are stamped.
struct Stamp {
    std::int64_t size = 0, modified = 0;
    bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> stampOf(const FileStatus& st) {
    if (st.isDirectory() || !st.modificationTime) return std::nullopt;
    return Stamp{st.logicalSize, std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     st.modificationTime->time_since_epoch())
                                     .count()};
}

struct Entry {
    TrashedItem item;
    std::optional<Stamp> stamp;
};

bool write(const Layout& layout, const std::vector<Entry>& entries) {
    const Path file = lastTrashMoveFile(layout);
    if (entries.empty()) return ::unlink(file.c_str()) == 0 || errno == ENOENT;
    Json list = Json::array();
    for (const auto& [item, stamp] : entries) {
        Json e = {{"original", encodePathText(item.original)},
                  {"filesFolder", encodePathText(item.filesFolder)},
                  {"name", encodePathText(Path(item.name))},
                  {"device", item.device},
                  {"inode", item.inode}};
        if (stamp) {
            e["size"] = stamp->size;
            e["modified"] = stamp->modified;
        }
        list.push_back(std::move(e));
    }
    return replaceFile(file, Json{{"items", list}}.dump(2) + "\n");
}

struct Record {
    std::vector<Entry> entries;
    std::optional<std::string> problem;
};

Record read(const Layout& layout) {
    Record record;
    const FileRead file = readRegularFile(lastTrashMoveFile(layout), kMaxRecordSize, false);
    if (file.status == FileRead::Status::missing) return record;
    if (!file.ok()) {
        record.problem = file.problem();
        return record;
    }
    const Json doc = Json::parse(file.text, nullptr, /*allow_exceptions=*/false);
    auto text = [](const Json& item, const char* key) {
        const auto it = item.find(key);
        return it != item.end() && it->is_string();
    };
    auto number = [](const Json& item, const char* key) {
        const auto it = item.find(key);
        return it != item.end() && it->is_number_unsigned();
    };
    if (!doc.is_object() || !doc.contains("items") || !doc["items"].is_array()) {
        record.problem = "is not a record of moved items";
        return record;
    }
    for (const Json& item : doc["items"]) {
        if (!item.is_object() || !text(item, "original") || !text(item, "filesFolder") ||
            !text(item, "name") || !number(item, "device") || !number(item, "inode")) {
            record.problem = "is not a record of moved items";
            record.entries.clear();
            return record;
        }
        Entry entry{{decodePathText(item["original"].get<std::string>()),
                     decodePathText(item["filesFolder"].get<std::string>()),
                     decodePathText(item["name"].get<std::string>()).native(),
                     item["device"].get<std::uint64_t>(), item["inode"].get<std::uint64_t>()},
                    std::nullopt};
        if (item.contains("size") && item["size"].is_number_integer() &&
            item.contains("modified") && item["modified"].is_number_integer())
            entry.stamp =
                Stamp{item["size"].get<std::int64_t>(), item["modified"].get<std::int64_t>()};
        record.entries.push_back(std::move(entry));
    }
    return record;
}

// Whether the record is exactly the move that took `items`.
bool isMove(const Record& record, const std::vector<TrashedItem>& items) {
    return !record.problem &&
           std::ranges::equal(record.entries, items,
                              [](const Entry& e, const TrashedItem& i) { return e.item == i; });
}

// Only a Trash's own files folder is ever taken from: the layout's, or the files folder of a
// mount's $topdir/.Trash-$uid or $topdir/.Trash/$uid. A record edited to name another folder
// moves nothing out of it.
bool isTrashFilesFolder(const Layout& layout, const Path& folder) {
    if (folder == layout.trashFiles) return true;
    if (layout.kind != LayoutKind::freedesktop || folder.filename() != "files") return false;
    const std::string uid = std::to_string(::geteuid());
    const Path user = folder.parent_path();
    return user.filename() == ".Trash-" + uid ||
           (user.filename() == uid && user.parent_path().filename() == ".Trash");
}

bool plainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

std::optional<RestoreRefusal> restore(const Layout& layout, const Entry& entry) {
    const TrashedItem& item = entry.item;
    const Path original = item.original.lexically_normal();
    const std::string place = original.filename().native();
    if (!isTrashFilesFolder(layout, item.filesFolder) || !plainName(item.name) ||
        !original.is_absolute() || !plainName(place) || item.inode == 0)
        return RestoreRefusal::notInTrash;
    UniqueFd files(::open(item.filesFolder.c_str(), kFolder));
    auto inTrash = files ? statEntry(files.get(), item.name.c_str()) : std::nullopt;
    if (!inTrash || inTrash->dev != item.device || inTrash->ino != item.inode ||
        (entry.stamp && stampOf(*inTrash) != entry.stamp))
        return RestoreRefusal::notInTrash;
    UniqueFd folder(::open(original.parent_path().c_str(), kFolder));
    if (!folder) return errno == ENOENT ? RestoreRefusal::folderGone : RestoreRefusal::failed;

    // Never over anything: a name taken since the move keeps what it holds.
    if (::renameat2(files.get(), item.name.c_str(), folder.get(), place.c_str(),
                    RENAME_NOREPLACE) != 0)
        return errno == EEXIST ? RestoreRefusal::occupied : RestoreRefusal::failed;
    // An entry swapped into the Trash between the check and the rename goes back there.
    auto back = statEntry(folder.get(), place.c_str());
    if (!back || back->dev != item.device || back->ino != item.inode) {
        ::renameat2(folder.get(), place.c_str(), files.get(), item.name.c_str(), RENAME_NOREPLACE);
        return RestoreRefusal::notInTrash;
    }
    if (layout.kind == LayoutKind::freedesktop) {
        UniqueFd info(::openat(files.get(), "../info", kFolder));
        if (info) ::unlinkat(info.get(), (item.name + ".trashinfo").c_str(), 0);
    }
    return std::nullopt;
}

}  // namespace

Path lastTrashMoveFile(const Layout& layout) {
    return layout.stateHome / "tornivo" / "last-trash.json";
}

bool recordTrashMove(const Layout& layout, const RemovalOutcome& outcome) {
    if (outcome.trashed.empty()) return true;
    if (!makeFolders(lastTrashMoveFile(layout).parent_path())) {
        ::unlink(lastTrashMoveFile(layout).c_str());
        return false;
    }
    std::vector<Entry> entries;
    for (const auto& item : outcome.trashed) {
        UniqueFd files(::open(item.filesFolder.c_str(), kFolder));
        auto st = files ? statEntry(files.get(), item.name.c_str()) : std::nullopt;
        entries.push_back({item, st && st->ino == item.inode ? stampOf(*st) : std::nullopt});
    }
    UniqueFd lock = lockExclusively(lockFile(layout));
    if (lock && write(layout, entries)) return true;
    ::unlink(lastTrashMoveFile(layout).c_str());
    return false;
}

bool forgetTrashMove(const Layout& layout, const std::vector<TrashedItem>* onlyThis) {
    if (!makeFolders(lastTrashMoveFile(layout).parent_path())) return false;
    UniqueFd lock = lockExclusively(lockFile(layout));
    if (!lock) return false;
    if (onlyThis && !isMove(read(layout), *onlyThis)) return true;
    return write(layout, {});
}

TrashMoveRecord readTrashMove(const Layout& layout) {
    Record record = read(layout);
    TrashMoveRecord out{{}, std::move(record.problem)};
    for (auto& entry : record.entries) out.items.push_back(std::move(entry.item));
    return out;
}

RestoreOutcome restoreLastTrashMove(const Layout& layout,
                                    const std::vector<TrashedItem>* onlyThis) {
    RestoreOutcome outcome;
    if (!makeFolders(lastTrashMoveFile(layout).parent_path())) {
        outcome.problem = "cannot be reached";
        return outcome;
    }
    UniqueFd lock = lockExclusively(lockFile(layout));
    if (!lock) {
        outcome.problem = "cannot be locked";
        return outcome;
    }
    Record record = read(layout);
    if (record.problem) {
        outcome.problem = record.problem;
        return outcome;
    }
    if (onlyThis && !isMove(record, *onlyThis)) return outcome;
    std::vector<Entry> remaining;
    for (const auto& entry : record.entries) {
        const auto refusal = restore(layout, entry);
        if (!refusal) {
            outcome.restored.push_back(entry.item);
            continue;
        }
        outcome.stayed.push_back({entry.item, *refusal});
        if (*refusal != RestoreRefusal::notInTrash) remaining.push_back(entry);
    }
    if (!outcome.restored.empty() || remaining.size() != record.entries.size())
        write(layout, remaining);
    return outcome;
}

}  // namespace tornivo
