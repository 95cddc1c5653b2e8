#pragma once
// Records of the disk analyzer: the home folder by kind of file, with advice per large file.

#include <optional>
#include <vector>

#include "models/FileIdentity.h"
#include "models/RawEnum.h"
#include "models/Types.h"
#include "models/Uuid.h"

namespace tornivo {

enum class FileKind { images, videos, audio, documents, archives, developer, other };

template <>
struct RawEnumTable<FileKind> {
    static constexpr std::array<std::pair<FileKind, std::string_view>, 7> cases{{
        {FileKind::images, "images"},
        {FileKind::videos, "videos"},
        {FileKind::audio, "audio"},
        {FileKind::documents, "documents"},
        {FileKind::archives, "archives"},
        {FileKind::developer, "developer"},
        {FileKind::other, "other"},
    }};
};

// What the analyzer suggests doing with one file. Only `stale` carries a payload.
struct FileAdvice {
    enum class Case { stale, cacheJunk, installer, buildArtifact, huge };
    Case kind = Case::huge;
    std::optional<TimePoint> lastUsed;  // set for `stale` only

    static FileAdvice stale(TimePoint lastUsed) { return {Case::stale, lastUsed}; }
    static FileAdvice of(Case c) { return {c, std::nullopt}; }

    bool operator==(const FileAdvice&) const = default;
};

template <>
struct RawEnumTable<FileAdvice::Case> {
    static constexpr std::array<std::pair<FileAdvice::Case, std::string_view>, 5> cases{{
        {FileAdvice::Case::stale, "stale"},
        {FileAdvice::Case::cacheJunk, "cacheJunk"},
        {FileAdvice::Case::installer, "installer"},
        {FileAdvice::Case::buildArtifact, "buildArtifact"},
        {FileAdvice::Case::huge, "huge"},
    }};
};

struct DiskFile {
    Uuid id;
    Path url;
    ByteCount size = 0;                 // allocated size on disk, else logical size
    std::optional<TimePoint> lastUsed;  // access date, else modification date
    std::optional<FileAdvice> advice;
    FileIdentity identity;  // the file and its folder when scanned

    bool operator==(const DiskFile&) const = default;
};

struct DiskCategory {
    FileKind kind = FileKind::other;
    ByteCount size = 0;           // all counted files of this kind
    std::int64_t fileCount = 0;   // number of counted files of this kind
    std::vector<DiskFile> files;  // the largest (at most 100), largest first

    bool operator==(const DiskCategory&) const = default;
};

}  // namespace tornivo
