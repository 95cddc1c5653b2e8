#pragma once
// The sections that list files and move the chosen ones to the Trash (large files, installers,
// X-Ray, build outputs, shredding and uninstalling aside), as the application and the command
// line run them: protected files are never listed, and what was protected since the listing
// stays.

#include <stop_token>
#include <vector>

#include "engines/DeveloperCleanEngine.h"
#include "engines/DiskAnalyzer.h"
#include "engines/InstallerScanner.h"
#include "engines/LargeFileScanner.h"
#include "engines/SecureEraser.h"
#include "engines/UninstallerEngine.h"
#include "models/Outcome.h"
#include "models/ScanReport.h"
#include "platform/Exclusions.h"

namespace tornivo {

template <class Record>
struct Findings {
    std::vector<Record> records;
    ScanReport report;
};

// What the large-files section looks for: 500 MiB or more on disk, not opened for 3 months.
inline constexpr ByteCount kLargeFileMinSize = 524'288'000;
inline constexpr int kLargeFileMonths = 3;

Findings<LargeFile> findLargeFiles(const LargeFileScanner& scanner, ByteCount minSize,
                                   int olderThanMonths, TimePoint now,
                                   const ProtectedFolders& protection,
                                   const ScanProgressCallback& progress = {},
                                   std::stop_token stop = {});
RemovalOutcome trashLargeFiles(const LargeFileScanner& scanner, std::vector<LargeFile> files,
                               const ProtectedFolders& protection, std::stop_token stop = {});

Findings<InstallerFile> findInstallers(const InstallerScanner& scanner,
                                       const ProtectedFolders& protection,
                                       std::stop_token stop = {});
RemovalOutcome trashInstallers(const InstallerScanner& scanner, std::vector<InstallerFile> files,
                               const ProtectedFolders& protection, std::stop_token stop = {});

// The X-Ray's categories keep their totals; only their listed files lose the protected ones.
Findings<DiskCategory> analyzeDisk(const DiskAnalyzer& analyzer, const ProtectedFolders& protection,
                                   const DiskAnalyzer::Progress& progress, TimePoint now,
                                   std::stop_token stop = {});
RemovalOutcome trashDiskFile(const DiskAnalyzer& analyzer, const DiskFile& file,
                             const ProtectedFolders& protection, std::stop_token stop = {});

// Build outputs: a protected folder keeps its outputs (and an output holding one stays).
DeveloperScanResult findBuildOutputs(const DeveloperCleanEngine& engine, int protectionDays,
                                     TimePoint now, const ProtectedFolders& protection,
                                     const ScanProgressCallback& progress = {},
                                     ScanReport* report = nullptr, std::stop_token stop = {});
// Deletes the selected outputs that are not active.
RemovalOutcome cleanBuildOutputs(const DeveloperCleanEngine& engine,
                                 const std::vector<DeveloperProject>& projects,
                                 const ProtectedFolders& protection, std::stop_token stop = {});

// The uninstall plan without what protected folders keep: protected leftovers are not offered,
// and an application file in a protected folder (an AppImage kept there) stays, its size no
// longer counted.
UninstallTarget inspectApplication(const UninstallerEngine& engine, const Path& appURL,
                                   const ProtectedFolders& protection, std::stop_token stop = {});
// Moves the selected leftovers and the application's own files, without what was protected
// since the inspection.
RemovalOutcome uninstallApplication(const UninstallerEngine& engine, UninstallTarget plan,
                                    const ProtectedFolders& protection, std::stop_token stop = {});

// The Trash's items without protected ones (their bytes still count in the total).
TrashContents listTrash(const SecureEraser& eraser, const ProtectedFolders& protection,
                        std::stop_token stop = {});
// Erases the listed items that are not protected, with `passes` passes each.
ShredOutcome shredTrash(const SecureEraser& eraser, TrashContents listed, int passes,
                        const ProtectedFolders& protection, ShredObserver* observer = nullptr,
                        std::stop_token stop = {});

// The thumbnail-reset task: the layout's thumbnail cache removed whole, as a junk item is (the
// thumbnailers make it again). Its folder is checked as the cache folder is, and nothing in a
// protected folder, behind a link or on another mount goes. A cache that is not there is done.
RemovalOutcome clearThumbnailCache(const Layout& layout, const ProtectedFolders& protection);

}  // namespace tornivo
