#pragma once
// The applications the current user is running, as the clean workflow needs them: a map from
// each running application's identifier, lower-cased, to its display name. Junk named exactly
// after a key is left alone while that application runs.
//
// On Linux the list comes from /proc. A process of the user gives these identifiers:
//  - the desktop-file ID in the name of its systemd application unit:
//      app-gnome-org.gnome.Nautilus-1234.scope, app-KDE-org.kde.okular@12345.service and
//      dbus-:1.2-org.gnome.Maps@0.service (D-Bus activation) all name their application,
//  - the instance name of a snap's unit (snap.firefox.firefox-<uuid>.scope gives "firefox"),
//  - FLATPAK_ID and SNAP_INSTANCE_NAME (else SNAP_NAME) from its environment when readable,
//  - the base name of its executable (thunderbird), so that a cache folder named after the
//    program is recognised.
// Display names come from the desktop entries through GIO.

#include <sys/types.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "models/Types.h"

namespace tornivo {

enum class IdentifierKind {
    desktopEntry,  // names a desktop entry: a desktop-file ID or a snap name
    executable,    // the base name of a program file
};

struct AppIdentifier {
    std::string id;  // as the application carries it, case kept ("org.gnome.Nautilus")
    IdentifierKind kind = IdentifierKind::desktopEntry;
    std::string desktopId;  // the desktop entry that names it (without ".desktop"), if any

    bool operator==(const AppIdentifier&) const = default;
};

struct RunningProcess {
    pid_t pid = 0;
    // Least specific first: the executable, then the environment, then the systemd unit.
    std::vector<AppIdentifier> identifiers;
};

class RunningApps {
  public:
    using Map = std::map<std::string, std::string>;
    // The display name of an identifier, when a desktop entry gives one.
    using NameLookup = std::function<std::optional<std::string>(const AppIdentifier&)>;

    // The running-applications map of the current user: for each identifier of each process, in
    // the order of process IDs, map[lowerCased(id)] = its display name, else the lower-cased id.
    // A later process with the same key replaces the earlier name. An empty lookup names nothing.
    static Map current();
    static Map current(const Path& procRoot, uid_t uid, const NameLookup& names);

    // The processes under `procRoot` whose real user is `uid`, in the order of process IDs, with
    // their identifiers. Kernel threads, zombies and processes that vanish or cannot be read are
    // left out; nothing here fails.
    static std::vector<RunningProcess> processes(const Path& procRoot, uid_t uid);

    // The application named by one systemd unit (a component of a cgroup path), if any.
    static std::optional<AppIdentifier> unitApplication(std::string_view unit);

    // Full Unicode lower-casing with the root locale's rules, whatever the process locale is:
    // "I" always becomes "i". Bytes that are not valid UTF-8 are returned unchanged.
    static std::string lowerCased(std::string_view text);

    // Names from the desktop entries below `folders` (a layout's application folders, read as
    // DesktopEntries.h reads them): a desktop-file ID by its entry's Name; an executable by the
    // entry of that ID, else by the one entry that launches it (Exec or TryExec) or whose
    // StartupWMClass it is. Each call builds a fresh lookup.
    static NameLookup desktopEntryNames(std::vector<Path> folders);
};

}  // namespace tornivo
