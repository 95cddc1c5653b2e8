#include "engines/QuickCleanEngine.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "platform/DirectoryReader.h"
#include "platform/FileStatus.h"
#include "platform/FileSystemHelper.h"
#include "platform/SafeRemover.h"

namespace tornivo {

JunkSplit splitByRunningApps(const std::vector<JunkItem>& items, const RunningApps::Map& running) {
    JunkSplit split;
    std::set<std::string> names;
    for (const auto& item : items) {
        if (!item.isSelected) continue;
        auto app = running.find(RunningApps::lowerCased(item.url.filename().native()));
        if (app == running.end())
            split.toClean.push_back(item);
        else
            names.insert(app->second);
    }
    // std::string compares bytes, and byte order of UTF-8 is code-point order.
    split.skippedApps.assign(names.begin(), names.end());
    return split;
}

QuickCleanEngine::QuickCleanEngine(Layout layout) : layout_(std::move(layout)) {}

std::vector<JunkItem> QuickCleanEngine::scan() const {
    std::vector<JunkItem> items;
    for (const auto& root : layout_.junkRoots) {
        auto found = children(root.folder, root.category);
        items.insert(items.end(), std::make_move_iterator(found.begin()),
                     std::make_move_iterator(found.end()));
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const JunkItem& a, const JunkItem& b) { return a.size > b.size; });
    return items;
}

std::vector<JunkItem> QuickCleanEngine::children(const Path& folder, CleanCategory category) const {
    std::vector<JunkItem> items;
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return items;
    auto rootStatus = statDescriptor(fd);
    DirectoryReader reader;
    reader.reset(fd);
    DirectoryReader::Entry e;
    while (rootStatus && reader.next(e)) {
        if (e.name[0] == '.') continue;  // hidden entries are not items
        auto st = statEntry(fd, e.name);
        if (!st) continue;
        Path location = folder / e.name;
        ByteCount size = 0;
        if (st->isDirectory()) {
            // A folder on another mount is not ours to measure or remove.
            if (st->isMountRoot || st->dev != rootStatus->dev) continue;
            size = FileSystemHelper::directorySize(fd, e.name, location);
        } else {
            size = st->allocatedSize;
        }
        if (size <= 0) continue;
        items.push_back(JunkItem{Uuid::random(), std::move(location), size, category, true});
    }
    ::close(fd);
    return items;
}

bool QuickCleanEngine::isJunkEntry(const Path& location) const {
    Path normal = location.lexically_normal();
    std::string name = normal.filename().native();
    if (name.empty() || name == "." || name == "..") return false;
    for (const auto& root : layout_.junkRoots) {
        Path folder = root.folder.lexically_normal();
        if (folder.filename().empty()) folder = folder.parent_path();
        if (normal.parent_path() == folder) return true;
    }
    return false;
}

ByteCount QuickCleanEngine::clean(const std::vector<JunkItem>& items) const {
    ByteCount freed = 0;
    for (const auto& item : items) {
        if (!item.isSelected || !isJunkEntry(item.url)) continue;
        if (SafeRemover::remove(item.url)) freed += item.size;
    }
    return freed;
}

}  // namespace tornivo
