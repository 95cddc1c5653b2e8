#include "platform/TreeWalker.h"

#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

#include <utility>

namespace tornivo {

bool TreeWalker::readNames(Frame& frame) {
    frame.names.clear();
    frame.next = 0;
    frame.position = 0;
    frame.shareFrom = 0;
    frame.sharePosition = 0;
    reader_.reset(frame.fd);
    DirectoryReader::Entry e;
    while (reader_.next(e)) {
        frame.names.push_back(static_cast<char>(e.type));
        frame.names.append(e.name, e.length);
        frame.names.push_back('\0');
    }
    return !reader_.failed();
}

bool TreeWalker::nextListedFolder(Frame& frame, std::size_t& offset, std::uint32_t& position) {
    if (frame.shareFrom < frame.next) {
        frame.shareFrom = frame.next;
        frame.sharePosition = frame.next > 0 ? frame.position + 1 : 0;
    }
    while (frame.shareFrom < frame.names.size()) {
        const auto type = static_cast<unsigned char>(frame.names[frame.shareFrom]);
        const std::size_t at = frame.shareFrom + 1;
        const std::uint32_t here = frame.sharePosition;
        frame.shareFrom = at + std::char_traits<char>::length(frame.names.data() + at) + 1;
        ++frame.sharePosition;
        if (type == DT_DIR) {
            offset = at;
            position = here;
            return true;
        }
    }
    return false;
}

std::optional<FileStatus> TreeWalker::statOrOpen(int dirfd, const char* name, unsigned char type) {
    if (type == DT_DIR) {
        const int fd = openFolderEntry(dirfd, name);
        if (fd >= 0) {
            auto st = statDescriptor(fd);
            if (st && st->isDirectory()) {
                opened_ = fd;
                return st;
            }
            ::close(fd);
        }
        // A mount (refused by the open), an unreadable folder, or no longer a folder: what the
        // entry is now tells.
    }
    return statEntry(dirfd, name);
}

void TreeWalker::dropOpened() {
    if (opened_ >= 0) ::close(opened_);
    opened_ = -1;
}

int TreeWalker::takeFolder(const Entry& entry) {
    if (opened_ >= 0) return std::exchange(opened_, -1);
    return openListedDirectory(entry.dirfd, entry.name, entry.status);
}

bool TreeWalker::openChild(std::size_t parentIndex, const char* name, const FileStatus& st) {
    int fd = opened_ >= 0 ? std::exchange(opened_, -1)
                          : openListedDirectory(frames_[parentIndex].fd, name, st);
    if (fd < 0) return false;
    // Keep descriptors bounded: close the shallowest open ancestor (never the root's, which is
    // the caller's) and re-open it through ".." later.
    if (openCount_ >= budget_) {
        for (std::size_t i = 1; i < depth_; ++i) {
            if (frames_[i].fd >= 0) {
                closeFrame(frames_[i]);
                break;
            }
        }
    }
    if (frames_.size() <= depth_) frames_.emplace_back();
    Frame& child = frames_[depth_++];
    child.fd = fd;
    child.ownsFd = true;
    child.dev = st.dev;
    child.ino = st.ino;
    ++openCount_;
    return true;
}

bool TreeWalker::reopenParent(std::size_t childIndex) {
    Frame& parent = frames_[childIndex - 1];
    int fd = openKnownParent(frames_[childIndex].fd, parent.dev, parent.ino);
    if (fd < 0) return false;
    parent.fd = fd;
    parent.ownsFd = true;
    ++openCount_;
    return true;
}

void TreeWalker::closeFrame(Frame& frame) {
    if (frame.fd >= 0 && frame.ownsFd) {
        ::close(frame.fd);
        --openCount_;
    }
    frame.fd = -1;
}

Path TreeWalker::pathOf(const Entry& entry) const {
    std::string path = rootPath_.native();
    for (std::size_t i = 1; i < depth_; ++i) {
        const Frame& f = frames_[i];
        if (path.empty() || path.back() != '/') path.push_back('/');
        path.append(frames_[i - 1].names, f.nameOffset, f.nameLength);
    }
    if (path.empty() || path.back() != '/') path.push_back('/');
    path.append(entry.name, entry.length);
    return Path(std::move(path));
}

TreeWalker::OrderKey TreeWalker::orderKey(const Entry&) const {
    // Every live frame's position is that of the entry being visited or descended into.
    OrderKey key = prefix_;
    key.reserve(prefix_.size() + depth_);
    for (std::size_t i = 0; i < depth_; ++i) key.push_back(frames_[i].position);
    return key;
}

std::string_view TreeWalker::currentFolderName() const {
    if (depth_ <= 1) {
        if (!rootNamed_) {
            const Path normal = rootPath_.lexically_normal();
            rootName_ = normal.filename().native();
            if (rootName_.empty()) rootName_ = normal.parent_path().filename().native();
            rootNamed_ = true;
        }
        return rootName_;
    }
    const Frame& f = frames_[depth_ - 1];
    return std::string_view(frames_[depth_ - 2].names).substr(f.nameOffset, f.nameLength);
}

}  // namespace tornivo

#include <thread>

#include "platform/ParallelTreeWalk.h"

namespace tornivo {

unsigned defaultWalkThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

bool lowerWalkHelperPriority() {
    // PRIO_PROCESS with a thread's ID sets that thread's nice value alone on Linux.
    const auto self = static_cast<id_t>(::gettid());
    errno = 0;
    const int now = ::getpriority(PRIO_PROCESS, self);
    if (errno != 0) return false;
    return now >= kWalkHelperNice || ::setpriority(PRIO_PROCESS, self, kWalkHelperNice) == 0;
}

}  // namespace tornivo
