#pragma once
// Depth-first walk of a folder tree below its root, in pre-order: each directory's entries in the
// order the file system lists them, descending into a subdirectory as soon as it is met.
//
// - Symbolic links are reported as entries and never followed.
// - A directory on another mount (also a bind mount of the same file system) is neither
//   reported nor entered.
// - Unreadable directories contribute nothing; the walk goes on.
// - A folder the listing names as one is opened first, relative to its parent, without following
//   a link or crossing a mount (openat2), and its status is read from that descriptor: the
//   folder the visitor is told of is the one entered, and it costs one status read, not two.
//   Any other entry is read with statx; a folder among them (the file system did not name its
//   type, or the open failed) is opened only when entered, and checked then to be the entry
//   that was listed (device and inode). Either way, swapping a folder for a link mid-walk leads
//   nowhere.
// - Open descriptors stay bounded whatever the depth: ancestors beyond the budget are closed and
//   re-opened through ".." (checked against their recorded identity) on the way back up.

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <deque>
#include <functional>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

#include "models/ScanReport.h"
#include "platform/DirectoryReader.h"
#include "platform/FileStatus.h"

namespace tornivo {

class TreeWalker {
  public:
    struct Entry {
        int dirfd;         // the open directory that holds the entry
        const char* name;  // NUL-terminated name inside dirfd
        std::size_t length;
        const FileStatus& status;
        int depth;                           // 1 for the root's own children
        std::uint64_t folderDev, folderIno;  // identity of the directory that holds the entry
    };

    explicit TreeWalker(std::size_t descriptorBudget = 48) : budget_(descriptorBudget) {}

    // Hears of each folder the walk leaves out: one on another mount, or one that cannot be
    // opened. Called rarely, so a function object is cheap enough.
    using SkipObserver = std::function<void(const TreeWalker&, const Entry&, UnreadReason)>;
    void onSkip(SkipObserver observer) { onSkip_ = std::move(observer); }

    // A walk asked to stop ends at the next folder it would read; what it met so far stays met.
    void setStop(std::stop_token stop) { stop_ = std::move(stop); }
    bool stopped() const { return stop_.stop_requested(); }

    // Walks below `root`. The visitor is called as `bool visitor(const Entry&)` for every entry;
    // for a directory its answer says whether to descend. Returns false when the root cannot be
    // opened as a directory (a final symbolic link is not followed).
    template <class Visitor>
    bool walk(const Path& root, Visitor&& visitor);
    // The same below a directory already open (the descriptor stays the caller's).
    template <class Visitor>
    bool walk(int rootFd, const Path& rootPath, Visitor&& visitor);
    // The same when the open directory's status is already known (a folder handed over by
    // another walker, read as it was opened): no second status read.
    template <class Visitor>
    bool walk(int rootFd, const Path& rootPath, const FileStatus& rootStatus, Visitor&& visitor);

    // An open descriptor of the folder `entry`, which the caller then owns, for a visitor that
    // hands the folder elsewhere instead of letting the walk descend: the one the walk already
    // opened, or one opened now and checked to be the entry listed. -1 when it cannot be opened.
    // Only during the visitor's call for that entry.
    int takeFolder(const Entry& entry);

    // Full path of an entry reported during the current walk (built only when asked for).
    Path pathOf(const Entry& entry) const;

    // Where an entry stands in the walk's order: the position of each ancestor in its parent's
    // listing, then the entry's own, after the walk's prefix. Comparing two keys
    // lexicographically tells which entry a single-threaded walk meets first, so walks split
    // over threads can put what they found back in the sequential order.
    using OrderKey = std::vector<std::uint32_t>;
    OrderKey orderKey(const Entry& entry) const;
    // The key of the walk's root, prepended to every key (for a subtree handed to a thread).
    void setOrderPrefix(OrderKey prefix) { prefix_ = std::move(prefix); }
    // Name of the directory the walk is in (the root's last component at depth 0).
    std::string_view currentFolderName() const;

    // A folder given away by shareShallowFolder: an open descriptor the receiver owns, with
    // the folder's status, path and order key.
    struct SharedFolder {
        int fd = -1;
        FileStatus status;
        Path path;
        OrderKey key;
    };
    // Gives away the shallowest folder this walk has listed but not reached yet, strictly above
    // the entry being visited, for a walker with nothing to do: the shallower a folder, the more
    // work it usually holds, so walkers hand each other work less often. The folder is visited
    // now (`visitor`, told of it as the walk would have, with its own path, key and depth; its
    // answer says whether to give it away) and skipped when the walk gets to it. Only from
    // within the visitor's call for an entry; false when there is no such folder to give.
    template <class Visitor>
    bool shareShallowFolder(Visitor&& visitor, SharedFolder& out);

  private:
    struct Frame {
        int fd = -1;
        bool ownsFd = true;
        std::uint64_t dev = 0, ino = 0;
        std::string names;  // each entry: its DT_* type byte, its name, a NUL
        std::size_t next = 0;
        std::uint32_t position = 0;  // listing position of the entry last taken from `names`
        std::size_t nameOffset = 0;  // of this directory's own name in the parent's `names`
        std::size_t nameLength = 0;
        // Where shareShallowFolder looks next for a folder to give away, and that entry's
        // listing position: nothing before it is a folder still to give.
        std::size_t shareFrom = 0;
        std::uint32_t sharePosition = 0;
    };
    // The type byte of an entry given away: the walk counts it and goes past.
    static constexpr unsigned char kGivenAway = 0xff;

    template <class Visitor>
    bool walkFrom(int rootFd, const Path& rootPath, const FileStatus& rootStatus,
                  Visitor&& visitor);
    // The next entry listed as a folder in `frame`, from its shareFrom on: its offset in
    // `names` (of the name, past the type byte) and position; false when none is left.
    bool nextListedFolder(Frame& frame, std::size_t& offset, std::uint32_t& position);

    bool readNames(Frame& frame);
    // The status of `name` in `dirfd`; a folder named as one is opened first, kept in opened_.
    std::optional<FileStatus> statOrOpen(int dirfd, const char* name, unsigned char type);
    void dropOpened();
    bool openChild(std::size_t parentIndex, const char* name, const FileStatus& st);
    bool reopenParent(std::size_t childIndex);
    void closeFrame(Frame& frame);

    std::size_t budget_;
    std::size_t openCount_ = 0;
    // Kept between walks so their buffers are reused. A deque, because names are read in place
    // from a frame while deeper frames are added.
    std::deque<Frame> frames_;
    std::size_t depth_ = 0;  // frames_[0 .. depth_) are live
    int opened_ = -1;        // the folder entry being visited, when opened ahead
    std::uint64_t rootDev_ = 0;
    Path rootPath_;
    // The root's last component, worked out when first asked for: walks handed from thread to
    // thread start often and most never ask.
    mutable std::string rootName_;
    mutable bool rootNamed_ = false;
    OrderKey prefix_;
    DirectoryReader reader_;
    SkipObserver onSkip_;
    std::stop_token stop_;
};

template <class Visitor>
bool TreeWalker::walk(const Path& root, Visitor&& visitor) {
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = walk(fd, root, std::forward<Visitor>(visitor));
    ::close(fd);
    return ok;
}

template <class Visitor>
bool TreeWalker::walk(int rootFd, const Path& rootPath, Visitor&& visitor) {
    auto rootStatus = statDescriptor(rootFd);
    if (!rootStatus) return false;
    return walkFrom(rootFd, rootPath, *rootStatus, std::forward<Visitor>(visitor));
}

template <class Visitor>
bool TreeWalker::walk(int rootFd, const Path& rootPath, const FileStatus& rootStatus,
                      Visitor&& visitor) {
    return walkFrom(rootFd, rootPath, rootStatus, std::forward<Visitor>(visitor));
}

template <class Visitor>
bool TreeWalker::walkFrom(int rootFd, const Path& rootPath, const FileStatus& rootStatus,
                          Visitor&& visitor) {
    if (!rootStatus.isDirectory()) return false;
    rootDev_ = rootStatus.dev;
    rootPath_ = rootPath;
    rootNamed_ = false;
    openCount_ = 0;
    depth_ = 1;
    if (frames_.empty()) frames_.emplace_back();
    Frame& root = frames_[0];
    root.fd = rootFd;
    root.ownsFd = false;
    root.dev = rootStatus.dev;
    root.ino = rootStatus.ino;
    readNames(root);

    while (depth_ > 0) {
        std::size_t top = depth_ - 1;
        Frame& frame = frames_[top];
        if (frame.next >= frame.names.size()) {
            // Done with this directory: make sure its parent is open before letting go of it.
            if (top > 0 && frames_[top - 1].fd < 0 && !reopenParent(top)) {
                // The tree moved under us; nothing above can be trusted any more.
                for (std::size_t i = depth_; i-- > 0;) closeFrame(frames_[i]);
                depth_ = 0;
                break;
            }
            closeFrame(frame);
            --depth_;
            continue;
        }
        const auto type = static_cast<unsigned char>(frame.names[frame.next]);
        const char* name = frame.names.data() + frame.next + 1;
        std::size_t length = std::char_traits<char>::length(name);
        std::size_t offset = frame.next + 1;
        if (frame.next > 0) ++frame.position;
        frame.next += length + 2;
        if (type == kGivenAway) continue;

        auto st = statOrOpen(frame.fd, name, type);
        if (!st) continue;
        Entry entry{frame.fd, name, length, *st, static_cast<int>(depth_), frame.dev, frame.ino};
        if (st->isDirectory() && (st->isMountRoot || st->dev != rootDev_)) {
            dropOpened();
            if (onSkip_) onSkip_(*this, entry, UnreadReason::otherFileSystem);
            continue;
        }
        bool descend = visitor(static_cast<const Entry&>(entry));
        if (!descend || !st->isDirectory()) {
            dropOpened();
            continue;
        }
        // Checked at each folder: often enough to stop within a blink, rarely enough to cost
        // nothing (one atomic read).
        if (stop_.stop_requested()) {
            dropOpened();
            for (std::size_t i = depth_; i-- > 0;) closeFrame(frames_[i]);
            depth_ = 0;
            break;
        }
        if (!openChild(top, name, *st)) {
            if (onSkip_) onSkip_(*this, entry, UnreadReason::unreadable);
            continue;
        }
        Frame& child = frames_[depth_ - 1];
        child.nameOffset = offset;
        child.nameLength = length;
        readNames(child);
    }
    return true;
}

template <class Visitor>
bool TreeWalker::shareShallowFolder(Visitor&& visitor, SharedFolder& out) {
    if (depth_ < 2 || stop_.stop_requested()) return false;
    // Frames above the entry being visited (the last one's rest lies no higher than the entry).
    for (std::size_t level = 0; level + 1 < depth_; ++level) {
        Frame& frame = frames_[level];
        if (frame.fd < 0) continue;  // closed for the descriptor budget: its folders wait
        std::size_t offset;
        std::uint32_t position;
        while (nextListedFolder(frame, offset, position)) {
            frame.names[offset - 1] = static_cast<char>(kGivenAway);
            const char* name = frame.names.data() + offset;
            const int visiting = std::exchange(opened_, -1);  // the entry being visited's
            auto st = statOrOpen(frame.fd, name, DT_DIR);
            if (!st) {
                opened_ = visiting;
                continue;
            }
            // Told of as the walk would have told: as if it stood at that folder's level.
            const std::size_t depth = std::exchange(depth_, level + 1);
            const std::uint32_t taken = std::exchange(frame.position, position);
            Entry entry{frame.fd,
                        name,
                        std::char_traits<char>::length(name),
                        *st,
                        static_cast<int>(level + 1),
                        frame.dev,
                        frame.ino};
            int fd = -1;
            if (st->isDirectory() && (st->isMountRoot || st->dev != rootDev_)) {
                dropOpened();
                if (onSkip_) onSkip_(*this, entry, UnreadReason::otherFileSystem);
            } else if (visitor(static_cast<const Entry&>(entry)) && st->isDirectory()) {
                fd = takeFolder(entry);
                if (fd < 0 && onSkip_) onSkip_(*this, entry, UnreadReason::unreadable);
                if (fd >= 0) out = {fd, *st, pathOf(entry), orderKey(entry)};
            }
            dropOpened();
            opened_ = visiting;
            frame.position = taken;
            depth_ = depth;
            if (fd >= 0) return true;
        }
    }
    return false;
}

}  // namespace tornivo
