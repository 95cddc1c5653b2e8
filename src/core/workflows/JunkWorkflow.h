#pragma once
// The junk clean, as the clean section, the schedule and `tornivo-cli junk` all run it: list the
// junk without what protected folders keep; at clean time set aside the items of running
// applications and what was protected since, then clean the rest.

#include <stop_token>
#include <string>
#include <vector>

#include "engines/QuickCleanEngine.h"
#include "models/Outcome.h"
#include "models/ScanModels.h"
#include "platform/Exclusions.h"
#include "platform/RunningApps.h"

namespace tornivo {

// What the user is shown: the junk outside protected folders, largest first, and what was left
// unread.
JunkScan findJunk(const QuickCleanEngine& engine, const ProtectedFolders& protection,
                  std::stop_token stop = {}, const ScanProgressCallback& progress = {});

struct JunkCleanPlan {
    std::vector<JunkItem> toClean;         // the selected items that may go, in their order
    std::vector<std::string> skippedApps;  // running applications whose items stay
    RemovalOutcome kept;                   // items protected since the scan, or why none may go
};

// One snapshot of the running applications, taken before anything is removed; `layout` names the
// folders no clean may take.
JunkCleanPlan planJunkClean(const std::vector<JunkItem>& items, const ProtectedFolders& protection,
                            const RunningApps::Map& running, const Layout& layout);

RemovalOutcome cleanJunk(const QuickCleanEngine& engine, const JunkCleanPlan& plan,
                         std::stop_token stop = {});

}  // namespace tornivo
