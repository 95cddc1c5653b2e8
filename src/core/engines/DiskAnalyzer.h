#pragma once
// Maps where the space of the home folder went: every file by kind, with totals, the largest
// files of each kind and advice per file.

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "models/DiskModels.h"
#include "models/Outcome.h"
#include "models/ScanReport.h"
#include "platform/Layout.h"
#include "platform/ScanProgress.h"

namespace tornivo {

// The kind of a file by its last extension (the text after the last dot of its name),
// lower-cased; `other` when none matches, also for a name without a dot.
FileKind classify(const Path& file);
FileKind classifyName(std::string_view name);

// The advice for one listed file, first matching rule wins: cache junk, build artifact,
// installer, stale (only from 100 MiB; a smaller stale file gets none), huge (from 5 GiB).
// The path tests are substring tests on the lower-cased path; the freedesktop layout also
// knows its own cache, logs and Trash folders, Python, Gradle and Dart build folders, and its
// installer types in its (possibly localized) Downloads and Desktop folders.
std::optional<FileAdvice> advise(const Path& file, ByteCount size,
                                 std::optional<TimePoint> lastUsed, TimePoint staleCutoff,
                                 const Layout& layout);

class DiskAnalyzer {
  public:
    // Files counted so far, and the name of the folder the walk is in. Called from any thread,
    // one call at a time, with rising counts.
    using Progress = std::function<void(std::int64_t files, const std::string& folder)>;

    static constexpr ByteCount kListedFrom = 10'485'760;  // 10 MiB: smaller files only count
    static constexpr std::size_t kKeptPerKind = 100;
    static constexpr std::size_t kTrimAbove = 400;  // a list this long is cut back to 100
    static constexpr std::int64_t kProgressEvery = ProgressMeter::kFilesEvery;
    static constexpr auto kStaleAfter = std::chrono::seconds(15'552'000);  // 180 days

    // `threads` walk the home side by side; the result does not depend on how many.
    explicit DiskAnalyzer(Layout layout, unsigned threads = defaultThreads());

    const Layout& layout() const { return layout_; }

    // Metadata reads from a cold cache wait on the disk, so the walk keeps more of them in
    // flight than there are cores (16 on two cores: cold walks took half the time of two
    // threads); with a warm cache the extra threads cost a few per cent in switching.
    static unsigned defaultThreads();

    // One walk of the whole home (hidden entries included, links never followed, other mounts
    // not entered, unreadable folders skipped): the kinds with any bytes, largest first, equal
    // totals in kind order; in each, the largest files, equal sizes in the order a single walk
    // meets them. `progress` hears every 2,500 files and once more at the end with the final
    // count and no folder. A home that cannot be opened gives nothing and no progress.
    // `report`, when given, receives the folders the walk could not read.
    // A stop asked through `stop` ends the walk at its next folder.
    std::vector<DiskCategory> analyze(const Progress& progress, TimePoint now = Clock::now(),
                                      ScanReport* report = nullptr,
                                      std::stop_token stop = {}) const;

    // Moves a listed file to the Trash, only while it is still the file listed
    // (Trash::moveListed).
    RemovalOutcome trashFile(const DiskFile& file) const;

  private:
    Layout layout_;
    unsigned threads_;
};

}  // namespace tornivo
