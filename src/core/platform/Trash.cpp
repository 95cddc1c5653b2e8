#include "platform/Trash.h"

#include <fcntl.h>
#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <variant>

#include "platform/FileStatus.h"
#include "platform/LayoutRoots.h"

namespace tornivo {

namespace {

constexpr int kFolder = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr std::size_t kNameMax = 255;
constexpr std::string_view kInfoSuffix = ".trashinfo";

// The folder `name` of `dirfd`, made (mode 0700) when missing; never through a link, and only
// when `owner` owns it.
UniqueFd openOrMake(int dirfd, const char* name, uid_t owner) {
    if (::mkdirat(dirfd, name, 0700) != 0 && errno != EEXIST) return UniqueFd();
    UniqueFd fd(::openat(dirfd, name, kFolder));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || st.st_uid != owner) return UniqueFd();
    return fd;
}

std::string restoreRecord(const Path& original) {
    char* escaped = g_uri_escape_string(original.c_str(), "/", FALSE);
    std::string path(escaped);
    g_free(escaped);
    char date[32];
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &tm);
    return "[Trash Info]\nPath=" + path + "\nDeletionDate=" + date + "\n";
}

// The n-th name to try in the Trash for an entry called `name` ("name", "name.2", ...), short
// enough that its restore record's name fits in a directory entry.
std::string candidate(const std::string& name, int n) {
    const std::string suffix = n == 1 ? std::string() : "." + std::to_string(n);
    const std::size_t room = kNameMax - kInfoSuffix.size() - suffix.size();
    return name.substr(0, std::min(name.size(), room)) + suffix;
}

bool isEntry(int dirfd, const std::string& name, const FileIdentity& listed) {
    auto st = statEntry(dirfd, name.c_str());
    return st && isStill(*st, listed);
}

Path descriptorPath(int fd) {
    char buffer[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), buffer, sizeof buffer);
    return n > 0 ? Path(std::string(buffer, static_cast<std::size_t>(n))) : Path();
}

}  // namespace

Trash::Trash(Layout layout) : layout_(std::move(layout)) {}
Trash::~Trash() = default;

Trash::Bin& Trash::homeBin() {
    if (home_) return *home_;
    home_.emplace();
    Bin& bin = *home_;
    const LayoutRoots roots(layout_);
    auto opened = roots.open(layout_.trash, RootRole::trash);
    if (auto* problem = std::get_if<RootProblem>(&opened);
        problem && problem->reason == RootRefusal::missing) {
        std::error_code ec;
        std::filesystem::create_directories(layout_.trash.parent_path(), ec);
        ::mkdir(layout_.trash.c_str(), 0700);
        opened = roots.open(layout_.trash, RootRole::trash);
    }
    auto* root = std::get_if<CheckedRoot>(&opened);
    struct stat rootSt {};
    if (!root || ::fstat(root->fd.get(), &rootSt) != 0) return bin;
    // The Trash was checked to be the home owner's; what is inside must be theirs too.
    const uid_t owner = rootSt.st_uid;
    if (layout_.kind == LayoutKind::freedesktop) {
        bin.files = openOrMake(root->fd.get(), "files", owner);
        bin.info = openOrMake(root->fd.get(), "info", owner);
        if (!bin.info) return bin;
    } else {
        bin.files = std::move(root->fd);
    }
    auto st = bin.files ? statDescriptor(bin.files.get()) : std::nullopt;
    if (!st) return bin;
    bin.filesPath = layout_.trashFiles;
    bin.device = st->dev;
    bin.usable = true;
    return bin;
}

Trash::Bin& Trash::mountBin(int folderFd, std::uint64_t device) {
    auto [it, added] = mounts_.try_emplace(device);
    Bin& bin = it->second;
    if (!added || layout_.kind != LayoutKind::freedesktop) return bin;

    // The top of the mount the entry lies on, climbed to from its folder.
    UniqueFd top(::openat(folderFd, ".", kFolder));
    for (int level = 0; top && level < 4096; ++level) {
        auto st = statDescriptor(top.get());
        if (!st || st->dev != device) return bin;
        if (st->isMountRoot) break;
        UniqueFd parent(::openat(top.get(), "..", kFolder));
        auto up = parent ? statDescriptor(parent.get()) : std::nullopt;
        if (!up || up->dev != device || (up->ino == st->ino)) break;
        top = std::move(parent);
    }
    if (!top) return bin;
    // Never a Trash at the top of the system's own file system.
    if (auto st = statDescriptor(top.get()); !st || st->sameFile(*statEntry(AT_FDCWD, "/")))
        return bin;

    const uid_t uid = ::geteuid();
    const std::string uidText = std::to_string(uid);
    UniqueFd user;
    // $topdir/.Trash is shared only when an administrator made it so: a real folder with the
    // sticky bit. Anything else there (a link above all) is passed over.
    if (auto shared = statEntry(top.get(), ".Trash");
        shared && shared->isDirectory() && (shared->mode & S_ISVTX)) {
        UniqueFd sharedFd(::openat(top.get(), ".Trash", kFolder));
        if (sharedFd) user = openOrMake(sharedFd.get(), uidText.c_str(), uid);
    }
    if (!user) user = openOrMake(top.get(), (".Trash-" + uidText).c_str(), uid);
    if (!user) return bin;
    bin.files = openOrMake(user.get(), "files", uid);
    bin.info = openOrMake(user.get(), "info", uid);
    auto st = bin.files && bin.info ? statDescriptor(bin.files.get()) : std::nullopt;
    if (!st || st->dev != device) return bin;
    bin.filesPath = descriptorPath(bin.files.get());
    bin.device = device;
    bin.usable = true;
    return bin;
}

std::optional<std::string> Trash::moveInto(Bin& bin, int folderFd, const std::string& name,
                                           const Path& original, const FileIdentity& listed) {
    const std::string record = bin.info ? restoreRecord(original) : std::string();
    for (int n = 1; n <= 10'000; ++n) {
        const std::string target = candidate(name, n);
        const std::string infoName = target + std::string(kInfoSuffix);
        if (bin.info) {
            // The restore record first, complete, under a name nobody else holds.
            UniqueFd info(::openat(bin.info.get(), infoName.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
            if (!info) {
                if (errno == EEXIST) continue;
                return std::nullopt;
            }
            if (!writeAll(info.get(), record)) {
                ::unlinkat(bin.info.get(), infoName.c_str(), 0);
                return std::nullopt;
            }
        }
        auto dropRecord = [&] {
            if (bin.info) ::unlinkat(bin.info.get(), infoName.c_str(), 0);
        };
        if (::renameat2(folderFd, name.c_str(), bin.files.get(), target.c_str(),
                        RENAME_NOREPLACE) != 0) {
            const int error = errno;
            dropRecord();
            if (error == EEXIST) continue;
            errno = error;
            return std::nullopt;
        }
        // Something swapped in between the check and the move goes back where it was.
        if (!isEntry(bin.files.get(), target, listed)) {
            if (::renameat2(bin.files.get(), target.c_str(), folderFd, name.c_str(),
                            RENAME_NOREPLACE) == 0)
                dropRecord();
            errno = ESTALE;
            return std::nullopt;
        }
        return target;
    }
    errno = EEXIST;
    return std::nullopt;
}

std::optional<TrashedItem> Trash::moveAt(int folderFd, const std::string& name,
                                         const Path& original, const FileIdentity& listed) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        !original.is_absolute())
        return fail(LeftReason::failed);
    if (!isEntry(folderFd, name, listed)) return fail(LeftReason::changed);
    const std::uint64_t device = listed.device;

    Bin& home = homeBin();
    if (home.usable && home.device == device) {
        if (auto moved = moveInto(home, folderFd, name, original, listed))
            return TrashedItem{original, home.filesPath, *moved, listed.device, listed.inode};
        // A bind mount of the same file system goes on to its own Trash; anything else stays.
        if (errno != EXDEV) return fail(leftReasonOf(errno));
    } else {
        // What lies on the home's file system goes to the home Trash or nowhere: a refused
        // home Trash never sends it to the top of that file system instead.
        struct stat homeSt {};
        if (::stat(layout_.home.c_str(), &homeSt) != 0 || homeSt.st_dev == device)
            return fail(LeftReason::noTrash);
    }
    Bin& bin = mountBin(folderFd, device);
    if (!bin.usable) return fail(LeftReason::noTrash);
    if (auto moved = moveInto(bin, folderFd, name, original, listed))
        return TrashedItem{original, bin.filesPath, *moved, listed.device, listed.inode};
    return fail(leftReasonOf(errno));
}

bool isMountTrashName(std::string_view name) {
    return name == ".Trash" || name.starts_with(".Trash-");
}

bool insideTrash(const Path& folder, const Path& homeTrash) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(folder.c_str(), nullptr),
                                                         &std::free);
    if (!resolved) return false;
    // The home Trash by identity, so that any spelling of it (a link, a bind mount) is known.
    struct stat trash {};
    const bool trashKnown = !homeTrash.empty() && ::stat(homeTrash.c_str(), &trash) == 0;
    Path prefix("/");
    for (const Path& part : Path(resolved.get()).relative_path()) {
        if (isMountTrashName(part.native())) return true;
        prefix /= part;
        struct stat st {};
        if (trashKnown && ::stat(prefix.c_str(), &st) == 0 && st.st_dev == trash.st_dev &&
            st.st_ino == trash.st_ino)
            return true;
    }
    return false;
}

std::optional<TrashedItem> Trash::moveListed(const Path& location, const FileIdentity& listed) {
    if (!listed.known()) return fail(LeftReason::changed);
    std::string text = location.lexically_normal().native();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    const Path normal(text);
    // The folder however its path leads (a personal folder may be a link to another disk), as
    // long as it is the very folder the entry was listed in. Reached through a final link, the
    // move is recorded under the folder's own path, which the way back reaches without one.
    const Path parent = normal.parent_path();
    Path where = normal;
    UniqueFd folder(::open(parent.c_str(), kFolder));
    if (!folder && (errno == ELOOP || errno == ENOTDIR)) {
        folder = UniqueFd(::open(parent.c_str(), kFolder & ~O_NOFOLLOW));
        if (const Path real = folder ? descriptorPath(folder.get()) : Path(); real.is_absolute())
            where = real / normal.filename();
    }
    auto st = folder ? statDescriptor(folder.get()) : std::nullopt;
    if (!st || st->dev != listed.folderDevice || st->ino != listed.folderInode)
        return fail(LeftReason::changed);
    return moveAt(folder.get(), normal.filename().native(), where, listed);
}

}  // namespace tornivo
