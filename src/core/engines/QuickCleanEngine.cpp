#include "engines/QuickCleanEngine.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <variant>

#include "platform/Descriptor.h"
#include "platform/DirectoryReader.h"
#include "platform/FileStatus.h"
#include "platform/FileSystemHelper.h"
#include "platform/SafeRemover.h"

namespace tornivo {

const std::string* runningAppOf(const JunkItem& item, const RunningApps::Map& running) {
    // A sandboxed application's cache is named by its folder's application, not its own name.
    auto app = running.find(
        RunningApps::lowerCased(item.app.empty() ? item.url.filename().native() : item.app));
    return app == running.end() ? nullptr : &app->second;
}

JunkSplit splitByRunningApps(const std::vector<JunkItem>& items, const RunningApps::Map& running) {
    JunkSplit split;
    std::set<std::string> names;
    for (const auto& item : items) {
        if (!item.isSelected) continue;
        if (const std::string* app = runningAppOf(item, running))
            names.insert(*app);
        else
            split.toClean.push_back(item);
    }
    // std::string compares bytes, and byte order of UTF-8 is code-point order.
    split.skippedApps.assign(names.begin(), names.end());
    return split;
}

QuickCleanEngine::QuickCleanEngine(Layout layout) : layout_(std::move(layout)) {}

RootRole QuickCleanEngine::role(CleanCategory category) {
    return category == CleanCategory::appCache ? RootRole::cache : RootRole::logs;
}

JunkScan QuickCleanEngine::scan(std::stop_token stop, const ScanProgressCallback& progress) const {
    JunkScan result;
    ProgressMeter meter(progress);
    const LayoutRoots roots(layout_);
    for (const auto& root : layout_.junkRoots) {
        auto opened = roots.open(root.folder, role(root.category));
        if (auto* problem = std::get_if<RootProblem>(&opened)) {
            if (problem->reason != RootRefusal::missing) result.report.refused.push_back(*problem);
        } else {
            auto found = children(std::get<CheckedRoot>(opened), root.category, stop, meter);
            result.items.insert(result.items.end(), std::make_move_iterator(found.begin()),
                                std::make_move_iterator(found.end()));
        }
        if (root.category == CleanCategory::appCache) sandboxCaches(roots, result, stop, meter);
    }
    std::stable_sort(result.items.begin(), result.items.end(),
                     [](const JunkItem& a, const JunkItem& b) { return a.size > b.size; });
    meter.finish();
    return result;
}

std::vector<JunkItem> QuickCleanEngine::children(const CheckedRoot& root, CleanCategory category,
                                                 const std::stop_token& stop,
                                                 ProgressMeter& meter) const {
    std::vector<JunkItem> items;
    const int fd = root.fd.get();
    DirectoryReader reader;
    reader.reset(fd);
    DirectoryReader::Entry e;
    while (!stop.stop_requested() && reader.next(e)) {
        if (e.name[0] == '.') continue;  // hidden entries are not items
        auto st = statEntry(fd, e.name);
        if (!st) continue;
        Path location = root.path / e.name;
        ByteCount size = 0;
        if (st->isDirectory()) {
            // A folder on another mount is not ours to measure or remove.
            if (st->isMountRoot || st->dev != root.status.dev) continue;
            meter.enter(std::string_view(e.name, e.length));
            size = FileSystemHelper::directorySize(fd, e.name, location, stop);
        } else {
            size = st->allocatedSize;
        }
        if (size <= 0) continue;
        const FileIdentity identity = identityOf(*st, root.status.dev, root.status.ino);
        items.push_back(
            JunkItem{Uuid::random(), std::move(location), size, category, true, identity});
    }
    return items;
}

void QuickCleanEngine::sandboxCaches(const LayoutRoots& roots, JunkScan& result,
                                     const std::stop_token& stop, ProgressMeter& meter) const {
    if (!layout_.sandboxApps) return;
    UniqueFd apps(::open(layout_.sandboxApps->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!apps) return;
    RunningApps::NameLookup names;  // read only when there is a cache to name
    DirectoryReader reader;
    reader.reset(apps.get());
    DirectoryReader::Entry e;
    while (!stop.stop_requested() && reader.next(e)) {
        if (e.name[0] == '.') continue;
        const std::string id(e.name, e.length);
        const Path folder = *layout_.sandboxApps / id / "cache";
        // The application may write its own folder: a link or a mount it put there leads nowhere.
        auto opened =
            roots.openBelow(apps.get(), Path(id) / "cache", folder, RootRole::sandboxCache);
        if (auto* problem = std::get_if<RootProblem>(&opened)) {
            if (problem->reason != RootRefusal::missing) result.report.refused.push_back(*problem);
            continue;
        }
        const auto& root = std::get<CheckedRoot>(opened);
        const auto owner = statEntry(apps.get(), e.name);
        if (!owner) continue;
        meter.enter(id);
        const ByteCount size = FileSystemHelper::directorySize(root.fd.get(), ".", folder, stop);
        if (size <= 0) continue;
        if (!names) names = RunningApps::desktopEntryNames(layout_.applicationFolders);
        const auto name = names({id, IdentifierKind::desktopEntry, id});
        result.items.push_back(JunkItem{Uuid::random(), folder, size, CleanCategory::appCache, true,
                                        identityOf(root.status, owner->dev, owner->ino), id,
                                        name.value_or(id)});
    }
}

void QuickCleanEngine::emptySandboxCache(const LayoutRoots& roots, const JunkItem& item,
                                         RemovalOutcome& outcome) const {
    // Only the cache folder of the application the item names, still the folder that was listed.
    const bool plain = item.app != "." && item.app != ".." &&
                       item.app.find('/') == std::string::npos && layout_.sandboxApps &&
                       item.url == *layout_.sandboxApps / item.app / "cache";
    UniqueFd apps(plain ? ::open(layout_.sandboxApps->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                        : -1);
    auto opened = apps ? roots.openBelow(apps.get(), Path(item.app) / "cache", item.url,
                                         RootRole::sandboxCache)
                       : std::variant<CheckedRoot, RootProblem>(RootProblem{});
    const auto* checked = std::get_if<CheckedRoot>(&opened);
    if (!checked || !isStill(checked->status, item.identity)) {
        outcome.leave(item.url, LeftReason::changed);
        return;
    }
    std::vector<std::string> entries;
    DirectoryReader reader;
    reader.reset(checked->fd.get());
    DirectoryReader::Entry e;
    while (reader.next(e)) entries.emplace_back(e.name, e.length);
    std::optional<LeftReason> stayed;
    for (const auto& name : entries) {
        const auto removed = SafeRemover::removeAt(checked->fd.get(), name.c_str(),
                                                   SafeRemover::GivenLink::removeAsLink);
        if (!removed && !stayed) stayed = removed.reason;
    }
    // As for any junk folder: what is not gone in full frees nothing.
    if (stayed) {
        outcome.leave(item.url, *stayed);
        return;
    }
    outcome.freed += item.size;
    ++outcome.done;
}

RemovalOutcome QuickCleanEngine::clean(const std::vector<JunkItem>& items,
                                       std::stop_token stop) const {
    RemovalOutcome outcome;
    const LayoutRoots roots(layout_);
    for (const auto& root : layout_.junkRoots) {
        Path folder = root.folder.lexically_normal();
        if (folder.filename().empty()) folder = folder.parent_path();
        std::vector<const JunkItem*> mine;
        for (const auto& item : items) {
            const Path normal = item.url.lexically_normal();
            const std::string name = normal.filename().native();
            if (item.isSelected && item.app.empty() && item.category == root.category &&
                !name.empty() && name != "." && name != ".." && normal.parent_path() == folder)
                mine.push_back(&item);
        }
        if (mine.empty()) continue;
        // Opened once; every item goes relative to this descriptor.
        auto opened = roots.open(root.folder, role(root.category));
        auto* checked = std::get_if<CheckedRoot>(&opened);
        for (const JunkItem* item : mine) {
            if (stop.stop_requested()) {
                outcome.leave(item->url, LeftReason::stopped);
                continue;
            }
            const FileIdentity& listed = item->identity;
            // Not the folder that was scanned, or not the entry that was listed: left alone.
            if (!checked || listed.folderDevice != checked->status.dev ||
                listed.folderInode != checked->status.ino) {
                outcome.leave(item->url, LeftReason::changed);
                continue;
            }
            const std::string name = item->url.lexically_normal().filename().native();
            auto now = statEntry(checked->fd.get(), name.c_str());
            if (!now || !isStill(*now, listed)) {
                outcome.leave(item->url, LeftReason::changed);
                continue;
            }
            const auto removed = SafeRemover::removeAt(checked->fd.get(), name.c_str(),
                                                       SafeRemover::GivenLink::removeAsLink);
            if (!removed) {
                outcome.leave(item->url, removed.reason);
                continue;
            }
            outcome.freed += item->size;
            ++outcome.done;
        }
    }
    for (const auto& item : items) {
        if (!item.isSelected || item.app.empty()) continue;
        if (stop.stop_requested())
            outcome.leave(item.url, LeftReason::stopped);
        else
            emptySandboxCache(roots, item, outcome);
    }
    return outcome;
}

}  // namespace tornivo
