#pragma once
// Desktop entries, read the one safe way: only a regular file is read (a link to a FIFO or a
// device would hang or never end), the open never blocks, at most kMaxEntrySize bytes are taken,
// and GIO parses what was read. Every reader of desktop entries goes through here.

#include <memory>
#include <string>
#include <vector>

#include "models/UninstallModels.h"
#include "platform/Layout.h"

typedef struct _GDesktopAppInfo GDesktopAppInfo;

namespace tornivo {

struct DesktopAppInfoUnref {
    void operator()(GDesktopAppInfo* info) const;
};
using DesktopAppInfo = std::unique_ptr<GDesktopAppInfo, DesktopAppInfoUnref>;

inline constexpr long kMaxEntrySize = 1 << 20;

// The entry at `path` (a link to an entry is read like the entry), parsed by GIO: null for
// anything but a readable regular file holding an entry of Type=Application whose program exists
// (TryExec).
DesktopAppInfo loadDesktopEntry(const Path& path);

// The icon the application entry at `path` names: a theme icon's name, or an absolute file.
// Empty when it names none or is no application entry.
std::string desktopEntryIcon(const Path& path);

struct DesktopEntry {
    std::string id;  // the desktop-file ID: the path below its folder, "/" turned into "-"
    Path path;
    DesktopAppInfo info;
};

// The application entries below each of `folders` (searched in their order); the first folder
// that holds an ID decides for it, so a Hidden entry of the user's removes the system's entry of
// the same ID. Hidden and NoDisplay entries are included: callers decide.
std::vector<DesktopEntry> desktopEntries(const std::vector<Path>& folders);

// The applications a menu lists: the entries of desktopEntries that are neither Hidden nor
// NoDisplay, each with its Name and path, in the order found.
std::vector<InstalledApp> desktopEntryApps(const std::vector<Path>& folders);

// The installed applications of a layout, the one list every section uses, in the order of the
// layout's application folders: on freedesktop desktopEntryApps; on macos the NAME.app bundles
// of each folder (not recursive, hidden ones left out), named without ".app".
std::vector<InstalledApp> installedApplications(const Layout& layout);

}  // namespace tornivo
