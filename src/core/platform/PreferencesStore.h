#pragma once
// The program's preferences: one JSON object in one file, one key per setting.
//
// Every change is written at once and atomically (temporary file, fsync, rename, fsync of the
// folder): a crash at any moment leaves the old file or the new one, never a partial one. A
// write holds an exclusive lock and re-reads the file first, so two processes that change
// different keys lose neither change. A file that is not a JSON object reads as empty and is
// kept aside under a new name on the next write rather than overwritten.

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "models/Types.h"

namespace tornivo {

class PreferencesStore {
  public:
    explicit PreferencesStore(Path file);

    const Path& file() const { return file_; }

    // Typed reads: nothing when the key is missing or holds another type.
    std::optional<std::int64_t> integer(std::string_view key) const;
    std::optional<bool> boolean(std::string_view key) const;
    std::optional<double> number(std::string_view key) const;
    std::optional<std::string> string(std::string_view key) const;
    std::optional<std::vector<std::string>> stringList(std::string_view key) const;
    std::optional<nlohmann::json> value(std::string_view key) const;

    // Writes one key (or removes it). False when the file could not be written; the previous
    // file is then left as it was.
    bool set(std::string_view key, nlohmann::json value);
    bool remove(std::string_view key);

  private:
    nlohmann::json snapshot() const;
    bool update(std::string_view key, const nlohmann::json* value);

    Path file_;
    mutable std::mutex mutex_;
    mutable nlohmann::json cache_;
    mutable std::optional<std::string> cachedText_;  // the bytes `cache_` was parsed from
};

}  // namespace tornivo
