#include "models/DeveloperModels.h"

#include <algorithm>

namespace tornivo {

std::string DeveloperProjectGroup::name() const {
    if (outputs.size() == 1 && outputs.front().project.empty()) return outputs.front().name;
    return project.filename().native();
}

ByteCount DeveloperProjectGroup::size() const {
    ByteCount total = 0;
    for (const auto& o : outputs) total += o.size;
    return total;
}

ByteCount DeveloperProjectGroup::selectedSize() const {
    ByteCount total = 0;
    for (const auto& o : outputs)
        if (o.isSelected && !o.isActive) total += o.size;
    return total;
}

std::size_t DeveloperProjectGroup::selectedCount() const {
    return static_cast<std::size_t>(std::count_if(
        outputs.begin(), outputs.end(), [](const auto& o) { return o.isSelected && !o.isActive; }));
}

TimePoint DeveloperProjectGroup::lastActivity() const {
    TimePoint latest{};
    for (const auto& o : outputs) latest = std::max(latest, o.lastActivity);
    return latest;
}

std::vector<DeveloperProjectGroup> DeveloperScanResult::groups() const {
    std::vector<DeveloperProjectGroup> out;
    for (bool active : {false, true}) {
        const auto first = out.size();
        for (const auto& p : projects) {
            if (p.isActive != active) continue;
            auto it = std::find_if(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                                   [&](const auto& g) { return g.project == p.projectFolder(); });
            if (it == out.end()) it = out.insert(out.end(), {p.projectFolder(), active, {}});
            it->outputs.push_back(p);
        }
    }
    return out;
}

void DeveloperScanResult::toggleGroup(const Path& project) {
    auto idleOf = [&](const DeveloperProject& p) {
        return !p.isActive && p.projectFolder() == project;
    };
    const bool tick = std::any_of(projects.begin(), projects.end(),
                                  [&](const auto& p) { return idleOf(p) && !p.isSelected; });
    for (auto& p : projects)
        if (idleOf(p)) p.isSelected = tick;
}

}  // namespace tornivo
