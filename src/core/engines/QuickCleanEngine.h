#pragma once
// Finds regenerable junk (the top-level entries of the caches and logs folders) and removes it.
// Knows nothing of protected folders or running applications: the callers filter.

#include <vector>

#include "models/ScanModels.h"
#include "platform/Layout.h"
#include "platform/RunningApps.h"

namespace tornivo {

// The selected items of a clean, split by the running applications: an item whose name,
// lower-cased, is exactly a key of the running-applications map is left alone while that
// application runs.
struct JunkSplit {
    std::vector<JunkItem> toClean;         // in their order
    std::vector<std::string> skippedApps;  // names of the applications, unique, in code-point order
};
JunkSplit splitByRunningApps(const std::vector<JunkItem>& items, const RunningApps::Map& running);

class QuickCleanEngine {
  public:
    explicit QuickCleanEngine(Layout layout);

    const Layout& layout() const { return layout_; }

    // Items of every junk root, largest first; equal sizes keep the roots' order and each
    // folder's listing order. All items selected.
    std::vector<JunkItem> scan() const;
    // Permanently removes the selected items and returns the sum of the scan-time sizes of those
    // removed in full. Items that are not direct entries of a junk root are never touched.
    ByteCount clean(const std::vector<JunkItem>& items) const;
    // The items of one root folder: its non-hidden direct entries with a size above 0.
    std::vector<JunkItem> children(const Path& folder, CleanCategory category) const;

  private:
    bool isJunkEntry(const Path& location) const;

    Layout layout_;
};

}  // namespace tornivo
