#pragma once
// The program's preferences: one JSON object in one file, one key per setting.
//
// Every change is written at once and atomically (temporary file, fsync, rename, fsync of the
// folder): a crash at any moment leaves the old file or the new one, never a partial one. A
// write holds an exclusive lock and re-reads the file first, so two processes that change
// different keys lose neither change.
//
// The file is read only when it is a regular file of at most kMaxFileSize bytes whose JSON nests
// at most kMaxDepth levels: a FIFO, a device or a huge or hostile file put in its place never
// hangs or crashes the program. A file that exists but cannot be read or is not a JSON object
// reads as empty and is never replaced by a write: what it held (protected folders among it)
// would be lost. `problem()` says what is wrong with it, so the user can mend it.

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "models/Types.h"

namespace tornivo {

class PreferencesStore {
  public:
    static constexpr std::int64_t kMaxFileSize = 16 << 20;
    static constexpr int kMaxDepth = 64;

    explicit PreferencesStore(Path file);

    const Path& file() const { return file_; }

    // Typed reads: nothing when the key is missing or holds another type.
    std::optional<std::int64_t> integer(std::string_view key) const;
    std::optional<bool> boolean(std::string_view key) const;
    std::optional<double> number(std::string_view key) const;
    std::optional<std::string> string(std::string_view key) const;
    std::optional<std::vector<std::string>> stringList(std::string_view key) const;
    std::optional<nlohmann::json> value(std::string_view key) const;

    // What keeps the file from being read as it stands ("is not valid JSON", "is not a regular
    // file", ...); nothing when it reads well or does not exist.
    std::optional<std::string> problem() const;

    // Writes one key (or removes it). False when the file could not be written, or when the
    // file that is there cannot be read; the previous file is then left as it was.
    bool set(std::string_view key, nlohmann::json value);
    bool remove(std::string_view key);

  private:
    struct Contents {
        nlohmann::json document = nlohmann::json::object();
        std::optional<std::string> problem;
    };
    static Contents read(const Path& file);
    Contents snapshot() const;
    bool update(std::string_view key, const nlohmann::json* value);

    Path file_;
    mutable std::mutex mutex_;
    mutable Contents cache_;
    mutable std::optional<std::string> cachedText_;  // the bytes `cache_` was parsed from
};

// Whether JSON text nests containers deeper than `limit` (strings are skipped, so brackets
// inside them do not count). Checked before parsing: the parser's own recursion would overflow
// the stack on input nested a hundred thousand levels deep.
bool nestsDeeperThan(std::string_view json, int limit);

}  // namespace tornivo
