#pragma once
// Finds files whose contents are byte-for-byte identical, and moves the spare copies to the
// Trash.
//
// A scan runs in two steps, both public so that each can be checked on its own:
//  1. listCandidates walks the roots (on all cores; order keys restore the order of a single
//     walk) and keeps the regular files of at least `minSize` bytes, hidden entries skipped.
//     A file with several names (hard links) is one file: only the first name met is kept.
//  2. groupCandidates reads only the files whose size another candidate shares. A comparison of
//     the first and last 4 KiB splits off most look-alikes cheaply; the rest are read side by
//     side in large aligned chunks and compared byte for byte, and each set of identical files
//     is hashed once (SHA-256), since equal bytes have equal digests. The groups are exactly
//     those that hashing every same-size file whole would give.
//
// Nothing inside a Trash folder is compared: the home Trash given at construction, and the Trash
// folders of other mounts (hidden, so never entered). A root that is in a Trash is refused.
//
// A file that cannot be opened or read to its end, that is no longer the file that was listed
// (another inode put in its place), or whose size changes during the scan is left out.

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "models/FinderModels.h"
#include "platform/ParallelTreeWalk.h"
#include "platform/PersonalFolders.h"
#include "platform/ScanProgress.h"
#include "platform/Trash.h"

namespace tornivo {

// The smallest file the application compares.
inline constexpr ByteCount kDuplicateMinSize = 1'048'576;

class DuplicateFinder {
  public:
    // A file the content step considers: where it was found and what it was then.
    struct Candidate {
        Path path;
        ByteCount size = 0;
        std::uint64_t dev = 0, ino = 0;
        std::uint64_t folderDev = 0, folderIno = 0;  // the folder it was listed in
        std::int64_t modified = 0;                   // modification time, as FileIdentity keeps it
    };

    explicit DuplicateFinder(ByteCount minSize = kDuplicateMinSize,
                             unsigned threads = defaultWalkThreads(), Path homeTrash = {});

    ByteCount minSize() const { return minSize_; }

    // Groups of at least two identical regular files of at least `minSize` bytes below the
    // roots (hidden entries skipped), each file in the order found (roots in the order given,
    // then walk order); groups by reclaimable bytes, largest first, ties in the order their
    // first files were found.
    //
    // `progress` hears the regular files the walk meets (hidden ones are not), with the folder
    // it is in, then the bytes the comparison reads (the ends of look-alikes aside), out of the
    // bytes of every file whose size another shares; as ScanProgress.h describes.
    // `report`, when given, receives the folders the walk could not read.
    // A stop asked through `stop` ends the walk at its next folder and the comparison at its
    // next chunk; what was compared in full is returned.
    std::vector<DuplicateGroup> scan(const std::vector<Path>& roots,
                                     const ScanProgressCallback& progress = {},
                                     ScanReport* report = nullptr, std::stop_token stop = {}) const;
    // The same below personal folders already opened and checked (PersonalFolders.h); the
    // report also names the folders they refused.
    std::vector<DuplicateGroup> scan(const PersonalFolders& folders,
                                     const ScanProgressCallback& progress = {},
                                     ScanReport* report = nullptr, std::stop_token stop = {}) const;
    // Where the application looks: Downloads, Documents, Desktop, Pictures and Movies, those the
    // layout has, in that order.
    static std::vector<Path> personalRoots(const Layout& layout);

    // Step 1: the regular files of at least `minSize` bytes below the roots, hidden entries
    // skipped, in the order found, one name per file. A root is walked only when it is a
    // directory itself (a root that is a symbolic link is not followed); links below it are
    // never followed and other mounts never entered.
    std::vector<Candidate> listCandidates(const std::vector<Path>& roots) const;
    // Step 2: the groups of identical candidates, ordered as `scan` orders them. Every file is
    // checked to still be the candidate (device, inode, size) before and after it is read.
    std::vector<DuplicateGroup> groupCandidates(const std::vector<Candidate>& candidates) const;

    // Keeps `keeping` and moves every other file of the group to the Trash, only when `keeping`
    // is one of the group's files and is still the file that was hashed, with the group's size:
    // one copy always survives. A copy moves only while it is still the file that was hashed:
    // same file, length and modification time (Trash::moveListed); what stays is left with its
    // reason. A stop leaves the copies not yet moved (as "stopped"), and so does a kept copy that
    // is no longer the file hashed after a move (one file system seen through another, as an
    // overlay shows its lower folder), as "changed". Empty when refused (nothing was moved).
    std::optional<RemovalOutcome> removeCopies(const DuplicateGroup& group, const Path& keeping,
                                               Trash& trash, std::stop_token stop = {}) const;

  private:
    struct OpenRoot {
        Path path;
        int fd;  // the caller's
    };
    std::vector<Candidate> listCandidates(const std::vector<OpenRoot>& roots, ProgressMeter& meter,
                                          ScanReport* report, const std::stop_token& stop) const;
    // Whether `root` is in a Trash; when it is, it is refused in `report`.
    bool inTrash(const Path& root, ScanReport* report) const;
    std::vector<DuplicateGroup> groupCandidates(const std::vector<Candidate>& candidates,
                                                ProgressMeter& meter,
                                                const std::stop_token& stop) const;

    ByteCount minSize_;
    unsigned threads_;
    Path homeTrash_;
};

}  // namespace tornivo
