#pragma once
// The user's protected folders: nothing inside one is ever listed for removal. Persisted under
// "protectedFolders" as the lossless text form of each path (see PathText.h), in the order
// the folders were added.

#include <string>
#include <vector>

#include "models/Types.h"

namespace tornivo {

class PreferencesStore;

class Exclusions {
  public:
    static constexpr const char* kKey = "protectedFolders";

    // Loads the folders from the store; a missing or malformed value gives an empty list.
    explicit Exclusions(PreferencesStore& store);

    const std::vector<Path>& folders() const { return folders_; }

    // True when the location is a protected folder or lies below one. Compared lexically after
    // standardisation: case matters, links are not resolved, and canonically equivalent Unicode
    // spellings of a name are the same name.
    bool isProtected(const Path& location) const;
    // Appends a folder unless an equal one is listed; true when the list changed.
    bool add(const Path& folder);
    // Drops every listed folder equal to the given one; the store is written either way.
    void remove(const Path& folder);

    // "." components dropped, ".." folded lexically, repeated and trailing slashes removed.
    static Path standardize(const Path& location);

  private:
    void persist();
    // The form two paths are compared in: standardised, and NFC when the bytes are UTF-8.
    static std::string comparisonKey(const Path& location);

    PreferencesStore& store_;
    std::vector<Path> folders_;
    std::vector<std::string> keys_;  // comparisonKey of each folder
};

}  // namespace tornivo
