#include "platform/SafeRemover.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <string>

#include "platform/Descriptor.h"
#include "platform/DirectoryReader.h"
#include "platform/FileStatus.h"

namespace tornivo {

namespace {

constexpr std::size_t kDescriptorBudget = 48;

class TreeRemover {
  public:
    TreeRemover(std::uint64_t rootDev) : rootDev_(rootDev) {}

    // Empties the directory open as `rootFd` (which stays the caller's). True when every entry
    // below it was removed.
    bool emptyDirectory(int rootFd, const FileStatus& rootStatus) {
        frames_.clear();
        Frame& root = push(rootFd, rootStatus, false);
        readNames(root);
        while (!frames_.empty()) {
            Frame& top = frames_.back();
            if (top.next >= top.names.size()) {
                if (!finishTop()) return false;
                continue;
            }
            const char* name = top.names.data() + top.next;
            std::size_t length = std::char_traits<char>::length(name);
            std::size_t offset = top.next;
            top.next += length + 1;

            auto st = statEntry(top.fd, name);
            if (!st) {
                if (errno != ENOENT) fail(leftReasonOf(errno));  // gone already is fine
                continue;
            }
            if (!st->isDirectory()) {
                if (::unlinkat(top.fd, name, 0) != 0 && errno != ENOENT) fail(leftReasonOf(errno));
                continue;
            }
            if (st->isMountRoot || st->dev != rootDev_) {
                fail(LeftReason::otherFileSystem);  // never entered, so never removed
                continue;
            }
            int fd = openListedDirectory(top.fd, name, *st);
            if (fd < 0) {
                fail(leftReasonOf(errno));
                continue;
            }
            limitDescriptors();
            Frame& child = push(fd, *st, true);
            child.nameOffset = offset;
            child.nameLength = length;
            readNames(child);
        }
        return ok_;
    }

    // The first reason something stayed.
    LeftReason reason() const { return reason_; }

  private:
    void fail(LeftReason reason) {
        if (ok_) reason_ = reason;
        ok_ = false;
    }

    struct Frame {
        int fd = -1;
        bool owned = true;
        std::uint64_t dev = 0, ino = 0;
        std::string names;
        std::size_t next = 0;
        std::size_t nameOffset = 0, nameLength = 0;
    };

    Frame& push(int fd, const FileStatus& st, bool owned) {
        Frame& f = frames_.emplace_back();
        f.fd = fd;
        f.owned = owned;
        f.dev = st.dev;
        f.ino = st.ino;
        if (owned) ++open_;
        return f;
    }

    void readNames(Frame& f) {
        reader_.reset(f.fd);
        DirectoryReader::Entry e;
        while (reader_.next(e)) {
            f.names.append(e.name, e.length);
            f.names.push_back('\0');
        }
        if (reader_.failed()) fail(LeftReason::failed);
    }

    void close(Frame& f) {
        if (f.fd >= 0 && f.owned) {
            ::close(f.fd);
            --open_;
        }
        f.fd = -1;
    }

    // Closes the shallowest open ancestor (never the caller's root) when over budget.
    void limitDescriptors() {
        if (open_ < kDescriptorBudget) return;
        for (std::size_t i = 1; i < frames_.size(); ++i) {
            if (frames_[i].fd >= 0) {
                close(frames_[i]);
                return;
            }
        }
    }

    // Leaves the finished top directory: removes it from its parent. False when the walk
    // cannot go on safely.
    bool finishTop() {
        if (frames_.size() == 1) {
            close(frames_.back());
            frames_.pop_back();
            return true;
        }
        Frame& top = frames_.back();
        Frame& parent = frames_[frames_.size() - 2];
        if (parent.fd < 0) {
            // Re-open the parent through ".." and make sure it is still the same directory: if
            // the tree was moved meanwhile, stop rather than act on the wrong folder.
            int fd = openKnownParent(top.fd, parent.dev, parent.ino);
            if (fd < 0) {
                abandon();
                return false;
            }
            parent.fd = fd;
            parent.owned = true;
            ++open_;
        }
        close(top);
        const char* name = parent.names.data() + top.nameOffset;
        if (::unlinkat(parent.fd, name, AT_REMOVEDIR) != 0 && errno != ENOENT)
            fail(leftReasonOf(errno));
        frames_.pop_back();
        return true;
    }

    void abandon() {
        for (auto& f : frames_) close(f);
        frames_.clear();
        fail(LeftReason::changed);  // the tree moved under the removal
    }

    std::uint64_t rootDev_;
    std::deque<Frame> frames_;
    std::size_t open_ = 0;
    bool ok_ = true;
    LeftReason reason_ = LeftReason::failed;
    DirectoryReader reader_;
};

}  // namespace

SafeRemover::Result SafeRemover::remove(const Path& location) {
    // "folder/" names the folder; for a link, "link/" would name its target, and since links are
    // never followed the name is taken without the slash (a link is then refused as such).
    std::string text = location.lexically_normal().native();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    Path normal(text);
    std::string name = normal.filename().native();
    if (name.empty() || name == "." || name == "..") return {};
    Path parent = normal.parent_path();
    if (parent.empty()) parent = ".";

    UniqueFd parentFd(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parentFd) return {false, leftReasonOf(errno)};
    return removeAt(parentFd.get(), name.c_str());
}

SafeRemover::Result SafeRemover::removeAt(int parentFd, const char* name, GivenLink link) {
    std::string_view n(name);
    if (n.empty() || n == "." || n == ".." || n.find('/') != std::string_view::npos) return {};
    auto st = statEntry(parentFd, name);
    if (!st) return {false, leftReasonOf(errno)};
    auto parentSt = statDescriptor(parentFd);
    if (!parentSt) return {};
    auto unlinked = [&](int flags) -> Result {
        if (::unlinkat(parentFd, name, flags) == 0) return {true, LeftReason::failed};
        return {false, leftReasonOf(errno)};
    };
    if (st->isSymlink())  // a link given as the thing to remove: only as a link, when asked
        return link == GivenLink::removeAsLink ? unlinked(0) : Result{false, LeftReason::changed};
    if (!st->isDirectory()) return unlinked(0);
    // A mount point is not ours to remove.
    if (st->isMountRoot || st->dev != parentSt->dev) return {false, LeftReason::otherFileSystem};
    UniqueFd fd(openListedDirectory(parentFd, name, *st));
    if (!fd) return {false, leftReasonOf(errno)};
    TreeRemover remover(st->dev);
    if (!remover.emptyDirectory(fd.get(), *st)) return {false, remover.reason()};
    fd.reset();
    return unlinked(AT_REMOVEDIR);
}

}  // namespace tornivo
