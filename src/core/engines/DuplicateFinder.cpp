#include "engines/DuplicateFinder.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <string_view>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "platform/Descriptor.h"
#include "platform/Trash.h"

namespace tornivo {

namespace {

// How much of each end of a file the cheap comparison reads.
constexpr std::size_t kProbeBlock = 4096;
// At most this many files are read side by side; a larger set of look-alikes is read in batches
// of this many, and the batches' digests are matched up afterwards.
constexpr std::size_t kLockstepWidth = 32;
// Read buffers of one thread, shared out among the files read side by side.
constexpr std::size_t kReadBudget = 8 << 20;
constexpr std::size_t kMaxChunk = 1 << 20;
constexpr std::size_t kMinChunk = 64 << 10;
constexpr std::size_t kAlignment = 4096;

using Digest = std::array<unsigned char, 32>;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
using AlignedBuffer = std::unique_ptr<std::byte[], FreeDeleter>;

AlignedBuffer alignedBuffer(std::size_t size) {
    auto* p = static_cast<std::byte*>(std::aligned_alloc(kAlignment, size));
    if (!p) throw std::bad_alloc();
    return AlignedBuffer(p);
}

struct MdCtxDeleter {
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};
using MdCtx = std::unique_ptr<EVP_MD_CTX, MdCtxDeleter>;

// The SHA-256 implementation, looked up once per scan rather than at every digest start.
class Sha256 {
  public:
    Sha256() : md_(EVP_MD_fetch(nullptr, "SHA256", nullptr)) {}
    ~Sha256() { EVP_MD_free(md_); }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    MdCtx start() const {
        MdCtx ctx(EVP_MD_CTX_new());
        if (ctx && EVP_DigestInit_ex(ctx.get(), md_ ? md_ : EVP_sha256(), nullptr) != 1)
            ctx.reset();
        return ctx;
    }

  private:
    EVP_MD* md_;
};

// Reads exactly `length` bytes from the file's current position; false on an error or when the
// file ends early.
bool readFully(int fd, std::byte* buffer, std::size_t length) {
    while (length > 0) {
        const ssize_t n = retryOnInterrupt([&] { return ::read(fd, buffer, length); });
        if (n <= 0) return false;
        buffer += n;
        length -= static_cast<std::size_t>(n);
    }
    return true;
}

bool preadFully(int fd, std::byte* buffer, std::size_t length, off_t offset) {
    while (length > 0) {
        const ssize_t n = retryOnInterrupt([&] { return ::pread(fd, buffer, length, offset); });
        if (n <= 0) return false;
        buffer += n;
        length -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

bool stillTheCandidate(int fd, const DuplicateFinder::Candidate& c) {
    auto st = statDescriptor(fd);
    return st && st->isRegular() &&
           isStill(*st, {c.dev, c.ino, c.folderDev, c.folderIno, c.size, c.modified});
}

// Opens a candidate for reading, only when it is still the file that was listed, with the size
// it had. O_NONBLOCK keeps a FIFO put in its place from blocking the open (it changes nothing
// for a regular file); O_NOATIME keeps hashing from making files look recently opened, where
// the file system lets us.
int openCandidate(const DuplicateFinder::Candidate& c) {
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(c.path.c_str(), kFlags | O_NOATIME);
    if (fd < 0 && errno == EPERM) fd = ::open(c.path.c_str(), kFlags);
    if (fd < 0) return -1;
    if (!stillTheCandidate(fd, c)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A set of files found identical so far, with the digest of the bytes they share.
struct Found {
    Digest digest;
    std::vector<std::size_t> members;  // candidate indices
};

// What one thread reads and compares with.
class Comparer {
  public:
    Comparer(const std::vector<DuplicateFinder::Candidate>& candidates, const Sha256& sha,
             ProgressMeter& meter, std::stop_token stop)
        : candidates_(candidates),
          sha_(sha),
          meter_(meter),
          stop_(std::move(stop)),
          probe_(alignedBuffer(2 * kProbeBlock)),
          arena_(alignedBuffer(kReadBudget)) {}

    // The groups of identical files among same-size candidates, members in candidate order.
    std::vector<Found> compare(const std::vector<std::size_t>& sameSize) {
        const ByteCount size = candidates_[sameSize.front()].size;
        std::vector<Found> groups;
        for (auto& lookAlikes : splitByEnds(sameSize, size)) {
            if (lookAlikes.size() < 2) continue;
            // Side by side in one batch, a file that differs from every other can be dropped
            // as soon as it does; across batches every file needs its digest.
            const bool batched = lookAlikes.size() > kLockstepWidth;
            std::vector<Found> sets;
            for (std::size_t from = 0; from < lookAlikes.size(); from += kLockstepWidth) {
                std::size_t to = std::min(lookAlikes.size(), from + kLockstepWidth);
                readSideBySide({lookAlikes.begin() + from, lookAlikes.begin() + to}, size,
                               batched ? 1 : 2, sets);
            }
            if (batched) sets = mergeByDigest(std::move(sets));
            for (auto& s : sets)
                if (s.members.size() >= 2) groups.push_back(std::move(s));
        }
        for (auto& g : groups) std::sort(g.members.begin(), g.members.end());
        return groups;
    }

  private:
    // Splits files by their first and last bytes; identical files always stay together.
    std::vector<std::vector<std::size_t>> splitByEnds(const std::vector<std::size_t>& files,
                                                      ByteCount size) {
        const auto length = static_cast<std::size_t>(size);
        const std::size_t head = std::min(length, kProbeBlock);
        const std::size_t tail = std::min(length - head, kProbeBlock);
        std::unordered_map<std::size_t, std::size_t> partOf;  // key of the ends -> part
        std::vector<std::vector<std::size_t>> parts;
        for (std::size_t index : files) {
            int fd = openCandidate(candidates_[index]);
            if (fd < 0) continue;
            bool ok = preadFully(fd, probe_.get(), head, 0) &&
                      preadFully(fd, probe_.get() + head, tail, static_cast<off_t>(length - tail));
            ::close(fd);
            if (!ok) continue;
            std::size_t key = std::hash<std::string_view>{}(
                std::string_view(reinterpret_cast<const char*>(probe_.get()), head + tail));
            auto [it, added] = partOf.try_emplace(key, parts.size());
            if (added) parts.emplace_back();
            parts[it->second].push_back(index);
        }
        return parts;
    }

    struct Stream {
        int fd;
        std::size_t candidate;
        std::byte* buffer;
    };
    struct Set {
        std::vector<std::size_t> streams;
        MdCtx ctx;
    };

    // Reads the files chunk by chunk, all at the same offset, and splits them into sets of
    // identical contents as they differ; each set keeps one digest, fed with the chunk its
    // files share. A set that splits hands a copy of its digest state to each new set. Sets
    // with fewer than `keepFrom` files are dropped (and their files no longer read); a file
    // that cannot be read to its end or changes size leaves its set. Appends what is left.
    void readSideBySide(const std::vector<std::size_t>& files, ByteCount size, std::size_t keepFrom,
                        std::vector<Found>& out) {
        const auto length = static_cast<std::size_t>(size);
        const std::size_t chunk =
            std::clamp((kReadBudget / files.size()) / kMinChunk * kMinChunk, kMinChunk, kMaxChunk);

        std::vector<Stream> streams;
        for (std::size_t index : files) {
            int fd = openCandidate(candidates_[index]);
            if (fd < 0) continue;
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
            streams.push_back({fd, index, arena_.get() + streams.size() * chunk});
        }
        auto closeStream = [&](std::size_t s) {
            if (streams[s].fd >= 0) ::close(streams[s].fd);
            streams[s].fd = -1;
        };
        std::vector<Set> sets;
        if (streams.size() >= keepFrom) {
            Set all{{}, sha_.start()};
            for (std::size_t s = 0; s < streams.size(); ++s) all.streams.push_back(s);
            if (all.ctx) sets.push_back(std::move(all));
        }

        // Asked to stop, the files still being read leave without a digest: a file read in
        // part proves nothing.
        for (std::size_t offset = 0; offset < length && !sets.empty();) {
            if (stop_.stop_requested()) {
                sets.clear();
                break;
            }
            const std::size_t n = std::min(chunk, length - offset);
            std::vector<Set> next;
            ByteCount read = 0;
            for (auto& set : sets) {
                std::erase_if(set.streams, [&](std::size_t s) {
                    if (readFully(streams[s].fd, streams[s].buffer, n)) {
                        read += static_cast<ByteCount>(n);
                        return false;
                    }
                    closeStream(s);
                    return true;
                });
                // Files with the same chunk go together, in the order they came.
                std::vector<Set> parts;
                for (std::size_t s : set.streams) {
                    auto same = std::find_if(parts.begin(), parts.end(), [&](const Set& p) {
                        return std::memcmp(streams[p.streams.front()].buffer, streams[s].buffer,
                                           n) == 0;
                    });
                    if (same == parts.end()) same = parts.insert(parts.end(), Set{});
                    same->streams.push_back(s);
                }
                // Every part continues from the digest state of the bytes before this chunk.
                for (std::size_t p = 0; p < parts.size(); ++p) {
                    if (parts[p].streams.size() < keepFrom) {
                        for (std::size_t s : parts[p].streams) closeStream(s);
                        continue;
                    }
                    if (p + 1 == parts.size()) {
                        parts[p].ctx = std::move(set.ctx);
                    } else {
                        parts[p].ctx.reset(EVP_MD_CTX_new());
                        if (parts[p].ctx && !EVP_MD_CTX_copy_ex(parts[p].ctx.get(), set.ctx.get()))
                            parts[p].ctx.reset();
                    }
                    const std::byte* bytes = streams[parts[p].streams.front()].buffer;
                    if (!parts[p].ctx || EVP_DigestUpdate(parts[p].ctx.get(), bytes, n) != 1) {
                        for (std::size_t s : parts[p].streams) closeStream(s);
                        continue;
                    }
                    next.push_back(std::move(parts[p]));
                }
            }
            sets = std::move(next);
            offset += n;
            meter_.addHashed(read);
        }

        for (auto& set : sets) {
            // Read to the listed size; a file that has grown since is not the file listed.
            std::erase_if(set.streams, [&](std::size_t s) {
                return !stillTheCandidate(streams[s].fd, candidates_[streams[s].candidate]);
            });
            Found found;
            unsigned int digestLength = 0;
            if (set.streams.size() < keepFrom ||
                EVP_DigestFinal_ex(set.ctx.get(), found.digest.data(), &digestLength) != 1 ||
                digestLength != found.digest.size())
                continue;
            for (std::size_t s : set.streams) found.members.push_back(streams[s].candidate);
            out.push_back(std::move(found));
        }
        for (std::size_t s = 0; s < streams.size(); ++s) closeStream(s);
    }

    static std::vector<Found> mergeByDigest(std::vector<Found> sets) {
        std::map<Digest, std::vector<std::size_t>> byDigest;
        for (auto& s : sets) {
            auto& members = byDigest[s.digest];
            members.insert(members.end(), s.members.begin(), s.members.end());
        }
        std::vector<Found> merged;
        for (auto& [digest, members] : byDigest) merged.push_back({digest, std::move(members)});
        return merged;
    }

    const std::vector<DuplicateFinder::Candidate>& candidates_;
    const Sha256& sha_;
    ProgressMeter& meter_;
    std::stop_token stop_;
    AlignedBuffer probe_;
    AlignedBuffer arena_;
};

std::string hexText(const Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * digest.size());
    for (unsigned char byte : digest) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xf]);
    }
    return text;
}

struct Identity {
    std::uint64_t dev, ino;
    bool operator==(const Identity&) const = default;
};
struct IdentityHash {
    std::size_t operator()(const Identity& id) const {
        return std::hash<std::uint64_t>{}(id.ino * 0x9e3779b97f4a7c15ULL ^ id.dev);
    }
};

// One thread's share of a walk: the files that qualify, with their place in the walk.
struct Collector {
    struct Hit {
        TreeWalker::OrderKey key;
        DuplicateFinder::Candidate candidate;
    };

    Collector(ByteCount minSize, std::optional<Identity> trash, ProgressMeter& meter,
              std::string rootName)
        : minSize(minSize), trash(trash), files(meter, std::move(rootName)) {}

    bool operator()(const TreeWalker& walker, const TreeWalker::Entry& e) {
        // Hidden: neither listed nor entered; that covers the Trash folders of other mounts.
        if (e.name[0] == '.') return false;
        const FileStatus& st = e.status;
        if (st.isDirectory()) return !(trash && *trash == Identity{st.dev, st.ino});
        if (!st.isRegular()) return true;
        files.count(walker);
        if (st.logicalSize >= minSize)
            hits.push_back({walker.orderKey(e),
                            {walker.pathOf(e), st.logicalSize, st.dev, st.ino, e.folderDev,
                             e.folderIno, identityOf(st, 0, 0).modified}});
        return true;
    }

    void skipped(const TreeWalker& walker, const TreeWalker::Entry& e, UnreadReason reason) {
        report.add({walker.pathOf(e), reason});
    }

    ByteCount minSize;
    std::optional<Identity> trash;  // the home Trash, wherever it lies
    FileTally files;
    std::vector<Hit> hits;
    ScanReport report;
};

}  // namespace

DuplicateFinder::DuplicateFinder(ByteCount minSize, unsigned threads, Path homeTrash)
    : minSize_(minSize), threads_(std::max(1u, threads)), homeTrash_(std::move(homeTrash)) {}

bool DuplicateFinder::inTrash(const Path& root, ScanReport* report) const {
    if (!insideTrash(root, homeTrash_)) return false;
    if (report) report->refused.push_back({root, RootRefusal::insideTrash, "Trash"});
    return true;
}

std::vector<Path> DuplicateFinder::personalRoots(const Layout& layout) {
    return Layout::present(
        {layout.downloads, layout.documents, layout.desktop, layout.pictures, layout.movies});
}

std::vector<DuplicateGroup> DuplicateFinder::scan(const std::vector<Path>& roots,
                                                  const ScanProgressCallback& progress,
                                                  ScanReport* report, std::stop_token stop) const {
    // A root is where the user keeps the files: when it is a link (Documents on another disk),
    // it is followed; nothing below it ever is.
    if (report) *report = {};
    std::vector<OpenRoot> open;
    for (const Path& root : roots) {
        if (inTrash(root, report)) continue;
        const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) open.push_back({root, fd});
    }
    ProgressMeter meter(progress);
    auto groups = groupCandidates(listCandidates(open, meter, report, stop), meter, stop);
    for (const auto& root : open) ::close(root.fd);
    meter.finish();
    return groups;
}

std::vector<DuplicateGroup> DuplicateFinder::scan(const PersonalFolders& folders,
                                                  const ScanProgressCallback& progress,
                                                  ScanReport* report, std::stop_token stop) const {
    if (report) *report = ScanReport{folders.refused(), {}, 0};
    std::vector<OpenRoot> open;
    for (const auto& folder : folders.folders())
        if (!inTrash(folder.path, report)) open.push_back({folder.path, folder.fd});
    ProgressMeter meter(progress);
    auto groups = groupCandidates(listCandidates(open, meter, report, stop), meter, stop);
    meter.finish();
    return groups;
}

std::vector<DuplicateFinder::Candidate> DuplicateFinder::listCandidates(
    const std::vector<Path>& roots) const {
    std::vector<OpenRoot> open;
    for (const Path& root : roots) {
        if (inTrash(root, nullptr)) continue;
        const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) open.push_back({root, fd});
    }
    ProgressMeter silent{ScanProgressCallback()};
    auto found = listCandidates(open, silent, nullptr, {});
    for (const auto& root : open) ::close(root.fd);
    return found;
}

std::vector<DuplicateGroup> DuplicateFinder::groupCandidates(
    const std::vector<Candidate>& candidates) const {
    ProgressMeter silent{ScanProgressCallback()};
    return groupCandidates(candidates, silent, {});
}

std::vector<DuplicateFinder::Candidate> DuplicateFinder::listCandidates(
    const std::vector<OpenRoot>& roots, ProgressMeter& meter, ScanReport* report,
    const std::stop_token& stop) const {
    std::vector<Candidate> found;
    std::unordered_set<Identity, IdentityHash> seen;
    // Looked up at each scan: the Trash may have been made since the finder was.
    std::optional<Identity> trash;
    struct stat trashStatus {};
    if (!homeTrash_.empty() && ::stat(homeTrash_.c_str(), &trashStatus) == 0)
        trash = Identity{trashStatus.st_dev, trashStatus.st_ino};
    for (const auto& [root, fd] : roots) {
        const std::string rootName = folderName(root);
        meter.enter(rootName);
        std::vector<Collector::Hit> hits;
        for (auto& part : parallelTreeWalk(
                 fd, root, threads_, [&] { return Collector(minSize_, trash, meter, rootName); },
                 stop)) {
            part.files.flush();
            std::move(part.hits.begin(), part.hits.end(), std::back_inserter(hits));
            if (report) report->merge(part.report);
        }
        std::sort(hits.begin(), hits.end(),
                  [](const Collector::Hit& a, const Collector::Hit& b) { return a.key < b.key; });
        // A file with several names counts once, under the first name met.
        for (auto& hit : hits)
            if (seen.insert({hit.candidate.dev, hit.candidate.ino}).second)
                found.push_back(std::move(hit.candidate));
    }
    return found;
}

std::vector<DuplicateGroup> DuplicateFinder::groupCandidates(
    const std::vector<Candidate>& candidates, ProgressMeter& meter,
    const std::stop_token& stop) const {
    // Sizes that at least two different files share; nothing else is ever read.
    std::unordered_map<ByteCount, std::vector<std::size_t>> bySize;
    std::unordered_set<Identity, IdentityHash> seen;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (seen.insert({candidates[i].dev, candidates[i].ino}).second)
            bySize[candidates[i].size].push_back(i);
    std::vector<std::vector<std::size_t>> jobs;
    for (auto& [size, files] : bySize)
        if (files.size() >= 2) jobs.push_back(std::move(files));
    // Biggest jobs first, so the threads finish together.
    auto bytes = [&](const std::vector<std::size_t>& job) {
        return static_cast<double>(candidates[job.front()].size) * static_cast<double>(job.size());
    };
    std::sort(jobs.begin(), jobs.end(), [&](const auto& a, const auto& b) {
        return bytes(a) != bytes(b) ? bytes(a) > bytes(b) : a.front() < b.front();
    });

    if (jobs.empty()) return {};
    ByteCount toRead = 0;
    for (const auto& job : jobs)
        toRead += candidates[job.front()].size * static_cast<ByteCount>(job.size());
    meter.startHashing(toRead);
    std::vector<std::vector<Found>> results(jobs.size());
    std::atomic<std::size_t> nextJob{0};
    Sha256 sha;
    // Out of memory, a thread leaves the jobs it took undone: their groups are simply missing.
    auto work = [&] {
        try {
            Comparer comparer(candidates, sha, meter, stop);
            for (std::size_t j; !stop.stop_requested() && (j = nextJob.fetch_add(1)) < jobs.size();)
                results[j] = comparer.compare(jobs[j]);
        } catch (const std::bad_alloc&) {
        }
    };
    std::vector<std::thread> pool;
    const auto helpers = std::min<std::size_t>(threads_, jobs.size());
    try {
        for (std::size_t t = 1; t < helpers; ++t) pool.emplace_back(work);
    } catch (const std::system_error&) {
        // No more threads to be had: those that started share the work.
    }
    work();
    for (auto& t : pool) t.join();

    std::vector<Found> all;
    for (auto& r : results) std::move(r.begin(), r.end(), std::back_inserter(all));
    auto reclaimable = [&](const Found& f) {
        return candidates[f.members.front()].size * static_cast<ByteCount>(f.members.size() - 1);
    };
    std::sort(all.begin(), all.end(), [&](const Found& a, const Found& b) {
        ByteCount ra = reclaimable(a), rb = reclaimable(b);
        return ra != rb ? ra > rb : a.members.front() < b.members.front();
    });
    std::vector<DuplicateGroup> groups;
    groups.reserve(all.size());
    for (const auto& f : all) {
        DuplicateGroup g{
            Uuid::random(), hexText(f.digest), candidates[f.members.front()].size, {}, {}};
        for (std::size_t i : f.members) {
            const Candidate& c = candidates[i];
            g.files.push_back(c.path);
            g.identities.push_back({c.dev, c.ino, c.folderDev, c.folderIno, c.size, c.modified});
        }
        groups.push_back(std::move(g));
    }
    return groups;
}

std::optional<RemovalOutcome> DuplicateFinder::removeCopies(const DuplicateGroup& group,
                                                            const Path& keeping, Trash& trash,
                                                            std::stop_token stop) const {
    const auto kept = std::find_if(group.files.begin(), group.files.end(),
                                   [&](const Path& p) { return p.native() == keeping.native(); });
    if (kept == group.files.end()) return std::nullopt;
    // The copy that stays must still be the file that was hashed, with the group's size.
    const FileIdentity keptIdentity =
        group.identityAt(static_cast<std::size_t>(kept - group.files.begin()));
    auto keptStill = [&] {
        auto st = statEntry(AT_FDCWD, keeping.c_str());
        return st && st->isRegular() && isStill(*st, keptIdentity);
    };
    if (!keptStill()) return std::nullopt;
    // Each copy moves only while it is still the very file that was hashed: same file, same
    // length, same modification time (Trash::moveListed), so its bytes are the group's.
    struct Copy {
        const Path& url;
        ByteCount size;
        FileIdentity identity;
    };
    RemovalOutcome outcome;
    std::optional<LeftReason> halt;
    for (std::size_t i = 0; i < group.files.size(); ++i) {
        const FileIdentity identity = group.identityAt(i);
        if (group.files[i].native() == keeping.native()) continue;
        // Another name of the kept file is the kept file. So is the kept file seen through an
        // overlay, which shows its lower folder's files under its own device but with their
        // inode numbers and times: moving either view would leave the bytes only in the Trash.
        if (identity.inode == keptIdentity.inode &&
            (identity.device == keptIdentity.device || identity.modified == keptIdentity.modified))
            continue;
        if (!halt && stop.stop_requested()) halt = LeftReason::stopped;
        if (halt) {
            outcome.leave(group.files[i], *halt);
            continue;
        }
        const std::int64_t moved = outcome.done;
        trashRecord(Copy{group.files[i], group.size, identity}, trash, outcome);
        if (outcome.done != moved && !keptStill()) halt = LeftReason::changed;
    }
    return outcome;
}

}  // namespace tornivo
