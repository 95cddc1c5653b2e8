#include "engines/UninstallerEngine.h"

#include <fcntl.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <plist/plist.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <memory>
#include <set>

#include "platform/DesktopEntries.h"
#include "platform/DirectoryReader.h"
#include "platform/FileStatus.h"
#include "platform/FileSystemHelper.h"
#include "platform/PathText.h"
#include "platform/RegularFile.h"
#include "platform/Trash.h"

namespace tornivo {

UninstallerEngine::UninstallerEngine(Layout layout) : layout_(std::move(layout)) {}

namespace {

// --- paths ---

bool hasParentStep(const Path& path) {
    return std::any_of(path.begin(), path.end(), [](const Path& part) { return part == ".."; });
}

// The path without "." steps or doubled and trailing slashes.
Path normal(const Path& path) {
    Path p = path.lexically_normal();
    if (p.has_filename() || p == p.root_path()) return p;
    return p.parent_path();  // "a/b/" -> "a/b"
}

// Whether `path` lies strictly below `folder`, by their components.
bool isBelow(const Path& path, const Path& folder) {
    if (hasParentStep(path) || hasParentStep(folder)) return false;
    const Path p = normal(path), f = normal(folder);
    auto pi = p.begin();
    for (auto fi = f.begin(); fi != f.end(); ++fi, ++pi)
        if (pi == p.end() || *pi != *fi) return false;
    return pi != p.end();
}

bool isSame(const Path& a, const Path& b) {
    return normal(a) == normal(b);
}

// A name's extension is what follows its last full stop, unless that stop starts or ends it.
std::string_view stemOf(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) return name;
    return name.substr(0, dot);
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Lower case for matching: Unicode rules for text, ASCII letters alone in a name that is not
// valid UTF-8 (its other bytes stay as they are).
std::string lowerName(std::string_view name) {
    return isValidUtf8(name) ? RunningApps::lowerCased(name) : asciiLower(name);
}

// The names inside a folder (the folder itself may be a link), hidden ones included, in listing
// order. Nothing when it cannot be read.
std::vector<std::string> childNames(const Path& folder) {
    std::vector<std::string> names;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return names;
    DirectoryReader reader;
    reader.reset(fd);
    DirectoryReader::Entry e;
    while (reader.next(e)) names.emplace_back(e.name, e.length);
    ::close(fd);
    return names;
}

// --- GIO ---

std::optional<std::string> entryString(GDesktopAppInfo* info, const char* key) {
    char* value = g_desktop_app_info_get_string(info, key);
    if (!value) return std::nullopt;
    std::string out(value);
    g_free(value);
    return out;
}

// The program an entry's Exec line starts, as a path: "env" and its assignments are looked past,
// a bare name is looked up in PATH.
std::optional<Path> launchedProgram(GDesktopAppInfo* info) {
    auto exec = entryString(info, "Exec");
    if (!exec) return std::nullopt;
    gchar** argv = nullptr;
    if (!g_shell_parse_argv(exec->c_str(), nullptr, &argv, nullptr)) return std::nullopt;
    std::optional<Path> program;
    std::size_t i = 0;
    if (argv[0] && Path(argv[0]).filename() == "env") {
        for (i = 1; argv[i]; ++i) {
            std::string_view word(argv[i]);
            if (!word.starts_with('-') && word.find('=') == std::string_view::npos) break;
        }
    }
    if (argv[i]) {
        std::string_view word(argv[i]);
        if (word.find('/') != std::string_view::npos) {
            program = Path(std::string(word));
        } else if (gchar* found = g_find_program_in_path(argv[i])) {
            program = Path(found);
            g_free(found);
        }
    }
    g_strfreev(argv);
    if (program && !program->is_absolute()) return std::nullopt;
    return program;
}

// An ELF file carrying the AppImage magic ("AI" and the format's type) at offset 8. Only a
// regular file counts; a link is never read through, and the open never blocks.
bool hasAppImageMagic(const Path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    auto st = statDescriptor(fd);
    std::array<unsigned char, 11> head{};
    const ssize_t n = st && st->isRegular() ? ::pread(fd, head.data(), head.size(), 0) : -1;
    ::close(fd);
    return n == static_cast<ssize_t>(head.size()) && head[0] == 0x7f && head[1] == 'E' &&
           head[2] == 'L' && head[3] == 'F' && head[8] == 'A' && head[9] == 'I' &&
           (head[10] == 1 || head[10] == 2);
}

// An AppImage that an entry launches: named so, or carrying the magic. Only a regular file
// counts.
bool isAppImage(const Path& file) {
    auto st = statEntry(AT_FDCWD, file.c_str());
    if (!st || !st->isRegular()) return false;
    return asciiLower(file.filename().native()).ends_with(".appimage") || hasAppImageMagic(file);
}

// --- Flatpak ---

// A Flatpak application ID as flatpak accepts it: dotted elements of letters, digits, "_" and
// "-", at least two of them, none empty, not starting with a digit or "-" (so it can never be
// taken for an option).
bool isFlatpakID(std::string_view id) {
    if (id.empty() || id.size() > 255) return false;
    int elements = 0;
    std::size_t start = 0;
    while (start <= id.size()) {
        const auto dot = id.find('.', start);
        const auto element = id.substr(start, dot == std::string_view::npos ? dot : dot - start);
        if (element.empty()) return false;
        const char first = element.front();
        if ((first >= '0' && first <= '9') || first == '-') return false;
        for (char c : element)
            if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '_' || c == '-'))
                return false;
        ++elements;
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    return elements >= 2;
}

// A Flatpak installation: its root (holding app/ and exports/) and whether it is the user's.
struct FlatpakInstallation {
    Path root;
    bool user = false;
};

// The installations the layout knows: the user's, then the one of each exports folder among the
// application folders.
std::vector<FlatpakInstallation> flatpakInstallations(const Layout& layout) {
    const Path userRoot = layout.dataHome / "flatpak";
    std::vector<FlatpakInstallation> out{{userRoot, true}};
    for (const auto& folder : layout.applicationFolders) {
        const Path f = normal(folder);
        // <root>/exports/share/applications
        if (f.filename() != "applications" || f.parent_path().filename() != "share" ||
            f.parent_path().parent_path().filename() != "exports")
            continue;
        const Path root = f.parent_path().parent_path().parent_path();
        if (std::none_of(out.begin(), out.end(),
                         [&](const FlatpakInstallation& i) { return isSame(i.root, root); }))
            out.push_back({root, false});
    }
    return out;
}

// --- macOS bundles ---

// An Info.plist is a few kilobytes; anything past this is not one.
constexpr off_t kMaxInfoPlistSize = 1 << 20;

// CFBundleIdentifier of the bundle's top dictionary, from an Info.plist in XML or binary form.
std::optional<std::string> bundleIdentifier(const Path& bundle) {
    const FileRead read = readRegularFile(bundle / "Contents/Info.plist", kMaxInfoPlistSize);
    if (!read.ok()) return std::nullopt;
    plist_t parsed = nullptr;
    plist_from_memory(read.text.data(), static_cast<uint32_t>(read.text.size()), &parsed);
    const std::unique_ptr<void, decltype(&plist_free)> root(parsed, &plist_free);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;
    const plist_t node = plist_dict_get_item(root.get(), "CFBundleIdentifier");
    if (!node || plist_get_node_type(node) != PLIST_STRING) return std::nullopt;
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    if (!text || length == 0) return std::nullopt;
    return std::string(text, static_cast<std::size_t>(length));
}

// --- sorting ---

// Sorts by name, case-insensitively in the collation of the process's locale; stable.
void sortByName(std::vector<InstalledApp>& apps) {
    // The C locale (en_US_POSIX to ICU) orders by code point, upper case first: use the root
    // collation there instead.
    icu::Locale locale = icu::Locale::getDefault();
    if (std::string_view(locale.getVariant()) == "POSIX") locale = icu::Locale::getRoot();
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_SUCCESS(status) && collator) {
        collator->setStrength(icu::Collator::SECONDARY);  // case does not count, accents do
        std::vector<std::pair<std::string, InstalledApp>> keyed;
        for (auto& app : apps)
            keyed.emplace_back(displayText(std::string_view(app.name)), std::move(app));
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
            UErrorCode s = U_ZERO_ERROR;
            return collator->compareUTF8(
                       icu::StringPiece(a.first.data(), static_cast<int32_t>(a.first.size())),
                       icu::StringPiece(b.first.data(), static_cast<int32_t>(b.first.size())),
                       s) == UCOL_LESS;
        });
        for (std::size_t i = 0; i < apps.size(); ++i) apps[i] = std::move(keyed[i].second);
        return;
    }
    std::stable_sort(apps.begin(), apps.end(), [](const InstalledApp& a, const InstalledApp& b) {
        return RunningApps::lowerCased(a.name) < RunningApps::lowerCased(b.name);
    });
}

}  // namespace

// --- public helpers ---

bool UninstallerEngine::longEnough(std::string_view text) {
    if (!isValidUtf8(text)) return text.size() >= 3;
    const auto codePoints = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return codePoints >= 3;
}

std::vector<pid_t> UninstallerEngine::instancesOf(std::string_view appID,
                                                  const std::vector<RunningProcess>& processes,
                                                  pid_t self) {
    std::vector<pid_t> pids;
    const std::string key = RunningApps::lowerCased(appID);
    if (key.empty()) return pids;
    for (const auto& process : processes) {
        if (process.pid == self) continue;
        if (std::any_of(
                process.identifiers.begin(), process.identifiers.end(),
                [&](const AppIdentifier& id) { return RunningApps::lowerCased(id.id) == key; }))
            pids.push_back(process.pid);
    }
    return pids;
}

LeftoverKind UninstallerEngine::classify(const Path& path, const Layout& layout) {
    if (layout.kind == LayoutKind::macos) {
        const std::string p = lowerName(path.native());
        auto has = [&](std::string_view part) { return p.find(part) != std::string::npos; };
        if (has("/launchagents") || has("/launchdaemons")) return LeftoverKind::launch;
        if (has("/application support/")) return LeftoverKind::support;
        if (has("/caches/")) return LeftoverKind::cache;
        if (has("/preferences/")) return LeftoverKind::preferences;
        if (has("/containers/") || has("/group containers/")) return LeftoverKind::container;
        if (has("/logs/")) return LeftoverKind::logs;
        if (has("/saved application state/")) return LeftoverKind::savedState;
        if (has("/webkit/") || has("/httpstorages/") || has("/cookies/")) return LeftoverKind::web;
        if (has("/application scripts/")) return LeftoverKind::scripts;
        return LeftoverKind::other;
    }

    auto below = [&](std::initializer_list<Path> folders) {
        return std::any_of(folders.begin(), folders.end(),
                           [&](const Path& f) { return isBelow(path, f); });
    };
    if (below({layout.configHome / "autostart", layout.configHome / "systemd/user",
               "/etc/xdg/autostart"}))
        return LeftoverKind::launch;
    if (below({layout.dataHome})) return LeftoverKind::support;
    if (below({layout.cacheHome, "/var/cache"})) return LeftoverKind::cache;
    if (below({layout.configHome})) return LeftoverKind::preferences;
    if (below({layout.home / ".var/app"})) return LeftoverKind::container;
    // Inside a folder named log or logs; in the home only its own folders count (the home may
    // itself sit in a folder named so).
    if (!hasParentStep(path)) {
        const Path parent = normal(path).parent_path();
        const Path inside =
            isBelow(parent, layout.home) ? parent.lexically_relative(normal(layout.home)) : parent;
        for (const auto& part : inside) {
            const std::string name = asciiLower(part.native());
            if (name == "log" || name == "logs") return LeftoverKind::logs;
        }
    }
    if (below({layout.stateHome})) return LeftoverKind::savedState;
    return LeftoverKind::other;
}

std::optional<ProcessInvocation> UninstallerEngine::removalCommand(const UninstallTarget& target) {
    if (!isFlatpakID(target.flatpakID)) return std::nullopt;
    switch (target.removal) {
        case AppRemoval::flatpakUser:
            return ProcessInvocation{"flatpak",
                                     {"uninstall", "--noninteractive", "--user", target.flatpakID}};
        case AppRemoval::flatpakSystem:
            return ProcessInvocation{
                "pkexec",
                {"flatpak", "uninstall", "--noninteractive", "--system", target.flatpakID}};
        case AppRemoval::trash:
        case AppRemoval::systemManaged:
            break;
    }
    return std::nullopt;
}

// --- listing ---

std::vector<InstalledApp> UninstallerEngine::installedApps() const {
    std::vector<InstalledApp> apps = installedApplications(layout_);
    sortByName(apps);
    return apps;
}

// --- inspection ---

namespace {

// What the application is and how it goes, before its leftovers are looked for.
struct AppFacts {
    std::string name;
    std::optional<std::string> identifier;
    AppRemoval removal = AppRemoval::trash;
    std::vector<Path> ownFiles;  // go to the Trash with the application
    std::string flatpakID;
    std::optional<Path> flatpakDeploy;  // the installation's folder of the application
};

std::string withoutExtension(const Path& file) {
    const std::string name = file.filename().native();
    const auto dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

AppFacts bundleFacts(const Path& appURL) {
    AppFacts facts;
    facts.name = withoutExtension(normal(appURL));  // "Editor.app/" is Editor too
    facts.identifier = bundleIdentifier(appURL);
    facts.ownFiles = {appURL};
    return facts;
}

// The desktop-file ID of an entry: its path below the first application folder that holds it,
// "/" turned into "-", without ".desktop"; an entry elsewhere goes by its file name.
std::string desktopFileID(const Path& entry, const std::vector<Path>& folders) {
    std::string id = entry.filename().native();
    for (const auto& folder : folders) {
        if (!isBelow(entry, folder)) continue;
        id = normal(entry).lexically_relative(normal(folder)).native();
        std::replace(id.begin(), id.end(), '/', '-');
        break;
    }
    if (id.ends_with(".desktop")) id.resize(id.size() - 8);
    return id;
}

AppFacts entryFacts(const Path& appURL, const Layout& layout) {
    AppFacts facts;
    facts.name = withoutExtension(appURL);
    facts.removal = AppRemoval::systemManaged;

    auto st = statEntry(AT_FDCWD, appURL.c_str());
    const bool isEntryFile = st && (st->isRegular() || st->isSymlink()) &&
                             appURL.filename().native().ends_with(".desktop") &&
                             !hasParentStep(appURL);
    const bool userOwned = isEntryFile && isBelow(appURL, layout.dataHome / "applications");

    DesktopAppInfo info = isEntryFile ? loadDesktopEntry(appURL) : nullptr;
    std::optional<std::string> flatpakKey;
    std::optional<Path> program;
    if (info) {
        if (const char* name = g_app_info_get_name(G_APP_INFO(info.get())); name && *name)
            facts.name = name;
        facts.identifier = desktopFileID(appURL, layout.applicationFolders);
        flatpakKey = entryString(info.get(), "X-Flatpak");
        program = launchedProgram(info.get());
    }

    // A Flatpak: exported by an installation, or marked so (a copy the user keeps).
    const auto installations = flatpakInstallations(layout);
    std::optional<FlatpakInstallation> installation;
    for (const auto& i : installations)
        if (isEntryFile && isBelow(appURL, i.root / "exports/share/applications")) installation = i;
    // A Flatpak's entries are named after it; an entry of another name (anyone may write one)
    // that says it is a Flatpak does not get that Flatpak uninstalled.
    if (flatpakKey && !installation &&
        !(facts.identifier == *flatpakKey ||
          facts.identifier.value_or("").starts_with(*flatpakKey + ".")))
        flatpakKey.reset();
    if (installation || flatpakKey) {
        facts.flatpakID = flatpakKey ? *flatpakKey : facts.identifier.value_or("");
        if (isFlatpakID(facts.flatpakID)) {
            if (!installation) {
                for (const auto& i : installations)
                    if (statEntry(AT_FDCWD, (i.root / "app" / facts.flatpakID).c_str())) {
                        installation = i;
                        break;
                    }
            }
            if (installation) {
                facts.removal =
                    installation->user ? AppRemoval::flatpakUser : AppRemoval::flatpakSystem;
                facts.flatpakDeploy = installation->root / "app" / facts.flatpakID;
                if (userOwned) facts.ownFiles = {appURL};  // the user's copy goes too
                return facts;
            }
        }
        facts.flatpakID.clear();  // names no Flatpak that is here
    }

    if (userOwned) {
        facts.removal = AppRemoval::trash;
        facts.ownFiles = {appURL};
        if (program && isBelow(*program, layout.home) && !hasParentStep(*program) &&
            isAppImage(*program))
            facts.ownFiles.push_back(*program);
    } else if (!isEntryFile && isBelow(appURL, layout.home) && !hasParentStep(appURL) &&
               hasAppImageMagic(appURL)) {
        // An AppImage that no entry launches is its own application: it goes by its file name,
        // with no identifier.
        facts.removal = AppRemoval::trash;
        facts.ownFiles = {appURL};
    }
    return facts;
}

// The layout's own folders: no leftover may be one of them or hold one.
std::vector<Path> ownFolders(const Layout& layout) {
    std::vector<Path> out{layout.home,
                          layout.configHome,
                          layout.cacheHome,
                          layout.dataHome,
                          layout.stateHome,
                          layout.trash,
                          layout.trashFiles,
                          layout.dataHome / "flatpak",
                          layout.home / ".var/app",
                          layout.settingsFile.parent_path()};
    for (const auto* list :
         {&layout.leftoverUserFolders, &layout.leftoverSystemFolders, &layout.leftoverNameFolders,
          &layout.applicationFolders, &layout.buildOutputFolders})
        out.insert(out.end(), list->begin(), list->end());
    for (const auto& root : layout.junkRoots) out.push_back(root.folder);
    for (const auto& f :
         Layout::present({layout.downloads, layout.documents, layout.desktop, layout.pictures,
                          layout.movies, layout.music, layout.trashInfo, layout.thumbnailCache}))
        out.push_back(f);
    return out;
}

}  // namespace

UninstallTarget UninstallerEngine::inspect(const Path& appURL, std::stop_token stop) const {
    AppFacts facts =
        layout_.kind == LayoutKind::macos ? bundleFacts(appURL) : entryFacts(appURL, layout_);
    UninstallTarget target;
    target.appURL = appURL;
    target.appName = facts.name;
    target.bundleID = facts.identifier;
    target.removal = facts.removal;
    target.flatpakID = facts.flatpakID;
    for (const auto& file : facts.ownFiles) {
        target.appFiles.push_back({file, FileSystemHelper::size(file, stop), identityOf(file)});
        target.appSize += target.appFiles.back().size;
    }
    if (facts.flatpakDeploy) target.appSize += FileSystemHelper::size(*facts.flatpakDeploy, stop);

    std::set<Path> seen;
    for (const auto& file : facts.ownFiles) seen.insert(normal(file));
    seen.insert(normal(appURL));
    const std::vector<Path> own = ownFolders(layout_);
    auto offer = [&](const Path& child, bool byName) {
        const Path key = normal(child);
        if (seen.contains(key)) return;
        if (std::any_of(own.begin(), own.end(),
                        [&](const Path& f) { return isSame(f, child) || isBelow(f, child); }))
            return;
        seen.insert(key);
        target.leftovers.push_back({Uuid::random(), child, FileSystemHelper::size(child, stop),
                                    classify(child), byName, !byName, identityOf(child)});
    };

    // Identifier pass.
    if (facts.identifier && longEnough(*facts.identifier)) {
        const std::string id = lowerName(*facts.identifier);
        const std::string idDot = id + ".";
        // What the pass would give to another application whose identifier extends this one
        // (org.example.Editor.Devel beside org.example.Editor) is that application's.
        std::vector<std::string> longer;
        if (layout_.kind == LayoutKind::freedesktop)
            for (const auto& entry : desktopEntries(layout_.applicationFolders))
                if (auto other = lowerName(desktopFileID(entry.path, layout_.applicationFolders));
                    other.starts_with(idDot))
                    longer.push_back(std::move(other));
        auto matches = [](const std::string& full, const std::string& stem, const std::string& id) {
            const std::string dot = id + ".";
            return stem == id || full == id || full.starts_with(dot) || stem.starts_with(dot);
        };
        std::vector<Path> folders = layout_.leftoverUserFolders;
        folders.insert(folders.end(), layout_.leftoverSystemFolders.begin(),
                       layout_.leftoverSystemFolders.end());
        for (const auto& folder : folders) {
            for (const auto& name : childNames(folder)) {
                const std::string full = lowerName(name);
                const std::string stem = lowerName(stemOf(name));
                if (matches(full, stem, id) &&
                    std::none_of(longer.begin(), longer.end(), [&](const std::string& other) {
                        return matches(full, stem, other);
                    }))
                    offer(folder / name, false);
            }
        }
    }

    // Name pass.
    if (longEnough(facts.name)) {
        const std::string n = lowerName(facts.name);
        for (const auto& folder : layout_.leftoverNameFolders)
            for (const auto& name : childNames(folder))
                if (lowerName(name) == n) offer(folder / name, true);
    }

    std::stable_sort(target.leftovers.begin(), target.leftovers.end(),
                     [](const AppLeftover& a, const AppLeftover& b) { return a.size > b.size; });
    return target;
}

// --- removal ---

std::optional<Path> UninstallerEngine::droppedApplication(const Path& dropped) const {
    if (!dropped.is_absolute() || hasParentStep(dropped)) return std::nullopt;
    if (layout_.kind == LayoutKind::macos) {
        auto st = statEntry(AT_FDCWD, normal(dropped).c_str());
        const bool bundle = st && st->isDirectory() && normal(dropped).extension() == ".app";
        return bundle ? std::optional<Path>(dropped) : std::nullopt;
    }
    if (dropped.filename().native().ends_with(".desktop"))
        return loadDesktopEntry(dropped) ? std::optional<Path>(dropped) : std::nullopt;
    if (!hasAppImageMagic(dropped)) return std::nullopt;
    // The entry that launches the AppImage stands for it; the first in the folders' order.
    auto image = statEntry(AT_FDCWD, dropped.c_str());
    for (const auto& entry : desktopEntries(layout_.applicationFolders)) {
        const auto program = launchedProgram(entry.info.get());
        if (!program) continue;
        auto st = statEntry(AT_FDCWD, program->c_str());
        if (st && image && st->sameFile(*image)) return entry.path;
    }
    return dropped;
}

RemovalOutcome UninstallerEngine::uninstall(const UninstallTarget& target, bool removeAppBundle,
                                            std::stop_token stop) const {
    std::vector<Path> folders = layout_.leftoverUserFolders;
    for (const auto* list : {&layout_.leftoverSystemFolders, &layout_.leftoverNameFolders})
        folders.insert(folders.end(), list->begin(), list->end());
    auto isLeftoverPlace = [&](const Path& p) {
        if (hasParentStep(p) || !p.has_filename()) return false;
        const Path parent = normal(p).parent_path();
        return std::any_of(folders.begin(), folders.end(),
                           [&](const Path& f) { return isSame(parent, f); });
    };
    // The application's own files: a bundle on macOS; on freedesktop only files of the home.
    auto isAppPlace = [&](const Path& p) {
        if (hasParentStep(p) || !p.has_filename()) return false;
        return layout_.kind == LayoutKind::macos || isBelow(p, layout_.home);
    };

    // Each only while it is still what was inspected, reached through the folder it was in.
    Trash trash(layout_);
    RemovalOutcome outcome;
    for (const auto& l : target.leftovers) {
        if (!l.isSelected) continue;
        if (stop.stop_requested())
            outcome.leave(l.url, LeftReason::stopped);
        else if (isLeftoverPlace(l.url))
            trashRecord(l, trash, outcome);
        else
            outcome.leave(l.url, LeftReason::changed);
    }
    if (removeAppBundle && target.removal != AppRemoval::systemManaged) {
        for (const auto& f : target.appFiles) {
            if (stop.stop_requested())
                outcome.leave(f.url, LeftReason::stopped);
            else if (isAppPlace(f.url))
                trashRecord(f, trash, outcome);
            else
                outcome.leave(f.url, LeftReason::changed);
        }
    }
    return outcome;
}

}  // namespace tornivo
