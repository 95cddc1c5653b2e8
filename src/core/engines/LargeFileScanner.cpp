#include "engines/LargeFileScanner.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <utility>

namespace tornivo {

// --- the scan ---

LargeFileScanner::LargeFileScanner(Layout layout, unsigned threads)
    : layout_(std::move(layout)), threads_(std::max(1u, threads)) {}

std::vector<Path> LargeFileScanner::roots() const {
    return Layout::present(
        {layout_.downloads, layout_.documents, layout_.desktop, layout_.movies, layout_.music});
}

TimePoint LargeFileScanner::cutoff(TimePoint now, int months) {
    using namespace std::chrono;
    const auto whole = floor<seconds>(now);
    const auto fraction = now - whole;
    const std::time_t t = static_cast<std::time_t>(whole.time_since_epoch().count());
    std::tm local{};
    if (!::localtime_r(&t, &local)) return TimePoint::min();

    // Calendar arithmetic on the local date. The clock reaches only about 292 years either
    // side of 1970, so a count beyond ten thousand years yields no date (and keeps
    // std::chrono::year, which holds -32767 to 32767, from wrapping on the way).
    constexpr int kMonthLimit = 12 * 10'000;
    if (months > kMonthLimit || months < -kMonthLimit) return TimePoint::min();
    const year_month_day today{year{local.tm_year + 1900},
                               month{static_cast<unsigned>(local.tm_mon + 1)},
                               day{static_cast<unsigned>(local.tm_mday)}};
    const year_month target = today.year() / today.month() - std::chrono::months{months};
    if (!target.ok()) return TimePoint::min();
    year_month_day date = target / today.day();
    if (!date.ok()) date = target / last;  // 31 March minus a month: the last day of February

    // Back to a point in time at the same local time of day; mktime settles daylight saving.
    std::tm then = local;
    then.tm_year = static_cast<int>(date.year()) - 1900;
    then.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    then.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    then.tm_isdst = -1;
    then.tm_wday = -1;  // mktime sets it on success; -1 alone is also a valid time
    const std::time_t back = std::mktime(&then);
    if (back == -1 && then.tm_wday == -1) return TimePoint::min();

    // The clock counts nanoseconds: about 292 years either side of 1970.
    constexpr auto kFirst = floor<seconds>(TimePoint::min().time_since_epoch()) + seconds(1);
    constexpr auto kLast = floor<seconds>(TimePoint::max().time_since_epoch()) - seconds(1);
    const seconds since{back};
    if (since < kFirst) return TimePoint::min();
    if (since > kLast) return TimePoint::max();
    return TimePoint(duration_cast<Clock::duration>(since)) + fraction;
}

namespace {

struct Candidate {
    std::size_t root;
    TreeWalker::OrderKey key;
    Path path;
    ByteCount size;
    std::optional<TimePoint> access;
    FileIdentity identity;
};

struct Criteria {
    const PersonalFolders* folders;
    std::size_t root;
    ByteCount minSize;
    TimePoint cutoff;
    bool noatime;
};

// Keeps the files of one thread's share of a walk that pass, with their place in the walk.
class Collector {
  public:
    Collector(const Criteria& criteria, ProgressMeter& meter, std::string rootName)
        : c_(&criteria), files_(meter, std::move(rootName)) {}

    bool operator()(const TreeWalker& walker, const TreeWalker::Entry& e) {
        if (e.name[0] == '.') return false;  // hidden, and so is all below it
        const FileStatus& st = e.status;
        if (st.isDirectory()) return !c_->folders->isOneOf(st);  // walked as its own root
        if (!st.isRegular()) return false;
        files_.count(walker);
        if (st.allocatedSize < c_->minSize) return false;
        std::optional<TimePoint> access = st.accessTime;
        if (c_->noatime && st.modificationTime)
            access = access ? std::max(*access, *st.modificationTime) : *st.modificationTime;
        if (access && *access > c_->cutoff) return false;
        found.push_back({c_->root, walker.orderKey(e), walker.pathOf(e), st.allocatedSize, access,
                         identityOf(st, e.folderDev, e.folderIno)});
        return false;
    }

    void skipped(const TreeWalker& walker, const TreeWalker::Entry& e, UnreadReason reason) {
        report.add({walker.pathOf(e), reason});
    }

    // Hands the files counted since the last batch to the meter.
    void flush() { files_.flush(); }

    std::vector<Candidate> found;
    ScanReport report;

  private:
    const Criteria* c_;
    FileTally files_;
};

bool mountedNoatime(int fd) {
    struct statvfs vfs;
    return ::fstatvfs(fd, &vfs) == 0 && (vfs.f_flag & ST_NOATIME);
}

}  // namespace

std::vector<LargeFile> LargeFileScanner::scan(ByteCount minSize, int olderThanMonths, TimePoint now,
                                              const ScanProgressCallback& progress,
                                              ScanReport* report, std::stop_token stop) const {
    const TimePoint limit = cutoff(now, olderThanMonths);
    const PersonalFolders folders(layout_, roots());
    ScanReport unread;
    unread.refused = folders.refused();
    ProgressMeter meter(progress);
    std::vector<Candidate> found;
    for (std::size_t i = 0; i < folders.folders().size(); ++i) {
        const auto& root = folders.folders()[i];
        // A walk never leaves the mount of its root, so one answer holds for all it meets.
        const Criteria criteria{&folders, i, minSize, limit, mountedNoatime(root.fd)};
        const std::string rootName = folderName(root.path);
        meter.enter(rootName);
        for (auto& part : parallelTreeWalk(
                 root.fd, root.path, threads_, [&] { return Collector(criteria, meter, rootName); },
                 stop)) {
            part.flush();
            std::move(part.found.begin(), part.found.end(), std::back_inserter(found));
            unread.merge(part.report);
        }
    }
    meter.finish();
    if (report) *report = std::move(unread);
    // Largest first; equal sizes in the order of a single-threaded walk, root by root.
    std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        if (a.size != b.size) return a.size > b.size;
        if (a.root != b.root) return a.root < b.root;
        return a.key < b.key;
    });
    std::vector<LargeFile> files;
    files.reserve(found.size());
    for (auto& c : found)
        files.push_back({Uuid::random(), std::move(c.path), c.size, c.access, false, c.identity});
    return files;
}

RemovalOutcome LargeFileScanner::remove(const std::vector<LargeFile>& files,
                                        std::stop_token stop) const {
    Trash trash(layout_);
    return trashSelected(files, trash, stop);
}

}  // namespace tornivo
