#pragma once
// Lists installed applications, finds what each left behind, and moves an application and its
// chosen leftovers to the Trash. Nothing is ever deleted.
//
// On macOS an application is a *.app bundle and its identifier the bundle's CFBundleIdentifier.
// On freedesktop systems it is a desktop entry: its name is the entry's Name, its identifier the
// desktop-file ID, and how the application itself goes depends on who installed it:
//  - an entry of the user's own (in the data folder's applications/) goes to the Trash, with the
//    AppImage it launches when that lies in the home; an AppImage of the home that no entry
//    launches is inspected by itself (its file name, no identifier) and goes to the Trash too;
//  - a Flatpak is removed with `flatpak uninstall` from its installation (see removalCommand);
//  - anything else came with the system's package manager and stays: only leftovers go.

#include <sys/types.h>
#include <stop_token>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engines/TuneUpCommands.h"
#include "models/Outcome.h"
#include "models/UninstallModels.h"
#include "platform/Layout.h"
#include "platform/RunningApps.h"

namespace tornivo {

class UninstallerEngine {
  public:
    explicit UninstallerEngine(Layout layout);

    const Layout& layout() const { return layout_; }

    // The applications of the layout's application folders, sorted by name (case-insensitive,
    // in the collation of the process's locale; stable, so equal names keep folder order).
    // macos: the non-hidden *.app children of each folder (an application in two folders is
    // listed twice). freedesktop: the entries of Type=Application that are neither Hidden nor
    // NoDisplay, read through GIO; a desktop-file ID found in an earlier folder hides the same
    // ID in later ones.
    std::vector<InstalledApp> installedApps() const;

    // The uninstall plan of one application: its identifier, how it goes, its size and its
    // leftovers. Identifier pass (identifier of 3 characters or more): the direct children of
    // every leftover folder, user then system, whose lower-cased name or name without extension
    // equals the identifier or begins with it and a full stop; they start selected. Name pass
    // (name of 3 characters or more): the children of the name folders whose whole lower-cased
    // name equals the name; they start unselected. A path is listed once, largest first
    // (stable). A child that is, or holds, one of the layout's own folders is never offered, nor
    // are the application's own files.
    // A stop asked through `stop` ends the measuring early (the plan is then incomplete).
    UninstallTarget inspect(const Path& appURL, std::stop_token stop = {}) const;

    // What a file dropped on the uninstall screen is to inspect, when it is an application of
    // the layout: on macos a .app bundle; on freedesktop an application's desktop entry, or an
    // AppImage (an ELF file with the AppImage magic, never read through a link), which the
    // entry that launches it stands for when there is one. Nothing for anything else: a
    // folder, a document, a script.
    std::optional<Path> droppedApplication(const Path& dropped) const;

    // Moves the selected leftovers, then, when `removeAppBundle` is true, the application's own
    // files (`appFiles`) to the Trash, each only while it is what was inspected; `freed` sums
    // the recorded sizes of those moved. A leftover that is not a direct child of one of the
    // layout's leftover folders is left alone (a plan that was not made by inspect). A Flatpak
    // is not removed here: see removalCommand.
    // A stop asked through `stop` ends it between moves.
    RemovalOutcome uninstall(const UninstallTarget& target, bool removeAppBundle,
                             std::stop_token stop = {}) const;

    // The command that removes the application when the Trash cannot: for a Flatpak,
    // `flatpak uninstall --noninteractive --user ID`, or for the system installation
    // `pkexec flatpak uninstall --noninteractive --system ID` (polkit asks for the password).
    // Nothing for the other removals.
    static std::optional<ProcessInvocation> removalCommand(const UninstallTarget& target);

    // The kind of a leftover, from the first rule of the layout's table that its path meets.
    // macos: the lower-cased path contains "/launchagents" or "/launchdaemons" (launch),
    // "/application support/" (support), "/caches/" (cache), "/preferences/" (preferences),
    // "/containers/" or "/group containers/" (container), "/logs/" (logs), "/saved application
    // state/" (savedState), "/webkit/", "/httpstorages/" or "/cookies/" (web), "/application
    // scripts/" (scripts). freedesktop, by the folder the path lies in: autostart folders and
    // systemd user units (launch), the data folder (support), the cache folders (cache), the
    // configuration folder (preferences), ~/.var/app (container), a folder named log or logs
    // (logs), the state folder (savedState). Anything else is other.
    static LeftoverKind classify(const Path& path, const Layout& layout);
    LeftoverKind classify(const Path& path) const { return classify(path, layout_); }

    // The processes that are an instance of the application with this identifier: those with an
    // identifier equal to it, lower-cased; the process `self` is left out.
    static std::vector<pid_t> instancesOf(std::string_view appID,
                                          const std::vector<RunningProcess>& processes, pid_t self);

    // Whether a text counts as long enough to match by: 3 characters (code points) or more.
    static bool longEnough(std::string_view text);

  private:
    Layout layout_;
};

}  // namespace tornivo
