#include "workflows/JunkWorkflow.h"

#include "platform/ProtectedFilter.h"
#include "workflows/Removal.h"

namespace tornivo {

JunkScan findJunk(const QuickCleanEngine& engine, const ProtectedFolders& protection,
                  std::stop_token stop, const ScanProgressCallback& progress) {
    JunkScan scan = engine.scan(std::move(stop), progress);
    scan.items = withoutProtected(std::move(scan.items), protection);
    return scan;
}

JunkCleanPlan planJunkClean(const std::vector<JunkItem>& items, const ProtectedFolders& protection,
                            const RunningApps::Map& running, const Layout& layout) {
    std::vector<JunkItem> selected;
    for (const auto& item : items)
        if (item.isSelected) selected.push_back(item);
    RemovalPlan<JunkItem> protectedSplit = planRemoval(std::move(selected), protection, layout);
    JunkSplit split = splitByRunningApps(protectedSplit.act, running);
    return {std::move(split.toClean), std::move(split.skippedApps), std::move(protectedSplit.kept)};
}

RemovalOutcome cleanJunk(const QuickCleanEngine& engine, const JunkCleanPlan& plan,
                         std::stop_token stop) {
    RemovalOutcome outcome = plan.kept;
    if (!plan.kept.refused && !plan.toClean.empty())
        outcome.merge(engine.clean(plan.toClean, std::move(stop)));
    return outcome;
}

}  // namespace tornivo
