#include "platform/DesktopEntries.h"

#include <fcntl.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "platform/Descriptor.h"
#include "platform/DirectoryReader.h"
#include "platform/RegularFile.h"
#include "platform/TreeWalker.h"

namespace tornivo {

void DesktopAppInfoUnref::operator()(GDesktopAppInfo* info) const {
    g_object_unref(info);
}

DesktopAppInfo loadDesktopEntry(const Path& path) {
    const FileRead read = readRegularFile(path, kMaxEntrySize);
    if (!read.ok()) return nullptr;
    GKeyFile* keys = g_key_file_new();
    DesktopAppInfo info;
    if (g_key_file_load_from_data(keys, read.text.data(), read.text.size(), G_KEY_FILE_NONE,
                                  nullptr))
        info.reset(g_desktop_app_info_new_from_keyfile(keys));
    g_key_file_unref(keys);
    return info;
}

std::string desktopEntryIcon(const Path& path) {
    DesktopAppInfo info = loadDesktopEntry(path);
    if (!info) return {};
    char* icon = g_desktop_app_info_get_string(info.get(), "Icon");
    std::string out = icon ? icon : "";
    g_free(icon);
    return out;
}

namespace {

// The desktop files below `folder` with their desktop-file IDs, in listing order.
std::vector<std::pair<std::string, Path>> desktopFiles(const Path& folder, TreeWalker& walker) {
    std::vector<std::pair<std::string, Path>> entries;
    // The folder may be a link (a data folder kept elsewhere); links below it to folders are
    // not followed, links to entries are read like the entries themselves.
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) return entries;
    walker.walk(fd.get(), folder, [&](const TreeWalker::Entry& e) {
        if (e.status.isDirectory()) return true;
        const std::string_view name(e.name, e.length);
        if (!name.ends_with(".desktop") || !(e.status.isRegular() || e.status.isSymlink()))
            return false;
        Path path = walker.pathOf(e);
        std::string id = path.lexically_relative(folder).native();
        std::replace(id.begin(), id.end(), '/', '-');
        entries.emplace_back(std::move(id), std::move(path));
        return false;
    });
    return entries;
}

}  // namespace

std::vector<DesktopEntry> desktopEntries(const std::vector<Path>& folders) {
    std::vector<DesktopEntry> entries;
    std::set<std::string> decided;
    TreeWalker walker;
    for (const auto& folder : folders) {
        for (auto& [id, path] : desktopFiles(folder, walker)) {
            if (decided.contains(id)) continue;
            DesktopAppInfo info = loadDesktopEntry(path);
            if (!info) continue;
            decided.insert(id);
            entries.push_back({std::move(id), std::move(path), std::move(info)});
        }
    }
    return entries;
}

std::vector<InstalledApp> installedApplications(const Layout& layout) {
    if (layout.kind != LayoutKind::macos) return desktopEntryApps(layout.applicationFolders);
    std::vector<InstalledApp> apps;
    DirectoryReader reader;
    for (const auto& folder : layout.applicationFolders) {
        UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!fd) continue;
        reader.reset(fd.get());
        DirectoryReader::Entry e;
        while (reader.next(e)) {
            const std::string_view name(e.name, e.length);
            if (name.starts_with('.') || name.size() <= 4 || !name.ends_with(".app")) continue;
            apps.push_back({std::string(name.substr(0, name.size() - 4)), folder / name});
        }
    }
    return apps;
}

std::vector<InstalledApp> desktopEntryApps(const std::vector<Path>& folders) {
    std::vector<InstalledApp> apps;
    for (auto& entry : desktopEntries(folders)) {
        GDesktopAppInfo* info = entry.info.get();
        if (g_desktop_app_info_get_is_hidden(info) || g_desktop_app_info_get_nodisplay(info))
            continue;
        const char* name = g_app_info_get_name(G_APP_INFO(info));
        if (name && *name) apps.push_back({name, std::move(entry.path)});
    }
    return apps;
}

}  // namespace tornivo
