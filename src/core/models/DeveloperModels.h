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

    bool operator==(const DeveloperProject&) const = default;
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

    bool operator==(const DeveloperScanResult&) const = default;
};

}  // namespace tornivo
