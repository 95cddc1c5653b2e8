#pragma once
// Records of the uninstaller: installed applications and the plan to remove one.

#include <optional>
#include <string>
#include <vector>

#include "models/RawEnum.h"
#include "models/Types.h"
#include "models/Uuid.h"

namespace tornivo {

// An installed application: a bundle on macOS, a desktop entry on freedesktop systems.
// Its identity is the path of `url`.
struct InstalledApp {
    std::string name;
    Path url;

    bool operator==(const InstalledApp&) const = default;
};

enum class LeftoverKind {
    support,
    cache,
    preferences,
    container,
    logs,
    savedState,
    web,
    launch,
    scripts,
    other
};

template <>
struct RawEnumTable<LeftoverKind> {
    static constexpr std::array<std::pair<LeftoverKind, std::string_view>, 10> cases{{
        {LeftoverKind::support, "support"},
        {LeftoverKind::cache, "cache"},
        {LeftoverKind::preferences, "preferences"},
        {LeftoverKind::container, "container"},
        {LeftoverKind::logs, "logs"},
        {LeftoverKind::savedState, "savedState"},
        {LeftoverKind::web, "web"},
        {LeftoverKind::launch, "launch"},
        {LeftoverKind::scripts, "scripts"},
        {LeftoverKind::other, "other"},
    }};
};

struct AppLeftover {
    Uuid id;
    Path url;
    ByteCount size = 0;
    LeftoverKind kind = LeftoverKind::other;
    bool matchedByName = false;  // found only by the application's name
    bool isSelected = true;      // identifier matches start selected, name matches do not

    bool operator==(const AppLeftover&) const = default;
};

struct UninstallTarget {
    Path appURL;
    std::string appName;
    std::optional<std::string> bundleID;
    ByteCount appSize = 0;
    std::vector<AppLeftover> leftovers;  // largest first

    ByteCount totalSize() const {
        ByteCount total = appSize;
        for (const auto& l : leftovers) total += l.size;
        return total;
    }

    bool operator==(const UninstallTarget&) const = default;
};

}  // namespace tornivo
