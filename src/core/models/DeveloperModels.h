#pragma once
// Records of the developer artifact engine.

#include <cstdint>
#include <string>
#include <vector>

#include "models/FileIdentity.h"
#include "models/Types.h"
#include "models/Uuid.h"

namespace tornivo {

// One regenerable build-output folder.
struct DeveloperProject {
    Uuid id;
    std::string name;
    Path url;  // the build-output folder (or file)
    ByteCount size = 0;
    TimePoint lastActivity{};  // the distant past when nothing could be read
    bool isActive = false;
    bool isSelected = false;  // always false while isActive
    // What it was when it was listed: a removal goes ahead only while the location still holds
    // that very folder, unchanged. Unknown records are never removed.
    FileIdentity identity;
    // The project the output belongs to (the folder holding its marker file); empty where each
    // output stands for a project of its own.
    Path project;

    const Path& projectFolder() const { return project.empty() ? url : project; }
    bool operator==(const DeveloperProject&) const = default;
};

// The outputs of one project on one side of the protection window, as the screen lists them:
// a project with outputs both idle and in use shows once on each side.
struct DeveloperProjectGroup {
    Path project;
    bool isActive = false;
    std::vector<DeveloperProject> outputs;  // in the result's order

    // The project folder's name; an output that is a project of its own keeps its name.
    std::string name() const;
    ByteCount size() const;
    ByteCount selectedSize() const;
    std::size_t selectedCount() const;
    TimePoint lastActivity() const;  // the latest of its outputs'

    bool operator==(const DeveloperProjectGroup&) const = default;
};

struct DeveloperScanResult {
    std::vector<DeveloperProject> projects;

    std::vector<DeveloperProject> cleanableProjects() const {
        std::vector<DeveloperProject> out;
        for (const auto& p : projects)
            if (!p.isActive) out.push_back(p);
        return out;
    }
    std::vector<DeveloperProject> activeProjects() const {
        std::vector<DeveloperProject> out;
        for (const auto& p : projects)
            if (p.isActive) out.push_back(p);
        return out;
    }
    // Marks each project active when its last activity lies strictly after `cutoff`, and
    // selects exactly the inactive ones.
    void reclassify(TimePoint cutoff) {
        for (auto& p : projects) {
            p.isActive = p.lastActivity > cutoff;
            p.isSelected = !p.isActive;
        }
    }
    // What a clean could free: every output that is not active.
    ByteCount cleanableSize() const {
        ByteCount total = 0;
        for (const auto& p : projects)
            if (!p.isActive) total += p.size;
        return total;
    }
    ByteCount selectedSize() const {
        ByteCount total = 0;
        for (const auto& p : projects)
            if (!p.isActive && p.isSelected) total += p.size;
        return total;
    }

    // The outputs by project and side, idle projects first, each in the order of its first
    // output (so the one with the largest output leads).
    std::vector<DeveloperProjectGroup> groups() const;
    // Ticks every idle output of `project` when any of them is unticked, else unticks them all.
    // Outputs in use stay unticked.
    void toggleGroup(const Path& project);

    bool operator==(const DeveloperScanResult&) const = default;
};

}  // namespace tornivo
