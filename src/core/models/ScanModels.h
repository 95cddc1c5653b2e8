#pragma once
// Records of the junk scan: what was found in the caches and logs folders.

#include <vector>

#include "models/FileIdentity.h"
#include "models/RawEnum.h"
#include "models/Types.h"
#include "models/Uuid.h"

namespace tornivo {

enum class CleanCategory { appCache, systemLogs };

template <>
struct RawEnumTable<CleanCategory> {
    static constexpr std::array<std::pair<CleanCategory, std::string_view>, 2> cases{{
        {CleanCategory::appCache, "appCache"},
        {CleanCategory::systemLogs, "systemLogs"},
    }};
};

// One top-level entry of a junk folder with its on-disk size at scan time.
struct JunkItem {
    Uuid id;
    Path url;
    ByteCount size = 0;  // always > 0 for a scanned item
    CleanCategory category = CleanCategory::appCache;
    bool isSelected = true;
    FileIdentity identity;  // the entry and its junk folder when scanned
    // For the cache folder of a sandboxed application: its ID, by which a running application
    // is known (empty for an entry named after its application), and the name shown for it.
    std::string app = {}, appName = {};

    bool operator==(const JunkItem&) const = default;
};

struct ScanResult {
    std::vector<JunkItem> items;  // largest first
    TimePoint date;

    ByteCount selectedSize() const;
    ByteCount totalSize() const;
    ByteCount size(CleanCategory category) const;
};

}  // namespace tornivo
