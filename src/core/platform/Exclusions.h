#pragma once
// The user's protected folders: nothing that lies in one, or holds one, is ever listed for
// removal or removed. Persisted under "protectedFolders" as the lossless text form of each path
// (see PathText.h), in the order the folders were added.

#include <optional>
#include <string>
#include <vector>

#include "models/Outcome.h"
#include "models/Types.h"

namespace tornivo {

class PreferencesStore;

// The protected folders as read at one moment: what filters and removals consult. Immutable, so
// a copy can go to a worker thread while the list is edited.
class ProtectedFolders {
  public:
    ProtectedFolders() = default;
    explicit ProtectedFolders(std::vector<Path> folders,
                              std::optional<ProtectionProblem> problem = std::nullopt);

    const std::vector<Path>& folders() const { return folders_; }

    // Whether removing `location` could touch protected data: it is a protected folder, lies
    // below one or holds one. Both `location` and the folders are compared as written and as
    // resolved (links followed; for `location` its folder, since a link is removed as a link),
    // so a folder reached or protected through a link is still protected. Compared after
    // standardisation: case matters, canonically equivalent Unicode spellings are the same.
    // The folders are also compared by identity (device and inode, read when the list was), so
    // that no spelling the kernel resolves differently (a bind mount of the same folder, ".."
    // after a link) passes for another folder.
    bool isProtected(const Path& location) const;
    // Whether `location` is a protected folder or lies below one (holding one does not count).
    bool covers(const Path& location) const;

    // Set when the stored list could not be read completely. Every removal is then refused,
    // since what the user protected is not known; scans still filter by the folders read.
    const std::optional<ProtectionProblem>& problem() const { return problem_; }

    // "." components dropped, ".." folded lexically, repeated and trailing slashes removed.
    static Path standardize(const Path& location);
    // The form two paths are compared in: standardised, and NFC when the bytes are UTF-8.
    static std::string comparisonKey(const Path& location);

  private:
    struct Key {
        std::string written;
        std::optional<std::string> resolved;
    };
    bool matches(const Path& location, bool holding) const;
    bool matchesIdentity(const Path& location, bool holding) const;

    struct Identity {
        std::uint64_t dev, ino;
        bool operator==(const Identity&) const = default;
    };
    std::vector<Path> folders_;
    std::vector<Key> keys_;
    std::vector<Identity> protectedIds_;  // each protected folder that could be opened
    std::vector<Identity> holderIds_;     // those, and every folder above them
    std::optional<ProtectionProblem> problem_;
};

// The list as the settings keep it: read at construction, edited and written back.
class Exclusions {
  public:
    static constexpr const char* kKey = "protectedFolders";

    // Loads the folders from the store. A missing key or file means none. A file that cannot be
    // read, a value that is not a list, or an entry that is not an absolute path leave the list
    // incomplete (problem()); the valid entries are kept.
    explicit Exclusions(PreferencesStore& store);

    const ProtectedFolders& protection() const { return protection_; }
    const std::vector<Path>& folders() const { return protection_.folders(); }
    bool isProtected(const Path& location) const { return protection_.isProtected(location); }
    bool covers(const Path& location) const { return protection_.covers(location); }
    const std::optional<ProtectionProblem>& problem() const { return protection_.problem(); }

    // Appends a folder unless an equal one is listed; true when the list changed and was
    // written. Nothing is written while the stored list is incomplete: it would be replaced by
    // what could be read.
    bool add(const Path& folder);
    // Drops every listed folder equal to the given one and writes the list; false when it could
    // not be written (also while the stored list is incomplete).
    bool remove(const Path& folder);

    static Path standardize(const Path& location) {
        return ProtectedFolders::standardize(location);
    }

  private:
    bool persist(std::vector<Path> folders);

    PreferencesStore& store_;
    ProtectedFolders protection_;
};

}  // namespace tornivo
