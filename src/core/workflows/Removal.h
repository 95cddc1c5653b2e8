#pragma once
// What every removal shares, whatever it removes: the chosen records are split before anything is
// touched. A record naming "/", a mount point, the home or a folder of the layout is left (as
// "systemFolder"), whatever list it came from; one in, or holding, a protected folder is left (as
// "protected"); while the protected folders cannot be read nothing is touched at all.

#include <optional>
#include <vector>

#include "models/Outcome.h"
#include "platform/Exclusions.h"
#include "platform/LayoutRoots.h"

namespace tornivo {

template <class Record>
struct RemovalPlan {
    std::vector<Record> act;  // what to remove, in order
    RemovalOutcome kept;      // what the protected folders keep, or why nothing may go
};

// Why `location` must stay whatever the plan says, if it must.
inline std::optional<LeftReason> mustStay(const Path& location, const ProtectedFolders& protection,
                                          const LayoutRoots& roots) {
    if (roots.isSystemFolder(location)) return LeftReason::systemFolder;
    if (protection.isProtected(location)) return LeftReason::protectedFolder;
    return std::nullopt;
}

// The records (anything with `url`) split by `protection` and the layout's folders.
template <class Record>
RemovalPlan<Record> planRemoval(std::vector<Record> chosen, const ProtectedFolders& protection,
                                const Layout& layout) {
    RemovalPlan<Record> plan;
    if (protection.problem()) {
        plan.kept.refused = protection.problem();
        return plan;
    }
    const LayoutRoots roots(layout);
    for (auto& record : chosen) {
        if (auto reason = mustStay(record.url, protection, roots))
            plan.kept.leave(record.url, *reason);
        else
            plan.act.push_back(std::move(record));
    }
    return plan;
}

// Carries out a plan with `remove(records) -> RemovalOutcome`: its outcome after what the plan
// kept.
template <class Record, class Remove>
RemovalOutcome carryOut(const RemovalPlan<Record>& plan, Remove remove) {
    RemovalOutcome outcome = plan.kept;
    if (!plan.kept.refused && !plan.act.empty()) outcome.merge(remove(plan.act));
    return outcome;
}

}  // namespace tornivo
