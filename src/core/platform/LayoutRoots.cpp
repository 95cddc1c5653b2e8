#include "platform/LayoutRoots.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace tornivo {

namespace {

constexpr int kFollow = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
constexpr int kNoFollow = kFollow | O_NOFOLLOW;

bool isPersonal(const std::string& label) {
    return label == "Downloads" || label == "Documents" || label == "Desktop" ||
           label == "Pictures" || label == "Videos" || label == "Music";
}

// Labels a root of `role` is not compared with: itself, and for personal folders each other
// (two of them naming one folder is a common setting, handled where they are walked).
bool skipped(RootRole role, const std::string& label) {
    switch (role) {
        case RootRole::cache:
            return label == "cache";
        case RootRole::trash:
            return label == "Trash";
        case RootRole::personal:
            return isPersonal(label);
        case RootRole::logs:
        case RootRole::outputs:
        case RootRole::sandboxCache:
            return false;
        case RootRole::projects:
            return label != "home";
    }
    return false;
}

unsigned homeOwner(const Layout& layout) {
    struct stat st {};
    if (::stat(layout.home.c_str(), &st) == 0) return st.st_uid;
    return ::geteuid();
}

}  // namespace

std::string describe(const RootProblem& problem, const std::string& folderText) {
    switch (problem.reason) {
        case RootRefusal::missing:
            return folderText + " does not exist";
        case RootRefusal::unreadable:
            return folderText + " cannot be opened as a folder";
        case RootRefusal::fileSystemRoot:
            return folderText + " is the root of the file system";
        case RootRefusal::home:
            return folderText + " is the home folder";
        case RootRefusal::holdsHome:
            return folderText + " holds the home folder";
        case RootRefusal::layoutFolder:
            return folderText + " is the " + problem.other + " folder";
        case RootRefusal::holdsLayoutFolder:
            return folderText + " holds the " + problem.other + " folder";
        case RootRefusal::notOwned:
            return folderText + " is not owned by the owner of the home folder";
        case RootRefusal::insideTrash:
            return folderText + " is in the Trash";
    }
    return folderText;
}

LayoutRoots::LayoutRoots(const Layout& layout) : owner_(homeOwner(layout)) {
    if (auto st = statEntry(AT_FDCWD, "/")) {
        rootDev_ = st->dev;
        rootIno_ = st->ino;
        rootKnown_ = true;
    }
    learn("home", layout.home);
    learn("config", layout.configHome);
    learn("cache", layout.cacheHome);
    learn("data", layout.dataHome);
    learn("state", layout.stateHome);
    learn("Trash", layout.trash);
    learn("Trash", layout.trashFiles);
    const std::pair<const char*, const std::optional<Path>*> personal[] = {
        {"Downloads", &layout.downloads}, {"Documents", &layout.documents},
        {"Desktop", &layout.desktop},     {"Pictures", &layout.pictures},
        {"Videos", &layout.movies},       {"Music", &layout.music},
    };
    for (const auto& [label, folder] : personal)
        if (*folder) learn(label, **folder);
}

// Notes the identity of `folder` and of every folder above it, up to "/".
void LayoutRoots::learn(const std::string& label, const Path& folder) {
    bool itself = true;
    climbFolders(::open(folder.c_str(), kFollow), [&](const FileStatus& st) {
        known_.push_back({label, itself, st.dev, st.ino});
        itself = false;
        return false;
    });
}

std::variant<CheckedRoot, RootProblem> LayoutRoots::open(const Path& folder, RootRole role) const {
    // Resolved once; what is opened is what gets checked and used, whatever changes after.
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(folder.c_str(), nullptr),
                                                         &std::free);
    if (!resolved)
        return RootProblem{
            folder, errno == ENOENT ? RootRefusal::missing : RootRefusal::unreadable, {}};
    return check(UniqueFd(::open(resolved.get(), kNoFollow)), folder, role);
}

std::variant<CheckedRoot, RootProblem> LayoutRoots::openBelow(int dirfd, const Path& relative,
                                                              const Path& folder,
                                                              RootRole role) const {
    if (relative.empty() || relative.is_absolute())
        return RootProblem{folder, RootRefusal::unreadable, {}};
    return check(UniqueFd(openFolderEntry(dirfd, relative.c_str())), folder, role);
}

std::variant<CheckedRoot, RootProblem> LayoutRoots::check(UniqueFd fd, const Path& folder,
                                                          RootRole role) const {
    auto refuse = [&](RootRefusal reason, std::string other = {}) {
        return RootProblem{folder, reason, std::move(other)};
    };
    auto st = fd ? statDescriptor(fd.get()) : std::nullopt;
    if (!st) return refuse(errno == ENOENT ? RootRefusal::missing : RootRefusal::unreadable);

    auto is = [&](const Known& k) { return k.dev == st->dev && k.ino == st->ino; };
    if (rootKnown_ && st->dev == rootDev_ && st->ino == rootIno_)
        return refuse(RootRefusal::fileSystemRoot);
    for (const Known& k : known_) {
        if (k.label != "home" || !is(k)) continue;
        if (role == RootRole::projects && k.itself) break;  // the walk for projects starts here
        return refuse(k.itself ? RootRefusal::home : RootRefusal::holdsHome);
    }
    for (const Known& k : known_)
        if (k.label != "home" && !skipped(role, k.label) && is(k))
            return refuse(k.itself ? RootRefusal::layoutFolder : RootRefusal::holdsLayoutFolder,
                          k.label);
    struct stat owner {};
    if (::fstat(fd.get(), &owner) != 0 || owner.st_uid != owner_)
        return refuse(RootRefusal::notOwned);
    return CheckedRoot{std::move(fd), folder, *st};
}

bool LayoutRoots::isSystemFolder(const Path& target) const {
    struct statx sx {};
    if (::statx(AT_FDCWD, target.c_str(), AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_INO, &sx) != 0 ||
        !S_ISDIR(sx.stx_mode))
        return false;
    const std::uint64_t dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    if (rootKnown_ && dev == rootDev_ && sx.stx_ino == rootIno_) return true;
    for (const Known& k : known_)
        if (k.dev == dev && k.ino == sx.stx_ino) return true;
    if (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT)
        return (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
    // Kernels before 5.8 do not say: a folder on another device than its parent is mounted.
    struct stat parent {};
    return ::stat((target / "..").c_str(), &parent) != 0 || parent.st_dev != dev;
}

}  // namespace tornivo
