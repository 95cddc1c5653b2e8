#pragma once
// Finds regenerable junk (the top-level entries of the caches and logs folders) and removes it.
// Knows nothing of protected folders or running applications: the callers filter.

#include <vector>

#include "models/ScanModels.h"
#include "platform/Layout.h"

namespace tornivo {

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
