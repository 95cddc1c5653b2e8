#pragma once
// What every removal shares, whatever it removes: the chosen records are split by the protected
// folders before anything is touched (a record in, or holding, a protected folder is left, as
// "protected"), and while the protected folders cannot be read nothing is touched at all.

#include <vector>

#include "models/Outcome.h"
#include "platform/Exclusions.h"

namespace tornivo {

template <class Record>
struct RemovalPlan {
    std::vector<Record> act;  // what to remove, in order
    RemovalOutcome kept;      // what the protected folders keep, or why nothing may go
};

// The records (anything with `url`) split by `protection`.
template <class Record>
RemovalPlan<Record> planRemoval(std::vector<Record> chosen, const ProtectedFolders& protection) {
    RemovalPlan<Record> plan;
    if (protection.problem()) {
        plan.kept.refused = protection.problem();
        return plan;
    }
    for (auto& record : chosen) {
        if (protection.isProtected(record.url))
            plan.kept.leave(record.url, LeftReason::protectedFolder);
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
