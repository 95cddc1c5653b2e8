#pragma once
// Records of the developer artifact engine.

#include <cstdint>
#include <string>
#include <vector>

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
    // Which folder it was when it was listed (device and inode): a removal goes ahead only while
    // the location still holds that very folder. Zero when unknown; such a record is never
    // removed.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

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
    ByteCount selectedSize() const {
        ByteCount total = 0;
        for (const auto& p : projects)
            if (!p.isActive && p.isSelected) total += p.size;
        return total;
    }

    bool operator==(const DeveloperScanResult&) const = default;
};

}  // namespace tornivo
