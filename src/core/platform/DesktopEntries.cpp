#include "platform/DesktopEntries.h"

#include <fcntl.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "platform/TreeWalker.h"

namespace tornivo {

namespace {

struct AppInfoUnref {
    void operator()(GDesktopAppInfo* info) const { g_object_unref(info); }
};
using AppInfoPtr = std::unique_ptr<GDesktopAppInfo, AppInfoUnref>;

// The desktop files below `folder` with their desktop-file IDs, in listing order.
std::vector<std::pair<std::string, Path>> desktopFiles(const Path& folder, TreeWalker& walker) {
    std::vector<std::pair<std::string, Path>> entries;
    // The folder may be a link (a data folder kept elsewhere); links below it to folders are
    // not followed, links to entries are read like the entries themselves.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return entries;
    walker.walk(fd, folder, [&](const TreeWalker::Entry& e) {
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
    ::close(fd);
    return entries;
}

}  // namespace

std::vector<InstalledApp> desktopEntryApps(const std::vector<Path>& folders) {
    std::vector<InstalledApp> apps;
    std::set<std::string> decided;
    TreeWalker walker;
    for (const auto& folder : folders) {
        for (auto& [id, path] : desktopFiles(folder, walker)) {
            if (decided.contains(id)) continue;
            // Null for anything but a readable entry of Type=Application whose program exists.
            AppInfoPtr info(g_desktop_app_info_new_from_filename(path.c_str()));
            if (!info) continue;
            decided.insert(id);
            if (g_desktop_app_info_get_is_hidden(info.get()) ||
                g_desktop_app_info_get_nodisplay(info.get()))
                continue;
            const char* name = g_app_info_get_name(G_APP_INFO(info.get()));
            if (name && *name) apps.push_back({name, std::move(path)});
        }
    }
    return apps;
}

}  // namespace tornivo
