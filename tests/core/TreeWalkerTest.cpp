#include "platform/TreeWalker.h"

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "CoreChecks.h"
#include "platform/ParallelTreeWalk.h"

namespace tornivo {
namespace {

namespace fs = std::filesystem;
using namespace test;

// One reported entry: its full path, depth and kind.
struct Seen {
    std::string path;
    int depth;
    bool directory;
};

// Walks `root` and records every entry in the order reported.
std::vector<Seen> walkAll(const Path& root) {
    std::vector<Seen> seen;
    TreeWalker walker;
    bool ok = walker.walk(root, [&](const TreeWalker::Entry& e) {
        seen.push_back({walker.pathOf(e).native(), e.depth, e.status.isDirectory()});
        return true;
    });
    EXPECT_TRUE(ok);
    return seen;
}

std::set<std::string> pathsOf(const std::vector<Seen>& seen) {
    const auto paths = mapped(seen, [](const Seen& s) { return s.path; });
    return {paths.begin(), paths.end()};
}

using Found = std::pair<TreeWalker::OrderKey, std::string>;
// What a walk (or one thread of a parallel walk) met, by its key; keeps out of every "b3", as a
// visitor that leaves some folders out does.
struct Collector {
    std::vector<Found> found;
    bool operator()(const TreeWalker& walker, const TreeWalker::Entry& e) {
        found.emplace_back(walker.orderKey(e), walker.pathOf(e).native());
        return std::string_view(e.name) != "b3";
    }
};

std::set<std::string> relative(const Path& root, std::initializer_list<const char*> names) {
    const auto paths = mapped(names, [&](const char* n) { return (root / n).native(); });
    return {paths.begin(), paths.end()};
}

TEST(TreeWalkerTest, MatchesReferenceListingInPreOrderByteForByte) {
    TempDir dir;
    const Path root = makeDir(dir / "root");
    // A generated tree of a few thousand entries: folders, files, links to folders and files
    // inside the tree, dangling links and names that are not UTF-8 (reported byte for byte).
    std::mt19937 random(20240611);
    std::vector<Path> folders{root};
    for (int i = 0; i < 3000; ++i) {
        const Path& parent = folders[random() % folders.size()];
        std::string name = "n" + std::to_string(i);
        if (i % 37 == 0) name += "\xff\xe9";
        const Path entry = parent / name;
        const unsigned kind = random() % 20;
        if (kind < 4) folders.push_back(makeDir(entry));
        if (kind == 4) makeSymlink(folders[random() % folders.size()], entry);
        if (kind == 5) makeSymlink("..", entry);
        if (kind == 6) makeSymlink(dir / "nowhere", entry);
        if (kind > 6) writeText(entry, name);
    }

    std::set<std::string> reference;
    for (const auto& e : fs::recursive_directory_iterator(root))
        reference.insert(e.path().native());

    const std::vector<Seen> seen = walkAll(root);
    EXPECT_EQ(seen.size(), reference.size()) << "an entry was reported twice or missed";
    EXPECT_EQ(pathsOf(seen), reference);

    // Pre-order, descending at once: every entry lies in the folder last entered that is still
    // open (once left, a folder never comes back), at the depth of its path.
    std::vector<std::string> open{root.native()};
    for (const Seen& s : seen) {
        const std::string parent = Path(s.path).parent_path().native();
        while (open.size() > 1 && open.back() != parent) open.pop_back();
        ASSERT_EQ(open.back(), parent) << s.path << " is out of its folder's turn";
        EXPECT_EQ(s.depth, static_cast<int>(open.size())) << s.path;
        EXPECT_EQ(s.directory, fs::is_directory(fs::symlink_status(s.path))) << "links as links";
        if (s.directory) open.push_back(s.path);
    }
}

TEST(TreeWalkerTest, UnreadableFolderContributesNothingAndWalkGoesOn) {
    TempDir dir;
    const Path root = dir / "root";
    writeText(root / "a" / "a.txt", "a");
    writeText(root / "closed" / "hidden.txt", "h");
    writeText(root / "closed" / "deeper" / "hidden2.txt", "h");
    writeText(root / "listable" / "unstattable.txt", "u");
    writeText(root / "z" / "z.txt", "z");
    setMode(root / "closed", 0000);
    setMode(root / "listable", 0400);  // names can be read, entries cannot be reached
    TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY();

    // The two folders themselves are met in their parent, which can be read.
    EXPECT_EQ(pathsOf(walkAll(root)),
              relative(root, {"a", "a/a.txt", "closed", "listable", "z", "z/z.txt"}));
}

TEST(TreeWalkerTest, WalksVeryDeepTreeWithFewDescriptors) {
    TempDir dir;
    const Path root = makeDir(dir / "deep");
    constexpr int kLevels = 10'000;
    ASSERT_TRUE(buildChain(root, kLevels));
    // One folder and one file at every depth; the deepest file's full path is checked too.
    std::vector<int> folders(kLevels + 2), files(kLevels + 2);
    std::string deepest;
    bool ok = false;
    {
        DescriptorLimit limit(128);
        ASSERT_TRUE(limit.ok());
        TreeWalker walker;
        ok = walker.walk(root, [&](const TreeWalker::Entry& e) {
            if (e.depth < 1 || e.depth > kLevels + 1) return false;
            ++(e.status.isDirectory() ? folders : files)[e.depth];
            if (e.depth == kLevels + 1) deepest = walker.pathOf(e).native();
            return true;
        });
    }
    dismantleChain(root);

    EXPECT_TRUE(ok);
    std::string expected = root.native();
    for (int i = 0; i < kLevels; ++i) expected += "/d";
    expected += "/" + chainFileName(kLevels);
    EXPECT_TRUE(deepest == expected) << "the deepest file's path has " << deepest.size()
                                     << " bytes instead of " << expected.size();
    int missing = 0;
    for (int depth = 1; depth <= kLevels; ++depth) missing += folders[depth] != 1;
    for (int depth = 1; depth <= kLevels + 1; ++depth) missing += files[depth] != 1;
    EXPECT_EQ(missing, 0);
}

// A folder whose descriptor was given up is re-opened through "..": moved meanwhile, its ".."
// is another folder, and one holding the same names must not pass for the first.
TEST(TreeWalkerTest, AFolderMovedWhileItsParentWasClosedEndsTheWalkNotAWalkOfItsNewParent) {
    TempDir dir;
    const Path a = makeDir(dir / "a"), sibling = makeDir(dir / "sibling");
    writeFile(makeDir(a / "x") / "inner");
    // Names of `a` that its walk reaches after "x" (in the order the folder reads them) also
    // name files of the sibling.
    std::vector<std::string> order;
    for (int n = 0; order.empty() || order.back() == "x"; ++n) {
        const std::string name = "f" + std::to_string(n);
        writeFile(a / name);
        writeFile(sibling / name);
        order.clear();
        for (const auto& e : fs::directory_iterator(a)) order.push_back(e.path().filename());
    }
    std::map<std::pair<dev_t, ino_t>, int> reported;
    TreeWalker walker(1);  // entering x gives up a's descriptor
    bool moved = false;
    walker.walk(dir.path(), [&](const TreeWalker::Entry& e) {
        ++reported[{e.status.dev, e.status.ino}];
        if (e.depth == 3 && !moved)
            moved = ::rename((a / "x").c_str(), (sibling / "x").c_str()) == 0;
        return true;
    });
    ASSERT_TRUE(moved);
    for (const auto& [identity, times] : reported) EXPECT_EQ(times, 1) << "reported twice";
}

TEST(TreeWalkerTest, NeverEntersOtherMountsIncludingBindMountsOfSameFileSystem) {
    TempDir dir;
    writeText(dir / "shared" / "keep.txt", "keep");
    const Path root = dir / "root";
    writeText(root / "plain" / "file.txt", "plain");
    makeDir(root / "nested" / "bound");
    makeDir(root / "scratch");

    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        if (!mountOrSay((dir / "shared").c_str(), root / "nested" / "bound", nullptr, MS_BIND,
                        nullptr, report) ||
            !mountOrSay("tmpfs", root / "scratch", "tmpfs", 0, "size=1m", report))
            return kSkipExit;
        writeText(root / "scratch" / "scratch.txt", "on tmpfs");
        std::set<std::string> expected = relative(root, {"plain", "plain/file.txt", "nested"});
        std::set<std::string> got = pathsOf(walkAll(root));
        // Threads that hand folders to each other keep out of the mounts too.
        for (auto& part : parallelTreeWalk(root, 8, [] { return Collector{}; }))
            for (const auto& [key, path] : part.found)
                if (!expected.contains(path)) got.insert(path);
        if (got == expected) return 0;
        report += "reported:";
        for (const auto& p : got) report += " " + p;
        return 1;
    });
}

// The walk's helpers give way to the process's other threads; the caller's thread keeps its own
// priority, during the walk and after. (On a busy machine the niced helpers may get no folder
// at all before the caller is done: what they did walk, they walked niced.)
TEST(ParallelTreeWalkTest, HelperThreadsRunNicedAndTheCallersThreadDoesNot) {
    auto niceOf = [] { return ::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid())); };
    const int callerNice = niceOf();
    ASSERT_LT(callerNice, kWalkHelperNice) << "the tests must not run niced already";
    int lowered = -100;
    std::thread([&] { lowered = lowerWalkHelperPriority() ? niceOf() : -1; }).join();
    EXPECT_EQ(lowered, kWalkHelperNice);

    TempDir dir;
    for (int i = 0; i < 64; ++i) writeFile(makeDir(dir.path() / ("d" + std::to_string(i))) / "f");
    struct Nices {
        std::set<int> seen;
        bool operator()(const TreeWalker&, const TreeWalker::Entry&) {
            seen.insert(::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid())));
            return true;
        }
    };
    const auto visitors = parallelTreeWalk(dir.path(), 4, [] { return Nices{}; });
    std::set<int> caller = visitors[0].seen, helpers;
    for (std::size_t i = 1; i < visitors.size(); ++i)
        helpers.insert(visitors[i].seen.begin(), visitors[i].seen.end());
    EXPECT_TRUE(caller.empty() || caller == std::set<int>{callerNice});
    EXPECT_TRUE(helpers.empty() || helpers == std::set<int>{kWalkHelperNice});
    EXPECT_FALSE(caller.empty() && helpers.empty());
    EXPECT_EQ(niceOf(), callerNice);
}

TEST(ParallelTreeWalkTest, ThreadsTogetherMeetEveryEntryOnceAndKeysRestoreTheSequentialOrder) {
    TempDir dir;
    const Path root = dir / "tree";
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 6; ++b) {
            const Path folder = root / ("a" + std::to_string(a)) / ("b" + std::to_string(b));
            for (int c = 0; c < 5; ++c) writeFile(folder / ("f" + std::to_string(c)), 10);
            makeDir(folder / "empty");
            if (b % 2) writeFile(folder / "deeper/still/x", 1);
        }
    makeSymlink(root / "a0", root / "a1/link");

    Collector sequential;
    TreeWalker walker;
    walker.walk(root, [&](const TreeWalker::Entry& e) { return sequential(walker, e); });
    ASSERT_GT(sequential.found.size(), 500u);
    ASSERT_EQ(
        std::ranges::adjacent_find(sequential.found, std::ranges::greater_equal{}, &Found::first),
        sequential.found.end())
        << "keys rise in the walk's order";
    for (unsigned threads : {1u, 2u, 4u, 8u}) {
        std::vector<Found> merged;
        for (auto& c : parallelTreeWalk(root, threads, [] { return Collector{}; }))
            merged.insert(merged.end(), c.found.begin(), c.found.end());
        std::ranges::sort(merged);
        EXPECT_EQ(merged, sequential.found) << threads << " threads";
    }
}

}  // namespace
}  // namespace tornivo
