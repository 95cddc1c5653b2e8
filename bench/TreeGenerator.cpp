#include "TreeGenerator.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <exception>
#include <iterator>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

namespace tornivo::bench {

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t Rng::below(std::uint64_t n) {
    // Multiply-shift: the bias is far below anything a benchmark tree could show.
    return static_cast<std::uint64_t>((static_cast<unsigned __int128>(next()) * n) >> 64);
}

std::uint64_t Rng::spread(std::uint64_t lo, std::uint64_t hi) {
    lo = std::max<std::uint64_t>(lo, 1);
    if (hi <= lo) return lo;
    int first = std::bit_width(lo) - 1;
    int last = std::bit_width(hi) - 1;
    int k = first + static_cast<int>(below(static_cast<std::uint64_t>(last - first + 1)));
    std::uint64_t from = std::max(lo, std::uint64_t{1} << k);
    std::uint64_t to = k >= 63 ? hi : std::min(hi, (std::uint64_t{1} << (k + 1)) - 1);
    return between(from, to);
}

std::uint64_t mixSeed(std::uint64_t a, std::uint64_t b) {
    Rng first(a);
    Rng second(first.next() ^ b);
    return second.next();
}

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// Writes every byte described by `iov`, resuming after short writes.
void writeAll(int fd, iovec* iov, int count, const char* name) {
    while (count > 0) {
        ssize_t n = ::writev(fd, iov, count);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(std::string("write ") + name);
        }
        auto done = static_cast<std::size_t>(n);
        while (count > 0 && done >= iov->iov_len) {
            done -= iov->iov_len;
            ++iov;
            --count;
        }
        if (count > 0) {
            iov->iov_base = static_cast<char*>(iov->iov_base) + done;
            iov->iov_len -= done;
        }
    }
}

timespec seconds(std::int64_t t) {
    return timespec{static_cast<time_t>(t), 0};
}

// Runs `task(stop, counted)` on `jobs` threads at once (at least one; this thread is one of
// them), each with a summary of its own, and adds what each counted to `total`. When a task
// throws, `stop` turns true for the others, which should then return soon; the first exception
// is thrown again here once all have finished.
template <class Task>
void runOnThreads(unsigned jobs, TreeSummary& total, Task task) {
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::exception_ptr error;
    auto work = [&] {
        TreeSummary local;
        try {
            task(stop, local);
        } catch (...) {
            stop = true;
            std::lock_guard lock(mutex);
            if (!error) error = std::current_exception();
        }
        std::lock_guard lock(mutex);
        total.files += local.files;
        total.emptyFiles += local.emptyFiles;
        total.symlinks += local.symlinks;
        total.contentBytes += local.contentBytes;
        total.largestFile = std::max(total.largestFile, local.largestFile);
    };
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < std::max(1U, jobs); ++t) threads.emplace_back(work);
    work();
    for (auto& t : threads) t.join();
    if (error) std::rethrow_exception(error);
}

}  // namespace

ContentPool::ContentPool(std::uint64_t seed) : bytes_(kSize) {
    Rng rng(seed);
    for (std::size_t i = 0; i < kSize; i += 8) {
        std::uint64_t v = rng.next();
        for (std::size_t b = 0; b < 8; ++b)
            bytes_[i + b] = static_cast<unsigned char>(v >> (8 * b));
    }
}

void ContentPool::writeFile(int dirfd, const char* name, std::uint64_t size,
                            std::uint64_t contentId, std::int64_t accessTime,
                            std::int64_t modificationTime) const {
    int fd = ::openat(dirfd, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) fail(std::string("create ") + name);

    // The id first (little-endian), then the pool from an offset the id picks, wrapping around:
    // a shorter file with the same id is a prefix of a longer one.
    unsigned char header[8];
    for (std::size_t b = 0; b < 8; ++b)
        header[b] = static_cast<unsigned char>(contentId >> (8 * b));
    std::size_t pos = Rng(contentId).next() % kSize;
    std::uint64_t remaining = size;
    constexpr int kMaxIov = 16;
    iovec iov[kMaxIov];
    int count = 0;
    std::size_t headerLength = static_cast<std::size_t>(std::min<std::uint64_t>(8, size));
    if (headerLength > 0) iov[count++] = {header, headerLength};
    remaining -= headerLength;
    while (remaining > 0 || count > 0) {
        while (remaining > 0 && count < kMaxIov) {
            auto chunk = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kSize - pos));
            iov[count++] = {const_cast<unsigned char*>(bytes_.data() + pos), chunk};
            remaining -= chunk;
            pos = (pos + chunk) % kSize;
        }
        writeAll(fd, iov, count, name);
        count = 0;
    }

    timespec times[2] = {seconds(accessTime), seconds(modificationTime)};
    if (::futimens(fd, times) != 0) fail(std::string("set times of ") + name);
    if (::close(fd) != 0) fail(std::string("close ") + name);
}

// ---------------------------------------------------------------------------------------------
// many-files

namespace {

// The tree's "today": every time stamp lies before it.
constexpr std::int64_t kToday = 1'704'067'200;  // 2024-01-01 00:00:00 UTC
constexpr std::uint64_t kSixYears = 6ULL * 365 * 24 * 3600;
// Percent of the folders at depths 2, 3, ... below the root (depth 1 holds the usual top-level
// folders only).
constexpr std::uint64_t kDepthShare[] = {6, 14, 20, 20, 15, 10, 7, 5, 3};

// Independent random streams, so adding draws to one never shifts another.
enum Stream : std::uint64_t {
    kPlanStream = 1,
    kEntryStream,
    kHardLinkStream,
    kFolderTimeStream,
    kPoolStream,
};

constexpr const char* kTopLevelNames[] = {
    "Documents", "Downloads", "Pictures", ".cache", ".config", "projects",
    "Music",     "Videos",    "Desktop",  ".local", "Games",   "Backups",
};
constexpr const char* kFolderNames[] = {
    "src",    "build",    "assets",        "photos",    "2019",   "2020",        "2021",
    "2022",   "2023",     "archive",       "notes",     "drafts", "old",         "misc",
    "lib",    "include",  "docs",          "test",      "data",   "tmp",         "node_modules",
    "vendor", "export",   "raw",           "edits",     "Camera", "Screenshots", "invoices",
    "scans",  "Album",    "Season 1",      "resources", "images", "thumbnails",  "logs",
    "backup", "My Stuff", "site-packages", "objects",   "icons",  "fonts",       "shared",
};
constexpr const char* kHiddenFolderNames[] = {
    ".git", ".cache", ".thumbnails", ".venv", ".idea", ".npm", ".config", ".gradle",
};
constexpr const char* kForeignFolderNames[] = {
    "Фотографии", "Résumés", "写真", "Überweisungen", "Música", "Ελληνικά",
};

struct FileKind {
    const char* stem;  // never ends with a digit, so stem + number + extension stays unique
    const char* extension;
    std::uint32_t weight;
};
constexpr FileKind kFileKinds[] = {
    {"IMG_", ".jpg", 18},     {"photo_", ".png", 6},     {"VID_", ".mp4", 3},
    {"document_", ".pdf", 8}, {"notes_", ".txt", 10},    {"README_", ".md", 4},
    {"module_", ".o", 10},    {"source_", ".cpp", 8},    {"header_", ".h", 6},
    {"archive_", ".zip", 2},  {"backup_", ".tar.gz", 1}, {"data_", ".json", 5},
    {"page_", ".html", 3},    {"run_", ".log", 4},       {"track_", ".mp3", 3},
    {"report_", ".docx", 2},  {"sheet_", ".xlsx", 1},    {"blob_", "", 6},
};
constexpr FileKind kLargeFileKinds[] = {
    {"VID_", ".mp4", 4},
    {"movie_", ".mkv", 2},
    {"disk_", ".iso", 1},
    {"backup_", ".tar.gz", 2},
};

template <std::size_t N>
const FileKind& pickKind(Rng& rng, const FileKind (&kinds)[N]) {
    std::uint64_t total = 0;
    for (const auto& k : kinds) total += k.weight;
    std::uint64_t roll = rng.below(total);
    for (const auto& k : kinds) {
        if (roll < k.weight) return k;
        roll -= k.weight;
    }
    return kinds[N - 1];
}

template <class T, std::size_t N>
T pick(Rng& rng, const T (&items)[N]) {
    return items[rng.below(N)];
}

struct Folder {
    std::uint32_t parent = 0;
    std::uint32_t depth = 0;  // 0 for the root
    std::string name;
    std::string path;  // relative to the root; "." for the root
    std::uint64_t firstEntry = 0;
    std::uint64_t entryCount = 0;
    std::vector<std::uint32_t> children;
};

struct Entry {
    bool symlink = false;
    std::string name;
    std::uint64_t size = 0;
    std::int64_t accessTime = 0;
    std::int64_t modificationTime = 0;
};

class ManyFiles {
  public:
    explicit ManyFiles(const TreeOptions& options)
        : options_(options), entrySeed_(mixSeed(options.seed, kEntryStream)) {
        planFolders();
        planEntries();
    }

    TreeSummary make(int rootFd) {
        makeFolders(rootFd);
        writeEntries(rootFd);
        makeHardLinks(rootFd);
        setFolderTimes(rootFd);  // last: every entry made above touched its folder's times
        summary_.folders = folders_.size() - 1;
        return summary_;
    }

  private:
    void planFolders() {
        Rng rng(mixSeed(options_.seed, kPlanStream));
        std::uint64_t count = options_.folders;
        folders_.reserve(count + 1);
        folders_.push_back(Folder{0, 0, "", ".", 0, 0, {}});
        std::vector<std::uint32_t> byDepth[std::size(kDepthShare) + 2];
        for (std::uint64_t i = 1; i <= count; ++i) {
            std::uint32_t parent = 0;
            std::string name;
            if (i <= std::size(kTopLevelNames)) {
                name = kTopLevelNames[i - 1];
            } else {
                // The depth first, then a parent one level up: half the time among the last
                // folders made there, which grows clusters like real projects, otherwise anywhere.
                std::uint64_t roll = rng.below(100), depth = 2;
                while (depth < std::size(kDepthShare) + 1 && roll >= kDepthShare[depth - 2]) {
                    roll -= kDepthShare[depth - 2];
                    ++depth;
                }
                while (byDepth[depth - 1].empty()) --depth;
                const auto& candidates = byDepth[depth - 1];
                std::uint64_t n = candidates.size();
                parent = candidates[rng.chance(500'000)
                                        ? rng.below(n)
                                        : n - 1 - rng.below(std::min<std::uint64_t>(32, n))];
                if (rng.chance(40'000))
                    name = pick(rng, kHiddenFolderNames);
                else if (rng.chance(10'000))
                    name = pick(rng, kForeignFolderNames);
                else
                    name = pick(rng, kFolderNames);
            }
            Folder& p = folders_[parent];
            bool taken = std::any_of(p.children.begin(), p.children.end(),
                                     [&](std::uint32_t c) { return folders_[c].name == name; });
            if (taken) name.append("-").append(std::to_string(p.children.size() + 1));
            Folder f;
            f.parent = parent;
            f.depth = p.depth + 1;
            f.path = parent == 0 ? name : p.path + "/" + name;
            f.name = std::move(name);
            p.children.push_back(static_cast<std::uint32_t>(i));
            byDepth[f.depth].push_back(static_cast<std::uint32_t>(i));
            folders_.push_back(std::move(f));
        }
    }

    // How many entries each folder holds: a tenth of the folders stay empty, a few hold hundreds
    // of files (photo and build folders), the rest a handful.
    void planEntries() {
        Rng rng(mixSeed(options_.seed, kPlanStream + 100));
        std::vector<std::uint64_t> weight(folders_.size());
        std::uint64_t total = 0;
        for (auto& w : weight) {
            if (rng.chance(100'000))
                w = 0;
            else if (rng.chance(20'000))
                w = rng.spread(100, 2000);
            else
                w = rng.spread(1, 32);
            total += w;
        }
        if (total == 0) weight[0] = total = 1;
        std::uint64_t assigned = 0;
        for (std::size_t f = 0; f < folders_.size(); ++f) {
            folders_[f].entryCount = static_cast<std::uint64_t>(
                static_cast<unsigned __int128>(options_.files) * weight[f] / total);
            assigned += folders_[f].entryCount;
        }
        // Each folder lost less than one entry to rounding: one more for the first ones.
        for (std::size_t f = 0; assigned < options_.files; ++f) {
            if (weight[f] == 0) continue;
            ++folders_[f].entryCount;
            ++assigned;
        }
        std::uint64_t first = 0;
        for (auto& f : folders_) {
            f.firstEntry = first;
            first += f.entryCount;
        }
    }

    // Everything about the `index`-th entry of `folder` but a link's target, from the entry's own
    // random stream.
    Entry drawEntry(std::uint64_t index, Rng& rng) const {
        Entry e;
        e.symlink = rng.chance(5'000);
        bool hidden = rng.chance(30'000);
        std::string number = std::to_string(index);
        if (e.symlink) {
            e.name = (hidden ? ".link_" : "link_") + number;
        } else {
            std::uint64_t roll = rng.below(1'000'000);
            const FileKind* kind;
            if (rng.below(20'000) == 0) {  // a few large files: videos, disk images, backups
                kind = &pickKind(rng, kLargeFileKinds);
                e.size = rng.spread(1 << 20, (32 << 20) - 1);
            } else {
                kind = &pickKind(rng, kFileKinds);
                if (roll < 100'000)
                    e.size = 0;
                else if (roll < 850'000)
                    e.size = rng.spread(1, (8 << 10) - 1);
                else if (roll < 990'000)
                    e.size = rng.spread(4 << 10, (16 << 10) - 1);
                else
                    e.size = rng.spread(16 << 10, (256 << 10) - 1);
            }
            if (hidden) e.name.push_back('.');
            e.name.append(kind->stem).append(number).append(kind->extension);
        }
        std::uint64_t age = rng.spread(3600, kSixYears);
        e.modificationTime = kToday - static_cast<std::int64_t>(age);
        e.accessTime = e.modificationTime + static_cast<std::int64_t>(rng.below(age + 1));
        return e;
    }

    Entry describe(std::uint32_t folder, std::uint64_t index) const {
        std::uint64_t globalIndex = folders_[folder].firstEntry + index;
        Rng rng(mixSeed(entrySeed_, globalIndex));
        return drawEntry(index, rng);
    }

    // Where a link points: a neighbour, the folder above (a loop for anything that follows links),
    // a folder elsewhere in the tree, a subfolder, or nothing at all.
    std::string linkTarget(std::uint32_t folder, std::uint64_t index, Rng& rng) const {
        const Folder& f = folders_[folder];
        std::string up;
        for (std::uint32_t d = 0; d < f.depth; ++d) up += "../";
        std::uint64_t roll = rng.below(100);
        if (roll < 35) {
            if (f.entryCount < 2) return std::string("missing_").append(std::to_string(index));
            std::uint64_t other = (index + 1 + rng.below(f.entryCount - 1)) % f.entryCount;
            return describe(folder, other).name;
        }
        if (roll < 55) return f.depth == 0 ? "." : "..";
        if (roll < 75 && folders_.size() > 1) {
            const Folder& target = folders_[1 + rng.below(folders_.size() - 1)];
            return up + target.path;
        }
        if (roll < 85) {
            if (f.children.empty()) return ".";
            return folders_[f.children[rng.below(f.children.size())]].name;
        }
        return up + "no-such-folder/gone_" + std::to_string(index);
    }

    void makeFolders(int rootFd) {
        for (std::size_t i = 1; i < folders_.size(); ++i)
            if (::mkdirat(rootFd, folders_[i].path.c_str(), 0755) != 0)
                fail("create folder " + folders_[i].path);
    }

    void writeFolder(int rootFd, std::uint32_t folder, const ContentPool& pool, TreeSummary& s) {
        const Folder& f = folders_[folder];
        if (f.entryCount == 0) return;
        int dirfd = ::openat(rootFd, f.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirfd < 0) fail("open folder " + f.path);
        struct Closer {
            int fd;
            ~Closer() { ::close(fd); }
        } closer{dirfd};
        for (std::uint64_t j = 0; j < f.entryCount; ++j) {
            std::uint64_t globalIndex = f.firstEntry + j;
            Rng rng(mixSeed(entrySeed_, globalIndex));
            Entry e = drawEntry(j, rng);
            if (e.symlink) {
                std::string target = linkTarget(folder, j, rng);
                if (::symlinkat(target.c_str(), dirfd, e.name.c_str()) != 0)
                    fail("create link " + f.path + "/" + e.name);
                timespec times[2] = {seconds(e.accessTime), seconds(e.modificationTime)};
                if (::utimensat(dirfd, e.name.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
                    fail("set times of " + f.path + "/" + e.name);
                ++s.symlinks;
            } else {
                pool.writeFile(dirfd, e.name.c_str(), e.size, globalIndex, e.accessTime,
                               e.modificationTime);
                ++s.files;
                if (e.size == 0) ++s.emptyFiles;
                s.contentBytes += e.size;
                s.largestFile = std::max(s.largestFile, e.size);
            }
        }
    }

    void writeEntries(int rootFd) {
        ContentPool pool(mixSeed(options_.seed, kPoolStream));
        std::atomic<std::size_t> next{0};
        constexpr std::size_t kChunk = 16;
        auto writeFolders = [&](const std::atomic<bool>& stop, TreeSummary& local) {
            while (!stop) {
                std::size_t first = next.fetch_add(kChunk);
                if (first >= folders_.size()) break;
                std::size_t last = std::min(first + kChunk, folders_.size());
                for (std::size_t f = first; f < last; ++f)
                    writeFolder(rootFd, static_cast<std::uint32_t>(f), pool, local);
            }
        };
        runOnThreads(options_.jobs, summary_, writeFolders);
    }

    // One extra name per ten thousand entries, for a non-empty regular file anywhere in the tree,
    // placed in a random folder.
    void makeHardLinks(int rootFd) {
        std::uint64_t count =
            options_.files < 100 ? 0 : std::max<std::uint64_t>(1, options_.files / 10'000);
        Rng rng(mixSeed(options_.seed, kHardLinkStream));
        for (std::uint64_t k = 0; k < count; ++k) {
            std::string target;
            for (int attempt = 0; attempt < 1000 && target.empty(); ++attempt) {
                std::uint64_t globalIndex = rng.below(options_.files);
                auto it = std::upper_bound(
                    folders_.begin(), folders_.end(), globalIndex,
                    [](std::uint64_t i, const Folder& f) { return i < f.firstEntry; });
                auto folder = static_cast<std::uint32_t>(std::distance(folders_.begin(), it) - 1);
                Entry e = describe(folder, globalIndex - folders_[folder].firstEntry);
                if (e.symlink || e.size == 0) continue;
                target = folder == 0 ? e.name : folders_[folder].path + "/" + e.name;
            }
            if (target.empty()) break;
            const Folder& place = folders_[rng.below(folders_.size())];
            std::string name = std::string("hardlink_").append(std::to_string(k));
            std::string link = place.depth == 0 ? name : place.path + "/" + name;
            if (::linkat(rootFd, target.c_str(), rootFd, link.c_str(), 0) != 0)
                fail("link " + link + " to " + target);
            ++summary_.hardLinks;
        }
    }

    void setFolderTimes(int rootFd) {
        std::uint64_t seed = mixSeed(options_.seed, kFolderTimeStream);
        for (std::size_t i = 0; i < folders_.size(); ++i) {
            Rng rng(mixSeed(seed, i));
            std::uint64_t age = rng.spread(3600, kSixYears);
            std::int64_t modified = kToday - static_cast<std::int64_t>(age);
            std::int64_t accessed = modified + static_cast<std::int64_t>(rng.below(age + 1));
            timespec times[2] = {seconds(accessed), seconds(modified)};
            if (::utimensat(rootFd, folders_[i].path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
                fail("set times of " + folders_[i].path);
        }
    }

    TreeOptions options_;
    std::uint64_t entrySeed_;
    std::vector<Folder> folders_;
    TreeSummary summary_;
};

}  // namespace

TreeSummary makeManyFiles(int rootFd, const TreeOptions& options) {
    return ManyFiles(options).make(rootFd);
}

// ---------------------------------------------------------------------------------------------
// duplicates

namespace {

enum DuplicateStream : std::uint64_t {
    kDuplicatePlanStream = 11,
    kDuplicateTimeStream,
};

// Five personal folders are the roots a duplicate finder is given; Music lies outside them.
// Two hidden folders always exist, since copies must be planted there.
constexpr const char* kDuplicateFolders[] = {
    "Downloads", "Documents", "Desktop",           "Pictures",
    "Movies",    "Music",     "Documents/.backup", "Pictures/.thumbnails",
};
constexpr std::size_t kPersonalFolders = 5;
constexpr const char* kDuplicateSubfolders[] = {
    "2021",   "2022", "2023",    "Camera",   "Screenshots", "Album", "scans",    "invoices",
    "export", "old",  "Résumés", "Season 1", "edits",       "raw",   "projects", "shared",
};
constexpr const char* kDuplicateHiddenSubfolders[] = {".git", ".cache", ".trash", ".versions"};
constexpr const char* kDuplicateNames[] = {"IMG_",    "VID_",   "document_", "scan ",
                                           "backup_", "track_", "photo_",    "report_"};
constexpr const char* kDuplicateExtensions[] = {".jpg", ".mp4",  ".pdf", ".png",
                                                ".tar", ".flac", ".jpg", ".docx"};
constexpr std::uint64_t kMiB = 1 << 20;

class Duplicates {
  public:
    explicit Duplicates(const TreeOptions& options) : options_(options) {
        Rng rng(mixSeed(options.seed, kDuplicatePlanStream));
        planFolders(rng);
        planFiles(rng);
        planLinks(rng);
    }

    TreeSummary make(int rootFd) {
        for (const auto& f : folders_)
            if (::mkdirat(rootFd, f.path.c_str(), 0755) != 0) fail("create folder " + f.path);
        writeFiles(rootFd);
        for (const auto& [target, name] : hardLinks_) {
            if (::linkat(rootFd, target.c_str(), rootFd, name.c_str(), 0) != 0)
                fail("link " + name + " to " + target);
            ++summary_.hardLinks;
        }
        for (const auto& [target, name] : symlinks_) {
            if (::symlinkat(target.c_str(), rootFd, name.c_str()) != 0) fail("create link " + name);
            ++summary_.symlinks;
        }
        summary_.folders = folders_.size();
        return summary_;
    }

  private:
    struct Folder {
        std::string path;
        bool hidden;    // inside a hidden folder
        bool personal;  // below one of the five personal folders
    };
    enum class Flip { none, first, last, middle };
    struct File {
        std::string path;
        std::uint64_t size;
        std::uint64_t contentId;
        Flip flip = Flip::none;
    };

    // Below a personal folder and not hidden: where a finder looks.
    std::size_t visibleFolder(Rng& rng) const {
        for (;;) {
            std::size_t f = rng.below(folders_.size());
            if (folders_[f].personal && !folders_[f].hidden) return f;
        }
    }
    std::size_t hiddenFolder(Rng& rng) const {
        for (;;) {
            std::size_t f = rng.below(folders_.size());
            if (folders_[f].hidden) return f;
        }
    }

    void planFolders(Rng& rng) {
        for (std::size_t i = 0; i < std::size(kDuplicateFolders); ++i) {
            std::string path = kDuplicateFolders[i];
            folders_.push_back({path, path.find("/.") != std::string::npos,
                                i < kPersonalFolders || path.find('/') != std::string::npos});
        }
        while (folders_.size() < options_.folders) {
            const Folder parent = folders_[rng.below(folders_.size())];
            bool hidden = rng.chance(100'000);
            std::string name =
                hidden ? pick(rng, kDuplicateHiddenSubfolders) : pick(rng, kDuplicateSubfolders);
            std::string path = parent.path + "/" + name;
            for (int n = 2; std::any_of(folders_.begin(), folders_.end(),
                                        [&](const Folder& f) { return f.path == path; });
                 ++n)
                path = parent.path + "/" + name + "-" + std::to_string(n);
            folders_.push_back({path, parent.hidden || hidden, parent.personal});
        }
    }

    std::string name(Rng& rng, bool hidden) {
        std::size_t kind = rng.below(std::size(kDuplicateNames));
        std::string n = hidden ? "." : "";
        // One name that is not UTF-8, to keep everyone honest about bytes.
        if (files_.size() == 7) n += "caf\xe9 ";
        return n.append(kDuplicateNames[kind])
            .append(std::to_string(files_.size()))
            .append(kDuplicateExtensions[kind]);
    }
    void add(std::size_t folder, Rng& rng, std::uint64_t size, std::uint64_t contentId,
             Flip flip = Flip::none, bool hiddenName = false) {
        files_.push_back(
            {folders_[folder].path + "/" + name(rng, hiddenName), size, contentId, flip});
    }
    // Mostly 1 to 5 MiB, now and then a big video.
    static std::uint64_t drawSize(Rng& rng) {
        return rng.chance(20'000) ? rng.between(16 * kMiB, 48 * kMiB) : rng.between(kMiB, 5 * kMiB);
    }

    void planFiles(Rng& rng) {
        std::uint64_t nextContent = 1;
        bool exactly = true;
        while (files_.size() < options_.files) {
            std::uint64_t roll = rng.below(100);
            std::uint64_t id = nextContent++;
            if (roll < 40) {
                // A planted group of 2 to 4 copies, sometimes with a copy where no finder looks
                // (hidden, or outside the personal folders) and look-alikes of the same size.
                std::uint64_t size = drawSize(rng);
                for (std::uint64_t c = rng.between(2, 4); c > 0; --c)
                    add(visibleFolder(rng), rng, size, id);
                if (rng.chance(300'000)) add(hiddenFolder(rng), rng, size, id);
                if (rng.chance(150'000)) add(visibleFolder(rng), rng, size, id, Flip::none, true);
                if (rng.chance(150'000)) add(5, rng, size, id);
                for (int d = 0; d < 2; ++d) {
                    if (!rng.chance(d == 0 ? 500'000 : 200'000)) break;
                    std::uint64_t kind = rng.below(100);
                    Flip flip = kind < 45 ? Flip::first : kind < 90 ? Flip::last : Flip::middle;
                    add(visibleFolder(rng), rng, size, id, flip);
                }
            } else if (roll < 44) {
                // Identical pairs at the edge of a 1 MiB minimum: one in, one just out.
                std::uint64_t size = exactly ? kMiB : kMiB - 1;
                exactly = !exactly;
                add(visibleFolder(rng), rng, size, id);
                add(visibleFolder(rng), rng, size, id);
            } else {
                add(visibleFolder(rng), rng, drawSize(rng), id);
            }
        }
    }

    // Second names for a few files (alone they are no duplicates; in a group they count once),
    // and symbolic links to a few.
    void planLinks(Rng& rng) {
        auto visibleFile = [&] {
            for (;;) {
                const File& f = files_[rng.below(files_.size())];
                if (f.path.find("/.") == std::string::npos && !f.path.starts_with("Music/"))
                    return f.path;
            }
        };
        std::uint64_t links = std::max<std::uint64_t>(1, files_.size() / 30);
        for (std::uint64_t k = 0; k < links; ++k) {
            std::string target = visibleFile();
            hardLinks_.push_back(
                {target, folders_[visibleFolder(rng)].path + "/hardlink_" + std::to_string(k)});
            // Up to the root, then down to the target.
            const std::string place = folders_[visibleFolder(rng)].path;
            std::string up;
            for (char c : place + "/")
                if (c == '/') up += "../";
            symlinks_.push_back({up + visibleFile(), place + "/link_" + std::to_string(k)});
        }
    }

    void writeFiles(int rootFd) {
        ContentPool pool(mixSeed(options_.seed, kPoolStream));
        std::atomic<std::size_t> next{0};
        auto writeSome = [&](const std::atomic<bool>& stop, TreeSummary& local) {
            for (std::size_t i; !stop && (i = next.fetch_add(1)) < files_.size();) {
                const File& f = files_[i];
                Rng rng(mixSeed(mixSeed(options_.seed, kDuplicateTimeStream), i));
                std::uint64_t age = rng.spread(3600, kSixYears);
                std::int64_t modified = kToday - static_cast<std::int64_t>(age);
                std::int64_t accessed = modified + static_cast<std::int64_t>(rng.below(age));
                pool.writeFile(rootFd, f.path.c_str(), f.size, f.contentId, accessed, modified);
                if (f.flip != Flip::none)
                    flipByte(rootFd, f,
                             f.flip == Flip::first  ? 0
                             : f.flip == Flip::last ? f.size - 1
                                                    : f.size / 2 + rng.below(f.size / 4),
                             accessed, modified);
                ++local.files;
                local.contentBytes += f.size;
                local.largestFile = std::max(local.largestFile, f.size);
            }
        };
        runOnThreads(options_.jobs, summary_, writeSome);
    }

    // Turns one byte of a written file into its complement, keeping the file's times.
    static void flipByte(int rootFd, const File& f, std::uint64_t offset, std::int64_t accessed,
                         std::int64_t modified) {
        int fd = ::openat(rootFd, f.path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) fail("open " + f.path);
        unsigned char byte = 0;
        const auto at = static_cast<off_t>(offset);
        bool ok = ::pread(fd, &byte, 1, at) == 1;
        byte = static_cast<unsigned char>(~byte);
        ok = ok && ::pwrite(fd, &byte, 1, at) == 1;
        timespec times[2] = {seconds(accessed), seconds(modified)};
        ok = ok && ::futimens(fd, times) == 0;
        if (::close(fd) != 0 || !ok) fail("change a byte of " + f.path);
    }

    TreeOptions options_;
    std::vector<Folder> folders_;
    std::vector<File> files_;
    std::vector<std::pair<std::string, std::string>> hardLinks_, symlinks_;  // target, name
    TreeSummary summary_;
};

}  // namespace

TreeSummary makeDuplicates(int rootFd, const TreeOptions& options) {
    return Duplicates(options).make(rootFd);
}

std::span<const Mode> modes() {
    static constexpr Mode kModes[] = {
        {"many-files",
         "about --files entries (default 1000000) in --folders folders (default 100000), shaped "
         "like a home folder",
         &makeManyFiles},
        {"duplicates",
         "--files regular files (400 make about 1.5 GB) in --folders folders (at least 8): "
         "groups of 2 to 4 identical files in five personal folders, same-size look-alikes, "
         "copies in hidden folders and outside, hard links, symbolic links",
         &makeDuplicates},
    };
    return kModes;
}

}  // namespace tornivo::bench
