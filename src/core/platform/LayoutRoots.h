#pragma once
// The folders a walk or a removal starts from (junk folders, the Trash, personal folders, the
// folders that hold build outputs) are checked before anything is listed or removed below them,
// because removing their entries must never reach the home itself or data outside them:
// - a root may be a link the user made (a cache kept on another disk): it is resolved once, and
//   everything after happens relative to the one descriptor opened then;
// - it is refused when it is "/", the home folder, a folder that holds the home, another folder
//   of the layout (a cache folder that is the Documents folder) or one that holds such a folder
//   (a cache folder that is ~/.local, which holds the data folder and the Trash), and when it is
//   not owned by the owner of the home.
// Folders are compared by identity (device and inode), not by spelling, so no link, bind mount
// or odd path makes two different-looking folders pass for different ones.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "models/ScanReport.h"
#include "platform/Descriptor.h"
#include "platform/FileStatus.h"
#include "platform/Layout.h"

namespace tornivo {

// What a root is, so that it is not compared with itself, and what it may be.
enum class RootRole {
    cache,         // the junk folder of application caches (the layout's cache folder)
    logs,          // the junk folder of logs
    trash,         // the Trash folder
    personal,      // a personal folder (Downloads, Documents, ...): may coincide with another one
    projects,      // where the walk for build outputs starts: the home itself is allowed
    outputs,       // a folder whose entries are build outputs (the IDE's derived-data folder)
    sandboxCache,  // the cache folder of one sandboxed application (~/.var/app/ID/cache)
};

// One line for people: "/home/al/.cache is the home folder". The path is shown as it is; callers
// that print to a terminal make it safe first, so this takes the path's text from them.
std::string describe(const RootProblem& problem, const std::string& folderText);

// A checked root, open for reading relative to it.
struct CheckedRoot {
    UniqueFd fd;
    Path path;  // as the layout names it: records keep this spelling
    FileStatus status;
};

class LayoutRoots {
  public:
    // Reads the identities of the home, the folders above it and the layout's folders once.
    explicit LayoutRoots(const Layout& layout);

    // Opens `folder` (links in it followed) for a root of `role`, or says why not.
    std::variant<CheckedRoot, RootProblem> open(const Path& folder, RootRole role) const;
    // Opens `relative` below the open folder `dirfd` for a root of `role` (`folder` is its full
    // path, for records and messages), with the same checks, for a root whose place others may
    // write to: no link is followed and no mount crossed on the way, or it is refused as
    // unreadable.
    std::variant<CheckedRoot, RootProblem> openBelow(int dirfd, const Path& relative,
                                                     const Path& folder, RootRole role) const;

    // Whether removing `target` itself would remove a folder no removal may take, whoever asks:
    // "/", a mount point, the home, a folder of the layout (the Trash's files folder included) or
    // a folder above one of them. A final link is not followed: a link goes as a link. What
    // cannot be looked at is no such folder here; the removal itself then fails on it.
    bool isSystemFolder(const Path& target) const;

  private:
    struct Known {
        std::string label;  // "home", "cache", "Documents", ...
        bool itself;        // the folder itself, or one above it
        std::uint64_t dev, ino;
    };
    void learn(const std::string& label, const Path& folder);
    std::variant<CheckedRoot, RootProblem> check(UniqueFd fd, const Path& folder,
                                                 RootRole role) const;

    std::vector<Known> known_;
    std::uint64_t rootDev_ = 0, rootIno_ = 0;
    bool rootKnown_ = false;
    unsigned owner_ = 0;
};

}  // namespace tornivo
