#include "workflows/FileWorkflows.h"

#include <cerrno>

#include "platform/FileStatus.h"
#include "platform/LastTrashMove.h"
#include "platform/ProtectedFilter.h"
#include "platform/SafeRemover.h"
#include "workflows/Removal.h"

namespace tornivo {

namespace {

// Every move to the Trash replaces the record that the way back reads.
RemovalOutcome recorded(const Layout& layout, RemovalOutcome outcome) {
    recordTrashMove(layout, outcome);
    return outcome;
}

template <class Record>
std::vector<Record> selected(std::vector<Record> records) {
    std::erase_if(records, [](const Record& r) { return !r.isSelected; });
    return records;
}

}  // namespace

Findings<LargeFile> findLargeFiles(const LargeFileScanner& scanner, ByteCount minSize,
                                   int olderThanMonths, TimePoint now,
                                   const ProtectedFolders& protection,
                                   const ScanProgressCallback& progress, std::stop_token stop) {
    Findings<LargeFile> found;
    found.records = withoutProtected(
        scanner.scan(minSize, olderThanMonths, now, progress, &found.report, std::move(stop)),
        protection);
    return found;
}

RemovalOutcome trashLargeFiles(const LargeFileScanner& scanner, std::vector<LargeFile> files,
                               const ProtectedFolders& protection, std::stop_token stop) {
    return recorded(
        scanner.layout(),
        carryOut(planRemoval(selected(std::move(files)), protection, scanner.layout()),
                 [&](const std::vector<LargeFile>& act) { return scanner.remove(act, stop); }));
}

Findings<InstallerFile> findInstallers(const InstallerScanner& scanner,
                                       const ProtectedFolders& protection, std::stop_token stop) {
    Findings<InstallerFile> found;
    found.records = withoutProtected(scanner.scan(&found.report, std::move(stop)), protection);
    return found;
}

RemovalOutcome trashInstallers(const InstallerScanner& scanner, std::vector<InstallerFile> files,
                               const ProtectedFolders& protection, std::stop_token stop) {
    return recorded(
        scanner.layout(),
        carryOut(planRemoval(selected(std::move(files)), protection, scanner.layout()),
                 [&](const std::vector<InstallerFile>& act) { return scanner.remove(act, stop); }));
}

Findings<DiskCategory> analyzeDisk(const DiskAnalyzer& analyzer, const ProtectedFolders& protection,
                                   const DiskAnalyzer::Progress& progress, TimePoint now,
                                   std::stop_token stop) {
    Findings<DiskCategory> found;
    found.records = withoutProtected(
        analyzer.analyze(progress, now, &found.report, std::move(stop)), protection);
    return found;
}

RemovalOutcome trashDiskFile(const DiskAnalyzer& analyzer, const DiskFile& file,
                             const ProtectedFolders& protection, std::stop_token) {
    return recorded(
        analyzer.layout(),
        carryOut(planRemoval(std::vector{file}, protection, analyzer.layout()),
                 [&](const std::vector<DiskFile>& act) { return analyzer.trashFile(act[0]); }));
}

DeveloperScanResult findBuildOutputs(const DeveloperCleanEngine& engine, int protectionDays,
                                     TimePoint now, const ProtectedFolders& protection,
                                     const ScanProgressCallback& progress, ScanReport* report,
                                     std::stop_token stop) {
    DeveloperScanResult result =
        engine.scan(protectionDays, now, progress, report, std::move(stop));
    result.projects = withoutProtected(std::move(result.projects), protection);
    return result;
}

RemovalOutcome cleanBuildOutputs(const DeveloperCleanEngine& engine,
                                 const std::vector<DeveloperProject>& projects,
                                 const ProtectedFolders& protection, std::stop_token stop) {
    std::vector<DeveloperProject> chosen;
    for (const auto& p : projects)
        if (p.isSelected && !p.isActive) chosen.push_back(p);
    return carryOut(
        planRemoval(std::move(chosen), protection, engine.layout()),
        [&](const std::vector<DeveloperProject>& act) { return engine.clean(act, stop); });
}

UninstallTarget inspectApplication(const UninstallerEngine& engine, const Path& appURL,
                                   const ProtectedFolders& protection, std::stop_token stop) {
    UninstallTarget plan = engine.inspect(appURL, std::move(stop));
    plan.leftovers = withoutProtected(std::move(plan.leftovers), protection);
    std::erase_if(plan.appFiles, [&](const AppFile& f) {
        if (!protection.isProtected(f.url)) return false;
        plan.appSize -= f.size;
        return true;
    });
    return plan;
}

RemovalOutcome uninstallApplication(const UninstallerEngine& engine, UninstallTarget plan,
                                    const ProtectedFolders& protection, std::stop_token stop) {
    RemovalOutcome kept;
    if (protection.problem()) {
        kept.refused = protection.problem();
        return kept;
    }
    const LayoutRoots roots(engine.layout());
    std::erase_if(plan.leftovers, [&](const AppLeftover& l) {
        const auto reason = l.isSelected ? mustStay(l.url, protection, roots) : std::nullopt;
        if (reason) kept.leave(l.url, *reason);
        return reason.has_value();
    });
    std::erase_if(plan.appFiles, [&](const AppFile& f) {
        const auto reason = mustStay(f.url, protection, roots);
        if (reason) kept.leave(f.url, *reason);
        return reason.has_value();
    });
    kept.merge(engine.uninstall(plan, true, std::move(stop)));
    // A Flatpak's leftovers can come back until flatpak has removed the application; the caller
    // then forgets this move (forgetTrashMove).
    recordTrashMove(engine.layout(), kept);
    return kept;
}

TrashContents listTrash(const SecureEraser& eraser, const ProtectedFolders& protection,
                        std::stop_token) {
    TrashContents contents = eraser.trashContents();
    const bool paired = contents.identities.size() == contents.items.size();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < contents.items.size(); ++i) {
        if (protection.isProtected(contents.items[i])) continue;
        contents.items[kept] = std::move(contents.items[i]);
        if (paired) contents.identities[kept] = contents.identities[i];
        ++kept;
    }
    contents.items.resize(kept);
    contents.identities.resize(paired ? kept : 0);
    return contents;
}

ShredOutcome shredTrash(const SecureEraser& eraser, TrashContents listed, int passes,
                        const ProtectedFolders& protection, ShredObserver* observer,
                        std::stop_token stop) {
    ShredOutcome outcome;
    if (protection.problem()) {
        outcome.refused = protection.problem();
        return outcome;
    }
    std::vector<LeftItem> kept;
    TrashContents chosen;
    for (std::size_t i = 0; i < listed.items.size(); ++i) {
        if (protection.isProtected(listed.items[i])) {
            kept.push_back({listed.items[i], LeftReason::protectedFolder});
            continue;
        }
        chosen.items.push_back(listed.items[i]);
        chosen.identities.push_back(i < listed.identities.size() ? listed.identities[i]
                                                                 : FileIdentity{});
    }
    outcome = eraser.erase(chosen, passes, observer, std::move(stop));
    outcome.left.insert(outcome.left.begin(), kept.begin(), kept.end());
    return outcome;
}

RemovalOutcome clearThumbnailCache(const Layout& layout, const ProtectedFolders& protection) {
    struct Folder {
        Path url;
    };
    if (!layout.thumbnailCache) return {};
    const Path& cache = *layout.thumbnailCache;
    return carryOut(planRemoval(std::vector{Folder{cache}}, protection, layout), [&](const auto&) {
        RemovalOutcome outcome;
        auto opened = LayoutRoots(layout).open(cache.parent_path(), RootRole::cache);
        if (auto* problem = std::get_if<RootProblem>(&opened)) {
            if (problem->reason != RootRefusal::missing) outcome.leave(cache, LeftReason::failed);
            return outcome;
        }
        const int folder = std::get<CheckedRoot>(opened).fd.get();
        const std::string name = cache.filename().native();
        errno = 0;
        if (!statEntry(folder, name.c_str()) && errno == ENOENT) return outcome;
        if (const auto removed = SafeRemover::removeAt(folder, name.c_str()))
            ++outcome.done;
        else
            outcome.leave(cache, removed.reason);
        return outcome;
    });
}

}  // namespace tornivo
