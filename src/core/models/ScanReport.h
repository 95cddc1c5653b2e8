#pragma once
// What a scan could not read: root folders its checks refused, and folders below them that could
// not be read or lay on another file system. Scans report them; screens and the command line say
// them.

#include <cstdint>
#include <string>
#include <vector>

#include "models/RawEnum.h"
#include "models/Types.h"

namespace tornivo {

// Why a root folder (a junk folder, the Trash, a personal folder, ...) was left alone.
enum class RootRefusal {
    missing,            // nothing there: a folder not made yet, never worth a message
    unreadable,         // cannot be opened as a folder
    fileSystemRoot,     // "/"
    home,               // the home folder itself
    holdsHome,          // a folder above the home
    layoutFolder,       // another folder of the layout (`other` names it)
    holdsLayoutFolder,  // a folder that holds another folder of the layout (`other` names it)
    notOwned,           // not owned by the owner of the home
    insideTrash,        // a Trash folder or a folder in one: what was thrown away is not scanned
};

template <>
struct RawEnumTable<RootRefusal> {
    static constexpr std::array<std::pair<RootRefusal, std::string_view>, 9> cases{{
        {RootRefusal::missing, "missing"},
        {RootRefusal::unreadable, "unreadable"},
        {RootRefusal::fileSystemRoot, "fileSystemRoot"},
        {RootRefusal::home, "home"},
        {RootRefusal::holdsHome, "holdsHome"},
        {RootRefusal::layoutFolder, "layoutFolder"},
        {RootRefusal::holdsLayoutFolder, "holdsLayoutFolder"},
        {RootRefusal::notOwned, "notOwned"},
        {RootRefusal::insideTrash, "insideTrash"},
    }};
};

struct RootProblem {
    Path folder;  // as the layout names it
    RootRefusal reason = RootRefusal::unreadable;
    std::string other;  // the other layout folder, by name ("Documents", "data", "Trash")

    bool operator==(const RootProblem&) const = default;
};

// Why a folder below a root was not read.
enum class UnreadReason { unreadable, otherFileSystem };

template <>
struct RawEnumTable<UnreadReason> {
    static constexpr std::array<std::pair<UnreadReason, std::string_view>, 2> cases{{
        {UnreadReason::unreadable, "unreadable"},
        {UnreadReason::otherFileSystem, "otherFileSystem"},
    }};
};

struct UnreadFolder {
    Path url;
    UnreadReason reason = UnreadReason::unreadable;

    bool operator==(const UnreadFolder&) const = default;
};

struct ScanReport {
    // A home can hold thousands of folders that cannot be read: the first ones are named, all
    // are counted.
    static constexpr std::size_t kNamedAtMost = 100;

    std::vector<RootProblem> refused;
    std::vector<UnreadFolder> unread;  // the first kNamedAtMost, in the order met
    std::int64_t unreadCount = 0;      // all of them

    void add(UnreadFolder folder) {
        ++unreadCount;
        if (unread.size() < kNamedAtMost) unread.push_back(std::move(folder));
    }
    void merge(const ScanReport& other) {
        refused.insert(refused.end(), other.refused.begin(), other.refused.end());
        for (const auto& f : other.unread)
            if (unread.size() < kNamedAtMost) unread.push_back(f);
        unreadCount += other.unreadCount;
    }
    bool empty() const { return refused.empty() && unreadCount == 0; }

    bool operator==(const ScanReport&) const = default;
};

}  // namespace tornivo
