#pragma once
// Finds regenerable junk (the top-level entries of the caches and logs folders) and removes it.
// Knows nothing of protected folders or running applications: the callers filter.
//
// Each junk folder is checked before it is read or cleaned (LayoutRoots.h): one that is "/", the
// home, a folder above it, another folder of the layout or not the user's own is refused, and
// nothing in it is listed or removed. A clean opens each junk folder once, makes sure it is the
// folder that was scanned, and removes every item relative to that one descriptor, so a folder on
// the way swapped for a link mid-clean leads nowhere.
//
// Sandboxed applications keep their caches in a folder of their own (~/.var/app/ID/cache): each
// is one item of the application-cache category, named after the application and checked as a
// junk folder is. Cleaning it empties it; the folder itself stays for the application.

#include <stop_token>
#include <vector>

#include "models/Outcome.h"
#include "models/ScanModels.h"
#include "platform/Layout.h"
#include "platform/LayoutRoots.h"
#include "platform/RunningApps.h"
#include "platform/ScanProgress.h"

namespace tornivo {

// The selected items of a clean, split by the running applications: an item whose name (for a
// sandbox cache, its application's ID), lower-cased, is exactly a key of the running-applications
// map is left alone while that application runs.
struct JunkSplit {
    std::vector<JunkItem> toClean;         // in their order
    std::vector<std::string> skippedApps;  // names of the applications, unique, in code-point order
};
JunkSplit splitByRunningApps(const std::vector<JunkItem>& items, const RunningApps::Map& running);
// The display name of the running application that keeps `item` (by that same rule), or null.
const std::string* runningAppOf(const JunkItem& item, const RunningApps::Map& running);

// What a junk scan found, and the junk folders it refused to read (never those that are simply
// missing).
struct JunkScan {
    std::vector<JunkItem> items;  // largest first
    ScanReport report;
};

class QuickCleanEngine {
  public:
    explicit QuickCleanEngine(Layout layout);

    const Layout& layout() const { return layout_; }

    // Items of every junk root, largest first; equal sizes keep the roots' order and each
    // folder's listing order. All items selected.
    // A stop asked through `stop` ends the scan early; what it found so far is returned.
    // `progress` hears the name of each item as it is measured.
    JunkScan scan(std::stop_token stop = {}, const ScanProgressCallback& progress = {}) const;
    // Permanently removes the selected items; `freed` is the sum of the scan-time sizes of those
    // removed in full. Only direct entries of a junk root that are still the entries listed
    // (unchanged since the scan), in the junk folder that was scanned, are ever touched; a link
    // listed there is removed as a link. What stays is left with its reason.
    // A stop asked through `stop` ends it between items.
    RemovalOutcome clean(const std::vector<JunkItem>& items, std::stop_token stop = {}) const;

  private:
    static RootRole role(CleanCategory category);
    std::vector<JunkItem> children(const CheckedRoot& root, CleanCategory category,
                                   const std::stop_token& stop, ProgressMeter& meter) const;
    void sandboxCaches(const LayoutRoots& roots, JunkScan& result, const std::stop_token& stop,
                       ProgressMeter& meter) const;
    void emptySandboxCache(const LayoutRoots& roots, const JunkItem& item,
                           RemovalOutcome& outcome) const;

    Layout layout_;
};

}  // namespace tornivo
