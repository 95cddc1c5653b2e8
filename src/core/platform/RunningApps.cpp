#include "platform/RunningApps.h"

#include <fcntl.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <memory>
#include <set>
#include <tuple>

#include "platform/Descriptor.h"
#include "platform/DesktopEntries.h"
#include "platform/DirectoryReader.h"
#include "platform/Layout.h"
#include "platform/PathText.h"

namespace tornivo {

namespace {

// --- reading /proc ---

// At most `limit` bytes of a file in `dir`; nothing when it cannot be opened or read (the process
// may have gone away meanwhile).
std::optional<std::string> readFile(int dir, const char* name, std::size_t limit) {
    UniqueFd fd(::openat(dir, name, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
    if (!fd) return std::nullopt;
    std::string out;
    std::array<char, 4096> chunk;
    while (out.size() < limit) {
        const ssize_t n = retryOnInterrupt([&] {
            return ::read(fd.get(), chunk.data(), std::min(chunk.size(), limit - out.size()));
        });
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        out.append(chunk.data(), static_cast<std::size_t>(n));
    }
    return out;
}

std::optional<std::string> readLink(int dir, const char* name) {
    std::string buffer(PATH_MAX, '\0');
    ssize_t n = ::readlinkat(dir, name, buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return std::nullopt;
    buffer.resize(static_cast<std::size_t>(n));
    return buffer;
}

std::optional<pid_t> parsePid(std::string_view name) {
    if (name.empty() || name.size() > 10) return std::nullopt;
    long value = 0;
    auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), value);
    if (ec != std::errc() || end != name.data() + name.size() || value <= 0 || value > INT_MAX)
        return std::nullopt;
    return static_cast<pid_t>(value);
}

// The real user ID from a status text ("Uid:\t<real>\t<effective>\t<saved>\t<fs>").
std::optional<uid_t> realUid(std::string_view status) {
    std::size_t at = 0;
    while (at < status.size()) {
        std::size_t end = status.find('\n', at);
        std::string_view line = status.substr(at, end == std::string_view::npos ? end : end - at);
        if (line.starts_with("Uid:")) {
            line.remove_prefix(4);
            std::size_t digits = line.find_first_not_of(" \t");
            if (digits == std::string_view::npos) return std::nullopt;
            line.remove_prefix(digits);
            unsigned long value = 0;
            auto [stop, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
            if (ec != std::errc() || stop == line.data() || value > UINT_MAX) return std::nullopt;
            if (stop != line.data() + line.size() && *stop != ' ' && *stop != '\t')
                return std::nullopt;
            return static_cast<uid_t>(value);
        }
        if (end == std::string_view::npos) break;
        at = end + 1;
    }
    return std::nullopt;
}

std::string_view baseName(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// A name that can be a desktop-file ID or a program name: text without a slash or a control
// character.
bool plausibleName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || !isValidUtf8(name)) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return c == '/' || byte < 0x20 || byte == 0x7f;
    });
}

bool isAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// --- systemd unit names ---

// Undoes systemd's unit-name escaping (\xNN). Nothing for a stray backslash.
std::optional<std::string> unescapeUnit(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out.push_back(text[i]);
            continue;
        }
        if (text.size() - i < 4 || text[i + 1] != 'x') return std::nullopt;
        unsigned value = 0;
        auto [end, ec] = std::from_chars(text.data() + i + 2, text.data() + i + 4, value, 16);
        if (ec != std::errc() || end != text.data() + i + 4) return std::nullopt;
        out.push_back(static_cast<char>(value));
        i += 3;
    }
    return out;
}

// The convention for application units:
//   app[-<launcher>]-<ApplicationID>-<RANDOM>.scope
//   app[-<launcher>]-<ApplicationID>[@<RANDOM>].service
// The launcher never holds a dash and the ID has its dashes escaped, so a dash left once the
// random part is gone separates the launcher from the ID. The random part of a scope is letters
// and digits (a process ID, a hexadecimal string): anything else means a malformed name.
std::optional<AppIdentifier> applicationUnit(std::string_view unit) {
    std::string_view body = unit.substr(4);  // after "app-"
    if (body.ends_with(".scope")) {
        body.remove_suffix(6);
        std::size_t dash = body.rfind('-');
        if (dash == std::string_view::npos) return std::nullopt;
        std::string_view random = body.substr(dash + 1);
        if (random.empty() || !std::all_of(random.begin(), random.end(), isAsciiAlnum))
            return std::nullopt;
        body = body.substr(0, dash);
    } else if (body.ends_with(".service")) {
        body.remove_suffix(8);
        body = body.substr(0, body.find('@'));
    } else {
        return std::nullopt;
    }
    if (std::size_t dash = body.find('-'); dash != std::string_view::npos) {
        if (dash == 0) return std::nullopt;  // an empty launcher
        body.remove_prefix(dash + 1);
    }
    auto id = unescapeUnit(body);
    if (!id || !plausibleName(*id)) return std::nullopt;
    return AppIdentifier{*id, IdentifierKind::desktopEntry, *id};
}

bool isSnapName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    });
}

bool isUuid(std::string_view text) {
    if (text.size() != 36) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool dashPlace = i == 8 || i == 13 || i == 18 || i == 23;
        if (dashPlace != (text[i] == '-')) return false;
        if (!dashPlace && !std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

// snap.<instance>.<app>-<uuid>.scope (an app run through snap), snap.<instance>.<app>.service
// (a snap's daemon) and snap.<instance>.hook.<hook>-<uuid>.scope. The snap's instance name is
// what its folders are named after (~/snap/<instance>); the desktop entry of an app is
// <instance>_<app>.desktop.
std::optional<AppIdentifier> snapUnit(std::string_view unit) {
    std::string_view body = unit.substr(5);  // after "snap."
    bool scope = body.ends_with(".scope");
    if (scope)
        body.remove_suffix(6);
    else if (body.ends_with(".service"))
        body.remove_suffix(8);
    else
        return std::nullopt;
    std::size_t dot = body.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string_view name = body.substr(0, dot), app = body.substr(dot + 1);
    if (!isSnapName(name) || app.empty()) return std::nullopt;
    if (scope) {
        if (app.size() > 37 && (app[app.size() - 37] == '-' || app[app.size() - 37] == '.') &&
            isUuid(app.substr(app.size() - 36)))
            app.remove_suffix(37);
        else if (std::size_t dash = app.rfind('-'); dash != std::string_view::npos)
            app = app.substr(0, dash);
    }
    std::string desktopId;
    if (isSnapName(app) && !app.empty()) desktopId = std::string(name) + "_" + std::string(app);
    return AppIdentifier{std::string(name), IdentifierKind::desktopEntry, desktopId};
}

// dbus-<unique name>-<bus name>@<n>.service: a D-Bus activated service started by dbus-broker.
// A D-Bus activatable application's bus name is its desktop-file ID.
std::optional<AppIdentifier> dbusUnit(std::string_view unit) {
    std::string_view body = unit.substr(5);  // after "dbus-"
    if (!body.ends_with(".service")) return std::nullopt;
    body.remove_suffix(8);
    std::size_t dash = body.find('-');
    std::size_t at = body.rfind('@');
    if (dash == std::string_view::npos || at == std::string_view::npos || at < dash)
        return std::nullopt;
    std::string_view busName = body.substr(dash + 1, at - dash - 1);
    bool valid = busName.find('.') != std::string_view::npos && busName.front() != '.' &&
                 std::all_of(busName.begin(), busName.end(), [](char c) {
                     return isAsciiAlnum(c) || c == '.' || c == '_' || c == '-';
                 });
    if (!valid) return std::nullopt;
    return AppIdentifier{std::string(busName), IdentifierKind::desktopEntry, std::string(busName)};
}

// The application of the innermost unit of a cgroup path that names one.
std::optional<AppIdentifier> cgroupApplication(std::string_view cgroupPath) {
    while (!cgroupPath.empty()) {
        std::size_t slash = cgroupPath.rfind('/');
        std::string_view unit =
            slash == std::string_view::npos ? cgroupPath : cgroupPath.substr(slash + 1);
        if (auto app = RunningApps::unitApplication(unit)) return app;
        if (slash == std::string_view::npos) break;
        cgroupPath = cgroupPath.substr(0, slash);
    }
    return std::nullopt;
}

// Lines "hierarchy-ID:controllers:path"; the path may itself hold colons.
std::optional<AppIdentifier> cgroupFileApplication(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        std::string_view line = text.substr(at, end == std::string_view::npos ? end : end - at);
        std::size_t first = line.find(':');
        std::size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
        if (second != std::string_view::npos && line.size() > second + 1 &&
            line[second + 1] == '/') {
            if (auto app = cgroupApplication(line.substr(second + 1))) return app;
        }
        if (end == std::string_view::npos) break;
        at = end + 1;
    }
    return std::nullopt;
}

// FLATPAK_ID and SNAP_INSTANCE_NAME (else SNAP_NAME) from an environ text.
std::vector<AppIdentifier> environmentApplications(std::string_view environ) {
    std::optional<std::string_view> flatpak, snapInstance, snapName;
    std::size_t at = 0;
    while (at < environ.size()) {
        std::size_t end = environ.find('\0', at);
        std::string_view entry = environ.substr(at, end == std::string_view::npos ? end : end - at);
        if (entry.starts_with("FLATPAK_ID="))
            flatpak = entry.substr(11);
        else if (entry.starts_with("SNAP_INSTANCE_NAME="))
            snapInstance = entry.substr(19);
        else if (entry.starts_with("SNAP_NAME="))
            snapName = entry.substr(10);
        if (end == std::string_view::npos) break;
        at = end + 1;
    }
    std::vector<AppIdentifier> out;
    if (flatpak && plausibleName(*flatpak))
        out.push_back({std::string(*flatpak), IdentifierKind::desktopEntry, std::string(*flatpak)});
    std::optional<std::string_view> snap = snapInstance ? snapInstance : snapName;
    if (snap && isSnapName(*snap)) {
        // The environment does not say which of the snap's apps this is; the app named like the
        // snap is the one a plain "snap run <name>" starts.
        std::string name(*snap), app(snap->substr(0, snap->find('_')));
        out.push_back({name, IdentifierKind::desktopEntry, name + "_" + app});
    }
    return out;
}

std::optional<std::string> executableName(int pidDir) {
    if (auto target = readLink(pidDir, "exe")) {
        std::string_view path(*target);
        if (path.ends_with(" (deleted)")) path.remove_suffix(10);
        // Kept byte for byte: a program name need not be text.
        std::string_view name = baseName(path);
        if (!name.empty() && name != "." && name != "..") return std::string(name);
    }
    if (auto comm = readFile(pidDir, "comm", 64)) {
        std::string_view name(*comm);
        if (name.ends_with('\n')) name.remove_suffix(1);
        if (!name.empty() && name.find('/') == std::string_view::npos &&
            name.find('\0') == std::string_view::npos)
            return std::string(name);
    }
    return std::nullopt;
}

std::optional<RunningProcess> readProcess(int procDir, const char* entry, pid_t pid, uid_t uid) {
    UniqueFd dir(::openat(procDir, entry, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
    if (!dir) return std::nullopt;
    auto status = readFile(dir.get(), "status", 64 * 1024);
    if (!status || realUid(*status) != uid) return std::nullopt;
    // Kernel threads and zombies have an empty command line.
    auto cmdline = readFile(dir.get(), "cmdline", 1);
    if (!cmdline || cmdline->empty()) return std::nullopt;

    RunningProcess process{pid, {}};
    auto add = [&](AppIdentifier id) {
        if (std::find(process.identifiers.begin(), process.identifiers.end(), id) ==
            process.identifiers.end())
            process.identifiers.push_back(std::move(id));
    };
    if (auto exe = executableName(dir.get()))
        add({*exe, IdentifierKind::executable, std::string()});
    if (auto environ = readFile(dir.get(), "environ", 1024 * 1024))
        for (auto& id : environmentApplications(*environ)) add(std::move(id));
    if (auto cgroup = readFile(dir.get(), "cgroup", 64 * 1024))
        if (auto id = cgroupFileApplication(*cgroup)) add(std::move(*id));
    return process;
}

// --- desktop entries ---

std::optional<std::string> entryName(GDesktopAppInfo* info) {
    const char* name = g_app_info_get_name(G_APP_INFO(info));
    if (!name || !*name) return std::nullopt;
    return std::string(name);
}

// The installed desktop entries by desktop-file ID, and which of them launch which executables,
// read once per lookup and only when a name is first asked for.
class EntryIndex {
  public:
    explicit EntryIndex(std::vector<Path> folders) : folders_(std::move(folders)) {}

    std::optional<std::string> nameOfDesktopId(const std::string& desktopId) {
        if (!plausibleName(desktopId)) return std::nullopt;
        if (!built_) build();
        auto it = byId_.find(desktopId + ".desktop");
        if (it == byId_.end()) return std::nullopt;
        return it->second;
    }

    std::optional<std::string> findExecutable(const std::string& executable) {
        if (!built_) build();
        if (auto name = unique(byExec_, executable)) return name;
        return unique(byWindowClass_, RunningApps::lowerCased(executable));
    }

  private:
    struct Candidates {
        std::set<std::string> shown, hidden;
    };

    // The one name among the entries shown in menus, else among all of them.
    static std::optional<std::string> unique(const std::map<std::string, Candidates>& index,
                                             const std::string& key) {
        auto it = index.find(key);
        if (it == index.end()) return std::nullopt;
        const auto& c = it->second;
        if (c.shown.size() == 1) return *c.shown.begin();
        if (c.shown.empty() && c.hidden.size() == 1) return *c.hidden.begin();
        return std::nullopt;
    }

    void build() {
        built_ = true;
        // Launch wrappers say nothing about the program they start.
        static const std::set<std::string_view> kWrappers{"env", "sh", "bash", "dash", "flatpak"};
        for (const auto& entry : desktopEntries(folders_)) {
            GDesktopAppInfo* info = entry.info.get();
            auto name = entryName(info);
            if (!name) continue;
            byId_.emplace(entry.id, *name);
            bool shown = g_app_info_should_show(G_APP_INFO(info));
            auto note = [&](std::map<std::string, Candidates>& index, std::string key) {
                if (key.empty()) return;
                auto& c = index[std::move(key)];
                (shown ? c.shown : c.hidden).insert(*name);
            };
            std::set<std::string> programs;
            if (const char* exec = g_app_info_get_executable(G_APP_INFO(info)))
                programs.emplace(baseName(exec));
            if (char* tryExec = g_desktop_app_info_get_string(info, "TryExec")) {
                programs.emplace(baseName(tryExec));
                g_free(tryExec);
            }
            for (const auto& program : programs)
                if (!kWrappers.contains(program)) note(byExec_, program);
            if (const char* wmClass = g_desktop_app_info_get_startup_wm_class(info))
                note(byWindowClass_, RunningApps::lowerCased(wmClass));
        }
    }

    std::vector<Path> folders_;
    bool built_ = false;
    std::map<std::string, std::string> byId_;
    std::map<std::string, Candidates> byExec_, byWindowClass_;
};

}  // namespace

std::optional<AppIdentifier> RunningApps::unitApplication(std::string_view unit) {
    if (unit.starts_with("app-")) return applicationUnit(unit);
    if (unit.starts_with("snap.")) return snapUnit(unit);
    if (unit.starts_with("dbus-")) return dbusUnit(unit);
    return std::nullopt;
}

std::string RunningApps::lowerCased(std::string_view text) {
    if (!isValidUtf8(text)) return std::string(text);
    std::string out;
    icu::StringByteSink<std::string> sink(&out, static_cast<int32_t>(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    // "" is the root locale; a null locale would mean the process's default (Turkish "I" -> "ı").
    icu::CaseMap::utf8ToLower("", 0,
                              icu::StringPiece(text.data(), static_cast<int32_t>(text.size())),
                              sink, nullptr, status);
    return U_SUCCESS(status) ? out : std::string(text);
}

std::vector<RunningProcess> RunningApps::processes(const Path& procRoot, uid_t uid) {
    std::vector<RunningProcess> out;
    UniqueFd proc(::open(procRoot.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!proc) return out;
    std::vector<std::pair<pid_t, std::string>> pids;
    DirectoryReader reader;
    reader.reset(proc.get());
    DirectoryReader::Entry entry;
    while (reader.next(entry))
        if (auto pid = parsePid({entry.name, entry.length})) pids.emplace_back(*pid, entry.name);
    std::sort(pids.begin(), pids.end());
    for (const auto& [pid, name] : pids)
        if (auto process = readProcess(proc.get(), name.c_str(), pid, uid))
            out.push_back(std::move(*process));
    return out;
}

RunningApps::Map RunningApps::current(const Path& procRoot, uid_t uid, const NameLookup& names) {
    Map map;
    // Many processes share an identifier (a browser's content processes); ask once for each.
    std::map<std::tuple<IdentifierKind, std::string, std::string>, std::optional<std::string>>
        asked;
    for (const auto& process : processes(procRoot, uid)) {
        for (const auto& identifier : process.identifiers) {
            std::string key = lowerCased(identifier.id);
            if (key.empty()) continue;
            auto question = std::make_tuple(identifier.kind, identifier.id, identifier.desktopId);
            auto it = asked.find(question);
            if (it == asked.end())
                it = asked.emplace(question, names ? names(identifier) : std::nullopt).first;
            const auto& name = it->second;
            map[key] = name && !name->empty() ? *name : key;
        }
    }
    return map;
}

RunningApps::Map RunningApps::current() {
    return current("/proc", ::getuid(),
                   desktopEntryNames(Layout::currentUser().applicationFolders));
}

RunningApps::NameLookup RunningApps::desktopEntryNames(std::vector<Path> folders) {
    auto index = std::make_shared<EntryIndex>(std::move(folders));
    return [index](const AppIdentifier& identifier) -> std::optional<std::string> {
        if (identifier.kind == IdentifierKind::desktopEntry)
            return identifier.desktopId.empty() ? std::nullopt
                                                : index->nameOfDesktopId(identifier.desktopId);
        if (auto name = index->nameOfDesktopId(identifier.id)) return name;
        return index->findExecutable(identifier.id);
    };
}

}  // namespace tornivo
