#pragma once
// Where things are in a user's home, for the two layouts the program knows: a macOS home and a
// freedesktop (XDG) home. Engines never hard-code a location; they read it from a Layout.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "models/ScanModels.h"
#include "models/Types.h"

namespace tornivo {

// The environment a layout is resolved against (HOME, XDG_* variables).
using Environment = std::map<std::string, std::string>;
Environment processEnvironment();

enum class LayoutKind { macos, freedesktop };

template <>
struct RawEnumTable<LayoutKind> {
    static constexpr std::array<std::pair<LayoutKind, std::string_view>, 2> cases{{
        {LayoutKind::macos, "macos"},
        {LayoutKind::freedesktop, "freedesktop"},
    }};
};

struct JunkRoot {
    CleanCategory category;
    Path folder;
};

struct Layout {
    LayoutKind kind = LayoutKind::freedesktop;
    Path home;

    // Base folders (XDG base directories; the Library equivalents on macOS).
    Path configHome, cacheHome, dataHome, stateHome;

    // Junk: the caches folder, then the logs folder.
    std::vector<JunkRoot> junkRoots;
    // Where sandboxed applications keep their own folders, one per application ID (Flatpak's
    // ~/.var/app); the cache folder in each is junk of the application-cache category.
    std::optional<Path> sandboxApps;

    // Personal folders. Absent when the user's configuration points it at the home itself.
    std::optional<Path> downloads, documents, desktop, pictures, movies, music;

    // The Trash: `trash` is the folder itself, `trashFiles` holds the trashed items and
    // `trashInfo` their restore records (freedesktop only).
    Path trash, trashFiles;
    std::optional<Path> trashInfo;

    // Where installed applications are declared (.app bundles or desktop entries).
    std::vector<Path> applicationFolders;
    // Extensions of installer files, lower case, without the dot.
    std::vector<std::string> installerExtensions;

    // Developer build outputs: on macOS, the folders whose children are build outputs; on
    // freedesktop, the roots of a walk that recognises projects by their marker files.
    std::vector<Path> buildOutputFolders;
    bool findsProjectsByWalking = false;

    // Uninstall leftovers: folders searched by application identifier (user, then system)
    // and folders searched by application name.
    std::vector<Path> leftoverUserFolders, leftoverSystemFolders, leftoverNameFolders;

    // The thumbnail cache that the thumbnail-reset maintenance task clears (freedesktop).
    std::optional<Path> thumbnailCache;

    // The program's preferences file.
    Path settingsFile;

    // The given folders that are present, in the order given.
    static std::vector<Path> present(std::initializer_list<std::optional<Path>> folders);

    static Layout macos(const Path& home);
    static Layout freedesktop(const Path& home, const Environment& env);
    // The platform's default layout for `home` (freedesktop on Linux).
    static Layout platformDefault(const Path& home, const Environment& env);
    // The current user's home (HOME, else the password database) in the platform's layout.
    static Layout currentUser();
};

// Parses a user-dirs.dirs text: XDG_<NAME>_DIR="$HOME/..." or an absolute path. Returns the
// resolved folder for each name that is set (keys like "DOWNLOAD", "VIDEOS").
std::map<std::string, Path> parseUserDirs(std::string_view text, const Path& home);

}  // namespace tornivo
