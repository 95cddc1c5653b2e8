#include "platform/TreeWalker.h"

#include <sys/mount.h>

#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SystemFixtures.h"
#include "TempHome.h"

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

// Walks `root` and records every entry in the order reported. `descend` decides for directories.
std::vector<Seen> walkAll(const Path& root,
                          const std::function<bool(const Path&)>& descend = nullptr) {
    std::vector<Seen> seen;
    TreeWalker walker;
    bool ok = walker.walk(root, [&](const TreeWalker::Entry& e) {
        Path p = walker.pathOf(e);
        seen.push_back({p.native(), e.depth, e.status.isDirectory()});
        return !descend || descend(p);
    });
    EXPECT_TRUE(ok);
    return seen;
}

std::set<std::string> pathsOf(const std::vector<Seen>& seen) {
    std::set<std::string> out;
    for (const auto& s : seen) out.insert(s.path);
    return out;
}

std::set<std::string> relative(const Path& root, std::initializer_list<const char*> names) {
    std::set<std::string> out;
    for (const char* n : names) out.insert((root / n).native());
    return out;
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
        unsigned kind = random() % 20;
        if (kind < 4) {
            folders.push_back(makeDir(entry));
        } else if (kind == 4) {
            makeSymlink(folders[random() % folders.size()], entry);
        } else if (kind == 5) {
            makeSymlink("..", entry);
        } else if (kind == 6) {
            makeSymlink(dir / "nowhere", entry);
        } else {
            writeText(entry, name);
        }
    }

    std::set<std::string> reference;
    for (const auto& e : fs::recursive_directory_iterator(root))
        reference.insert(e.path().native());

    const std::vector<Seen> seen = walkAll(root);
    EXPECT_EQ(seen.size(), reference.size()) << "an entry was reported twice or missed";
    EXPECT_EQ(pathsOf(seen), reference);

    // Pre-order, descending at once: every folder is followed directly by all of its contents,
    // and every entry's depth matches its path.
    std::map<std::string, std::size_t> below;
    for (const auto& p : reference) {
        for (Path up = Path(p).parent_path(); up != root; up = up.parent_path())
            ++below[up.native()];
    }
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const Path rel = Path(seen[i].path).lexically_relative(root);
        EXPECT_EQ(seen[i].depth, std::distance(rel.begin(), rel.end())) << seen[i].path;
        if (!seen[i].directory) continue;
        const std::string prefix = seen[i].path + "/";
        const std::size_t count = below[seen[i].path];
        ASSERT_LE(i + count, seen.size());
        for (std::size_t j = i + 1; j <= i + count; ++j)
            ASSERT_EQ(seen[j].path.compare(0, prefix.size(), prefix), 0)
                << seen[j].path << " interrupts the contents of " << seen[i].path;
    }
}

TEST(TreeWalkerTest, ReportsLinksWithoutFollowingThem) {
    TempDir dir;
    writeText(dir / "outside" / "secret.txt", "s");
    writeText(dir / "outside" / "sub" / "more.txt", "m");
    const Path root = dir / "root";
    writeText(root / "file.txt", "f");
    makeSymlink(dir / "outside", root / "to-outside");
    makeSymlink(dir / "outside" / "secret.txt", root / "to-file");
    makeSymlink(".", root / "self");
    makeSymlink("..", root / "sub" / "up");
    makeSymlink("loop-b", root / "loop-a");
    makeSymlink("loop-a", root / "loop-b");

    int visits = 0;
    std::vector<Seen> seen = walkAll(root, [&](const Path&) { return ++visits < 1000; });
    EXPECT_EQ(pathsOf(seen), relative(root, {"file.txt", "to-outside", "to-file", "self", "sub",
                                             "sub/up", "loop-a", "loop-b"}));
    for (const auto& s : seen) EXPECT_EQ(s.directory, s.path == (root / "sub").native()) << s.path;
}

TEST(TreeWalkerTest, PrunedFolderKeepsItsContentsUnreported) {
    TempDir dir;
    const Path root = dir / "root";
    writeText(root / "skip" / "inner" / "b.txt", "b");
    writeText(root / "keep" / "skip" / "d.txt", "d");  // same name, different folder
    EXPECT_EQ(pathsOf(walkAll(root, [&](const Path& p) { return p != root / "skip"; })),
              relative(root, {"skip", "keep", "keep/skip", "keep/skip/d.txt"}));
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
    PermissionsApply permissions;
    if (!permissions.active()) GTEST_SKIP() << permissions.reason();

    std::set<std::string> paths = pathsOf(walkAll(root));
    paths.erase((root / "closed").native());
    paths.erase((root / "listable").native());
    EXPECT_EQ(paths, relative(root, {"a", "a/a.txt", "z", "z/z.txt"}));
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

TEST(TreeWalkerTest, NeverEntersOtherMountsIncludingBindMountsOfSameFileSystem) {
    TempDir dir;
    writeText(dir / "shared" / "keep.txt", "keep");
    const Path root = dir / "root";
    writeText(root / "plain" / "file.txt", "plain");
    makeDir(root / "nested" / "bound");
    makeDir(root / "scratch");

    ChildOutcome outcome = inMountNamespace([&](std::string& report) {
        if (!mountOrSay((dir / "shared").c_str(), root / "nested" / "bound", nullptr, MS_BIND,
                        nullptr, report) ||
            !mountOrSay("tmpfs", root / "scratch", "tmpfs", 0, "size=1m", report))
            return kSkipExit;
        writeText(root / "scratch" / "scratch.txt", "on tmpfs");
        std::set<std::string> expected = relative(root, {"plain", "plain/file.txt", "nested"});
        std::set<std::string> got;
        TreeWalker walker;
        walker.walk(root, [&](const TreeWalker::Entry& e) {
            got.insert(walker.pathOf(e).native());
            return true;
        });
        if (got == expected) return 0;
        report += "reported:";
        for (const auto& p : got) report += " " + p;
        return 1;
    });
    if (outcome.skipped) GTEST_SKIP() << outcome.report;
    EXPECT_TRUE(outcome.passed) << outcome.report;
}

}  // namespace
}  // namespace tornivo
