#include "engines/LargeFileScanner.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <ctime>
#include <set>
#include <thread>

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace test;
using namespace std::chrono_literals;

// A local time in the zone of TZ.
TimePoint local(int y, int mo, int d, int h, int mi = 0, int s = 0) {
    std::tm t{};
    t.tm_year = y - 1900, t.tm_mon = mo - 1, t.tm_mday = d, t.tm_hour = h, t.tm_min = mi;
    t.tm_sec = s, t.tm_isdst = -1;
    return Clock::from_time_t(std::mktime(&t));
}

std::vector<std::string> paths(const std::vector<LargeFile>& files) {
    return mapped(files, [](const LargeFile& f) { return f.url.native(); });
}

const TimePoint kNow = Clock::from_time_t(1'717'243'200);  // 1 June 2024, 12:00 UTC
const TimePoint kOld = kNow - 24h * 200;

class LargeFileScannerTest : public ::testing::Test {
  protected:
    TempHome home;
    Path downloads() const { return *home.layout().downloads; }
    // A file of `size` bytes last opened long ago.
    Path old(const Path& file, std::size_t size = 8192) {
        setTimes(writeFile(file, size), kOld, kOld);
        return file;
    }
    std::vector<LargeFile> scan(ByteCount minSize = 8192) const {
        return LargeFileScanner(home.layout()).scan(minSize, 3, kNow);
    }
};

TEST(LargeFileCutoffTest, CalendarMonthsInLocalTimeWithTheDayClampedToTheMonth) {
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    auto cutoff = LargeFileScanner::cutoff;
    EXPECT_EQ(cutoff(local(2024, 3, 31, 12), 1), local(2024, 2, 29, 12)) << "leap year";
    EXPECT_EQ(cutoff(local(2023, 3, 31, 12), 1), local(2023, 2, 28, 12));
    EXPECT_EQ(cutoff(local(2024, 5, 31, 23, 59, 59), 3), local(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(cutoff(local(2024, 1, 15, 8, 30) + 250ms, 3), local(2023, 10, 15, 8, 30) + 250ms);
    // Across the change to summer time the same wall-clock time is an hour less than 91 days.
    EXPECT_EQ(cutoff(local(2024, 4, 30, 10), 3), local(2024, 1, 30, 10));
    EXPECT_EQ(local(2024, 4, 30, 10) - local(2024, 1, 30, 10), 24h * 91 - 1h);
    EXPECT_EQ(cutoff(kNow, 0), kNow);
    EXPECT_EQ(cutoff(local(2024, 1, 31, 12), -1), local(2024, 2, 29, 12)) << "forward too";
    for (int months : {12 * 400, INT_MAX, INT_MIN})
        EXPECT_EQ(cutoff(kNow, months), TimePoint::min()) << months << ": no such date";
    EXPECT_EQ(cutoff(kNow, -12 * 400), TimePoint::max())
        << "beyond the clock: every date is before";
}

TEST_F(LargeFileScannerTest, ListsFilesFromTheMinimumOnDiskNotOpenedSinceTheCutoff) {
    const Path real = allocateFile(downloads() / "disk.img", 524'288'000);
    const ByteCount onDisk = allocatedSize(real);
    ASSERT_GE(onDisk, 524'288'000);
    const Path sparse = writeFile(downloads() / "sparse.img", 4096);
    ASSERT_EQ(::truncate(sparse.c_str(), 1LL << 30), 0);
    for (const Path& p : {real, sparse}) setTimes(p, kOld, kOld);
    auto found = scan(524'288'000);
    ASSERT_EQ(paths(found), std::vector{real.native()}) << "a sparse GiB takes 4 KiB";
    EXPECT_EQ(found[0].size, onDisk);
    EXPECT_EQ(found[0].lastAccess, kOld);
    EXPECT_FALSE(found[0].isSelected);
    EXPECT_EQ(scan(onDisk).size(), 1u);
    EXPECT_TRUE(scan(onDisk + 1).empty());

    const TimePoint limit = LargeFileScanner::cutoff(kNow, 3);
    for (const auto& [name, opened] : {std::pair{"four-months", kNow - 24h * 122},
                                       {"at-the-cutoff", limit},
                                       {"just-after", limit + 1s},
                                       {"last-week", kNow - 24h * 7}})
        setTimes(writeFile(*home.layout().documents / name, 8192), opened, kOld);
    auto names = mapped(scan(), [](const LargeFile& f) { return f.url.filename().native(); });
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"at-the-cutoff", "disk.img", "four-months"}));
}

TEST_F(LargeFileScannerTest, HiddenEntriesLinksAndOtherKindsAreSkippedPackagesAreEntered) {
    const Path odd = old(downloads() / Path("r\xe9sum\xe9.pdf"));
    const Path inBundle = old(downloads() / "Tool.app/Contents/Resources/data.pak");
    old(downloads() / ".cache/big");
    old(downloads() / ".big");
    const Path elsewhere = old(home / "elsewhere/big");
    makeSymlink(elsewhere, downloads() / "link-to-file");
    makeSymlink(elsewhere.parent_path(), downloads() / "link-to-folder");
    ASSERT_EQ(::mkfifo((downloads() / "pipe").c_str(), 0600), 0);

    auto found = paths(scan());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector{inBundle.native(), odd.native()}));
}

TEST_F(LargeFileScannerTest, EqualSizesKeepRootThenWalkOrderWhateverTheThreads) {
    for (auto kind : {LayoutKind::freedesktop, LayoutKind::macos}) {
        TempHome h(kind);
        const Layout& l = h.layout();
        std::vector<std::string> expected{old(*l.desktop / "larger", 16384).native()};
        // Many folders, so that idle threads take some over.
        for (const Path& root : {*l.downloads, *l.documents, *l.desktop, *l.movies, *l.music}) {
            for (int i = 0; i < 20; ++i) old(root / std::to_string(i) / "a/b/f");
            TreeWalker walker;
            walker.walk(root, [&](const TreeWalker::Entry& e) {
                if (e.status.isRegular() && e.name != std::string_view("larger"))
                    expected.push_back(walker.pathOf(e).native());
                return true;
            });
        }
        for (unsigned threads : {1u, 2u, 4u})
            EXPECT_EQ(paths(LargeFileScanner(l, threads).scan(8192, 3, kNow)), expected)
                << threads << " threads, " << rawValue(kind);
    }
}

TEST_F(LargeFileScannerTest, PersonalFoldersThatAreLinksAreFollowedOnceNeverIntoTheHome) {
    TempDir outside;
    old(outside / "downloads/kept.iso");
    old(outside / "downloads/music/song.flac");
    makeSymlink(outside / "downloads", downloads());
    makeSymlink(outside / "downloads", *home.layout().desktop);  // the same folder again
    makeSymlink(outside / "downloads/music", *home.layout().music);
    makeSymlink(home.home(), *home.layout().documents);  // would be the whole home
    makeSymlink("/", *home.layout().movies);             // and more
    old(home / "in-the-home.iso");

    EXPECT_EQ(paths(scan()), (std::vector{(downloads() / "kept.iso").native(),
                                          (*home.layout().music / "song.flac").native()}));
}

TEST_F(LargeFileScannerTest, UnreadableFoldersAndVanishingFilesAreSkipped) {
    const Path readable = old(downloads() / "open/big");
    old(downloads() / "locked/big");
    old(*home.layout().documents / "big");
    setMode(downloads() / "locked", 0);
    setMode(*home.layout().documents, 0);
    const Path later = old(*home.layout().music / "big");
    {
        TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY();
        EXPECT_EQ(paths(scan()), (std::vector{readable.native(), later.native()}));
    }

    // Files come and go while the walks run: never a crash, never a file twice, the steady
    // files always there.
    std::atomic<bool> done{false};
    std::thread churn([&] {
        for (int i = 0; !done; ++i) {
            old(downloads() / "churn" / std::to_string(i % 50));
            std::filesystem::remove(downloads() / "churn" / std::to_string((i + 25) % 50));
        }
    });
    for (int round = 0; round < 30; ++round) {
        auto found = paths(scan());
        std::set<std::string> unique(found.begin(), found.end());
        EXPECT_EQ(unique.size(), found.size());
        EXPECT_TRUE(unique.contains(readable.native()) && unique.contains(later.native()));
    }
    done = true;
    churn.join();
}

TEST_F(LargeFileScannerTest, OnANoatimeMountTheLaterOfAccessAndModificationCounts) {
    const Path onRelatime = writeFile(*home.layout().documents / "big", 8192);
    setTimes(onRelatime, kOld, kNow - 24h);
    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        const Path mountPoint = makeDir(downloads());
        if (!mountOrSay("tmpfs", mountPoint, "tmpfs", MS_NOATIME, "size=1m", report))
            return kSkipExit;
        setTimes(writeFile(mountPoint / "written-yesterday", 8192), kOld, kNow - 24h);
        const Path idle = writeFile(mountPoint / "idle", 8192);
        setTimes(idle, kOld - 24h, kOld);
        auto found = scan();
        if (paths(found) != std::vector{idle.native(), onRelatime.native()}) {
            for (const auto& p : paths(found)) report += "found " + p + "\n";
            return 1;
        }
        if (found[0].lastAccess != kOld) report += "the record shows the later time\n";
        if (found[1].lastAccess != kOld) report += "elsewhere the access time counts\n";
        return report.empty() ? 0 : 1;
    });
}

TEST_F(LargeFileScannerTest, RemovalMovesTheSelectedFilesByTheirBytesAndCountsWhatWent) {
    const Path odd = old(downloads() / Path("caf\xe9-\xff.mkv"));
    const Path unticked = old(downloads() / "unticked.mkv");
    const Path gone = old(downloads() / "gone.mkv");
    const Path swapped = old(downloads() / "swapped.mkv");
    auto files = scan();
    ASSERT_EQ(files.size(), 4u);
    for (auto& f : files) f.isSelected = f.url != unticked;
    for (const Path& p : {gone, swapped}) std::filesystem::remove(p);
    makeDir(swapped);  // a folder in its place is not what was listed

    const RemovalOutcome outcome = LargeFileScanner(home.layout()).remove(files);
    EXPECT_EQ(outcome.freed, 8192);
    EXPECT_EQ(outcome.count(LeftReason::changed), 2) << "gone, and a folder in its place";
    EXPECT_EQ(outcome.left.size(), 2u);
    EXPECT_EQ(paths(scan()), std::vector{unticked.native()}) << "only the unticked one is left";
    EXPECT_TRUE(test::exists(home.layout().trashFiles / odd.filename()));
    EXPECT_TRUE(test::exists(swapped));
}

}  // namespace
}  // namespace tornivo
