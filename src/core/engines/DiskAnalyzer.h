#pragma once
// Maps where the space of the home folder went: every file by kind, with totals, the largest
// files of each kind and advice per file.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "models/DiskModels.h"
#include "platform/Layout.h"

namespace tornivo {

// The kind of a file by its last extension, lower-cased; `other` when none matches.
FileKind classify(const Path& file);

// The advice for one listed file, first matching rule wins (see the engine's source).
std::optional<FileAdvice> advise(const Path& file, ByteCount size,
                                 std::optional<TimePoint> lastUsed, TimePoint staleCutoff,
                                 const Layout& layout);

class DiskAnalyzer {
  public:
    // Files counted so far, and the name of the folder the walk is in. Called from any thread.
    using Progress = std::function<void(std::int64_t files, const std::string& folder)>;

    explicit DiskAnalyzer(Layout layout);

    // One walk of the whole home: the kinds with any bytes, largest first.
    std::vector<DiskCategory> analyze(const Progress& progress, TimePoint now = Clock::now()) const;

  private:
    Layout layout_;
};

}  // namespace tornivo
