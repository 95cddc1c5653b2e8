#include "platform/Layout.h"

#include <pwd.h>
#include <unistd.h>

#include <sstream>

#include "platform/RegularFile.h"

extern char** environ;

namespace tornivo {

Environment processEnvironment() {
    Environment env;
    for (char** e = environ; e && *e; ++e) {
        std::string_view entry(*e);
        auto eq = entry.find('=');
        if (eq == std::string_view::npos) continue;
        env.emplace(std::string(entry.substr(0, eq)), std::string(entry.substr(eq + 1)));
    }
    return env;
}

namespace {

std::optional<std::string> lookup(const Environment& env, const std::string& key) {
    auto it = env.find(key);
    if (it == env.end() || it->second.empty()) return std::nullopt;
    return it->second;
}

// An XDG base directory: the variable when it holds an absolute path, else the default.
// Under the XDG base directory rules a relative value is invalid and must be ignored.
Path xdgBase(const Environment& env, const std::string& key, const Path& fallback) {
    auto value = lookup(env, key);
    if (value && !value->empty() && (*value)[0] == '/') return Path(*value);
    return fallback;
}

std::vector<Path> xdgList(const Environment& env, const std::string& key,
                          const std::vector<Path>& fallback) {
    auto value = lookup(env, key);
    if (!value) return fallback;
    std::vector<Path> out;
    std::string_view rest(*value);
    while (!rest.empty()) {
        auto colon = rest.find(':');
        auto item = rest.substr(0, colon);
        if (!item.empty() && item[0] == '/') out.emplace_back(std::string(item));
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return out.empty() ? fallback : out;
}

// user-dirs.dirs is a few lines; a FIFO or a device in its place is never read.
std::string readSmallFile(const Path& file) {
    return readRegularFile(file, 64 * 1024).text;
}

// Lexically the same folder, ignoring a trailing slash.
bool sameFolder(const Path& a, const Path& b) {
    auto norm = [](const Path& p) {
        std::string s = p.lexically_normal().native();
        while (s.size() > 1 && s.back() == '/') s.pop_back();
        return s;
    };
    return norm(a) == norm(b);
}

void appendUnique(std::vector<Path>& list, const Path& p) {
    for (const auto& q : list)
        if (sameFolder(p, q)) return;
    list.push_back(p);
}

}  // namespace

std::map<std::string, Path> parseUserDirs(std::string_view text, const Path& home) {
    std::map<std::string, Path> dirs;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        std::string_view l(line);
        while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
        if (l.empty() || l.front() == '#') continue;
        if (!l.starts_with("XDG_")) continue;
        auto eq = l.find('=');
        if (eq == std::string_view::npos) continue;
        auto key = l.substr(0, eq);
        if (!key.ends_with("_DIR") || key.size() <= 8) continue;
        std::string name(key.substr(4, key.size() - 8));
        auto value = l.substr(eq + 1);
        if (value.size() < 2 || value.front() != '"') continue;
        value.remove_prefix(1);
        // The value runs to the closing quote; a backslash escapes the next character.
        std::string raw;
        bool closed = false;
        for (std::size_t i = 0; i < value.size(); ++i) {
            char c = value[i];
            if (c == '\\' && i + 1 < value.size()) {
                raw.push_back(value[++i]);
            } else if (c == '"') {
                closed = true;
                break;
            } else {
                raw.push_back(c);
            }
        }
        if (!closed) continue;
        Path resolved;
        if (raw == "$HOME" || raw.starts_with("$HOME/")) {
            std::string rest = raw.substr(5);
            while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
            resolved = rest.empty() ? home : home / rest;
        } else if (!raw.empty() && raw.front() == '/') {
            resolved = Path(raw);
        } else {
            continue;  // neither $HOME-relative nor absolute: not allowed by the format
        }
        dirs[name] = resolved;
    }
    return dirs;
}

std::vector<Path> Layout::present(std::initializer_list<std::optional<Path>> folders) {
    std::vector<Path> out;
    for (const auto& f : folders)
        if (f) out.push_back(*f);
    return out;
}

Layout Layout::macos(const Path& home) {
    Layout l;
    l.kind = LayoutKind::macos;
    l.home = home;
    const Path library = home / "Library";
    l.configHome = library / "Preferences";
    l.cacheHome = library / "Caches";
    l.dataHome = library / "Application Support";
    l.stateHome = library / "Saved Application State";
    l.junkRoots = {{CleanCategory::appCache, library / "Caches"},
                   {CleanCategory::systemLogs, library / "Logs"}};
    l.downloads = home / "Downloads";
    l.documents = home / "Documents";
    l.desktop = home / "Desktop";
    l.pictures = home / "Pictures";
    l.movies = home / "Movies";
    l.music = home / "Music";
    l.trash = home / ".Trash";
    l.trashFiles = l.trash;
    l.applicationFolders = {"/Applications", home / "Applications"};
    l.installerExtensions = {"dmg", "pkg", "iso"};
    l.buildOutputFolders = {library / "Developer/Xcode/DerivedData"};
    for (const char* rel :
         {"Application Support", "Caches", "Preferences", "Preferences/ByHost", "Containers",
          "Group Containers", "Logs", "Saved Application State", "WebKit", "HTTPStorages",
          "Cookies", "LaunchAgents", "Application Scripts"})
        l.leftoverUserFolders.push_back(library / rel);
    l.leftoverSystemFolders = {"/Library/Application Support", "/Library/Caches",
                               "/Library/Preferences",         "/Library/LaunchAgents",
                               "/Library/LaunchDaemons",       "/Library/Logs"};
    l.leftoverNameFolders = {library / "Application Support", library / "Caches", library / "Logs"};
    l.settingsFile = library / "Preferences/tornivo/settings.json";
    return l;
}

Layout Layout::freedesktop(const Path& home, const Environment& env) {
    Layout l;
    l.kind = LayoutKind::freedesktop;
    l.home = home;
    l.configHome = xdgBase(env, "XDG_CONFIG_HOME", home / ".config");
    l.cacheHome = xdgBase(env, "XDG_CACHE_HOME", home / ".cache");
    l.dataHome = xdgBase(env, "XDG_DATA_HOME", home / ".local/share");
    l.stateHome = xdgBase(env, "XDG_STATE_HOME", home / ".local/state");
    l.junkRoots = {{CleanCategory::appCache, l.cacheHome},
                   {CleanCategory::systemLogs, l.dataHome / "xorg"}};
    l.sandboxApps = home / ".var/app";

    // Personal folders: user-dirs.dirs, else the names xdg-user-dirs creates by default.
    auto userDirs = parseUserDirs(readSmallFile(l.configHome / "user-dirs.dirs"), home);
    auto personal = [&](const char* key, const char* fallback) -> std::optional<Path> {
        auto it = userDirs.find(key);
        Path folder = it != userDirs.end() ? it->second : home / fallback;
        if (sameFolder(folder, home)) return std::nullopt;  // disabled: points at the home
        return folder;
    };
    l.downloads = personal("DOWNLOAD", "Downloads");
    l.documents = personal("DOCUMENTS", "Documents");
    l.desktop = personal("DESKTOP", "Desktop");
    l.pictures = personal("PICTURES", "Pictures");
    l.movies = personal("VIDEOS", "Videos");
    l.music = personal("MUSIC", "Music");

    l.trash = l.dataHome / "Trash";
    l.trashFiles = l.trash / "files";
    l.trashInfo = l.trash / "info";

    // Desktop entries: the user's data folder first, then each system data folder; the
    // Flatpak export folders count even when the session did not add them to XDG_DATA_DIRS.
    std::vector<Path> dataDirs = xdgList(env, "XDG_DATA_DIRS", {"/usr/local/share", "/usr/share"});
    appendUnique(l.applicationFolders, l.dataHome / "applications");
    appendUnique(l.applicationFolders, l.dataHome / "flatpak/exports/share/applications");
    appendUnique(l.applicationFolders, "/var/lib/flatpak/exports/share/applications");
    for (const auto& d : dataDirs) appendUnique(l.applicationFolders, d / "applications");
    l.installerExtensions = {"deb", "rpm", "iso", "flatpakref", "snap"};

    l.buildOutputFolders = {home};
    l.findsProjectsByWalking = true;

    l.leftoverUserFolders = {l.configHome,
                             l.cacheHome,
                             l.dataHome,
                             l.stateHome,
                             home / ".var/app",
                             l.configHome / "autostart",
                             l.configHome / "systemd/user",
                             l.dataHome / "applications"};
    l.leftoverSystemFolders = {"/etc/xdg/autostart", "/var/cache", "/var/log"};
    l.leftoverNameFolders = {l.configHome, l.cacheHome, l.dataHome};
    l.thumbnailCache = l.cacheHome / "thumbnails";
    l.settingsFile = l.configHome / "tornivo/settings.json";
    return l;
}

Layout Layout::platformDefault(const Path& home, const Environment& env) {
#ifdef __APPLE__
    (void)env;
    return macos(home);
#else
    return freedesktop(home, env);
#endif
}

Layout Layout::currentUser() {
    Environment env = processEnvironment();
    Path home;
    if (auto h = lookup(env, "HOME"); h && (*h)[0] == '/') {
        home = *h;
    } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
        home = pw->pw_dir;
    } else {
        home = "/";
    }
    return platformDefault(home, env);
}

}  // namespace tornivo
