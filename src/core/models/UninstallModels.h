#pragma once
// Records of the uninstaller: installed applications and the plan to remove one.

#include <optional>
#include <string>
#include <vector>

#include "models/FileIdentity.h"
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
    FileIdentity identity;       // the entry and its folder when inspected

    bool operator==(const AppLeftover&) const = default;
};

// How the application itself leaves the system.
enum class AppRemoval {
    trash,          // its own files go to the Trash: a bundle, or a user's entry and its AppImage
    flatpakUser,    // flatpak uninstall from the user's installation
    flatpakSystem,  // flatpak uninstall from the system installation, as administrator
    systemManaged,  // the package manager installed it: it stays, only leftovers go
};

template <>
struct RawEnumTable<AppRemoval> {
    static constexpr std::array<std::pair<AppRemoval, std::string_view>, 4> cases{{
        {AppRemoval::trash, "trash"},
        {AppRemoval::flatpakUser, "flatpakUser"},
        {AppRemoval::flatpakSystem, "flatpakSystem"},
        {AppRemoval::systemManaged, "systemManaged"},
    }};
};

// A file of the application itself that goes to the Trash with it, and its size when inspected.
struct AppFile {
    Path url;
    ByteCount size = 0;
    FileIdentity identity;  // the file and its folder when inspected

    bool operator==(const AppFile&) const = default;
};

struct UninstallTarget {
    Path appURL;
    std::string appName;
    std::optional<std::string> bundleID;
    ByteCount appSize = 0;               // what removing the application itself frees
    std::vector<AppLeftover> leftovers;  // largest first
    AppRemoval removal = AppRemoval::trash;
    std::vector<AppFile> appFiles;  // moved to the Trash, last, when the application goes
    std::string flatpakID;          // the Flatpak application, for the flatpak removals

    ByteCount totalSize() const {
        ByteCount total = appSize;
        for (const auto& l : leftovers) total += l.size;
        return total;
    }

    bool operator==(const UninstallTarget&) const = default;
};

}  // namespace tornivo
