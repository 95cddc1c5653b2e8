#include "platform/SafeRemover.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace test;

TEST(SafeRemoverTest, RemovesTreesAndFilesByTheirExactBytesAndLeavesSiblingsAlone) {
    TempDir dir;
    writeText(dir / "tree\xfe" / "keep", "sibling");
    writeText(dir / "tree", "prefix sibling");
    const auto siblings = snapshot(dir.path());
    const Path tree = dir / "tree\xff";
    writeText(tree / "caf\xe9.txt", "latin-1 name");
    writeText(tree / "\xc3\x28" / "inner\x80", "broken sequence");
    writeText(tree / "plain" / "deep" / "file", "x");
    makeDir(tree / "empty");
    writeText(dir / "one\xe9", "1");

    EXPECT_TRUE(SafeRemover::remove(tree.native() + "/"));
    EXPECT_TRUE(SafeRemover::remove(dir / "one\xe9"));
    EXPECT_FALSE(SafeRemover::remove(dir / "one\xe9")) << "already gone";
    EXPECT_FALSE(SafeRemover::remove(dir / "never" / "there"));
    EXPECT_EQ(snapshot(dir.path()), siblings) << "both gone, their siblings untouched";
}

TEST(SafeRemoverTest, RemovesLinksButNeverTheirTargetsAndRefusesALinkGivenAsTheLocation) {
    TempDir dir;
    const Path outside = dir / "outside";
    writeText(outside / "target.txt", "target");
    writeText(outside / "folder" / "a.txt", "a");
    writeText(outside / "folder" / "sub" / "b.txt", "b");
    makeSymlink(outside / "folder", dir / "link-to-folder");
    makeSymlink(outside / "target.txt", dir / "link-to-file");
    const auto before = snapshot(dir.path());

    for (const Path& link : {dir / "link-to-folder", dir / "link-to-folder/", dir / "link-to-file"})
        EXPECT_FALSE(SafeRemover::remove(link)) << link;
    EXPECT_EQ(snapshot(dir.path()), before);

    const Path tree = dir / "tree";
    makeSymlink(outside / "target.txt", tree / "to-file");
    makeSymlink(outside / "folder", tree / "to-folder");
    makeSymlink(outside / "folder", tree / "nested" / "deeper" / "to-folder");
    makeSymlink("../../outside/folder", tree / "nested" / "relative");
    makeSymlink(dir / "nowhere", tree / "dangling");
    makeSymlink(".", tree / "self");
    EXPECT_TRUE(SafeRemover::remove(tree));
    EXPECT_EQ(snapshot(dir.path()), before) << "the tree is gone, nothing it linked to";
}

TEST(SafeRemoverTest, NeverReportsSuccessForWhatItCannotRemove) {
    TempDir dir;
    const Path tree = dir / "tree";
    writeText(tree / "a-first.txt", "a");
    writeText(tree / "locked" / "stuck.txt", "stuck");
    writeText(tree / "m-middle" / "x.txt", "x");
    writeText(tree / "z-last.txt", "z");
    setMode(tree / "locked", 0500);
    // The tree itself empties, but its parent does not let it go.
    const Path closedParent = dir / "closed";
    writeText(closedParent / "inner" / "f.txt", "f");
    setMode(closedParent, 0500);
    TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY();

    EXPECT_FALSE(SafeRemover::remove(tree));
    EXPECT_FALSE(SafeRemover::remove(closedParent / "inner"));
    // Only what could not be removed is left: the file of the locked folder, the emptied inner.
    const auto left = mapped(snapshot(dir.path()), [](const auto& e) { return Path(e.first); });
    EXPECT_EQ(left, (std::vector<Path>{closedParent, closedParent / "inner", tree, tree / "locked",
                                       tree / "locked/stuck.txt"}));
}

TEST(SafeRemoverTest, RemovesVeryDeepTreeWithFewDescriptors) {
    TempDir dir;
    const Path root = makeDir(dir / "deep");
    ASSERT_TRUE(buildChain(root, 10'000));
    bool removed = false;
    {
        DescriptorLimit limit(128);
        ASSERT_TRUE(limit.ok());
        removed = SafeRemover::remove(root).removed;
    }
    EXPECT_TRUE(removed);
    EXPECT_FALSE(test::exists(root));
    if (test::exists(root)) dismantleChain(root);
}

TEST(SafeRemoverTest, StopsAtMountPointsIncludingBindMountsOfSameFileSystem) {
    TempDir dir;
    const Path shared = dir / "shared";
    writeText(shared / "keep.txt", "keep");
    writeText(shared / "inner" / "keep2.txt", "keep2");
    const auto sharedBefore = snapshot(shared);
    const Path tree = dir / "tree";
    writeText(tree / "plain" / "file.txt", "plain");
    writeText(tree / "z.txt", "z");
    makeDir(tree / "nested" / "bound");
    makeDir(tree / "scratch");

    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        if (!mountOrSay(shared.c_str(), tree / "nested" / "bound", nullptr, MS_BIND, nullptr,
                        report) ||
            !mountOrSay("tmpfs", tree / "scratch", "tmpfs", 0, "size=1m", report))
            return kSkipExit;
        writeText(tree / "scratch" / "scratch.txt", "on tmpfs");
        struct stat treeSt, boundSt;
        if (::stat(tree.c_str(), &treeSt) != 0 ||
            ::stat((tree / "nested" / "bound").c_str(), &boundSt) != 0 ||
            treeSt.st_dev != boundSt.st_dev) {
            report += "the bind mount does not share the tree's device number\n";
            return kSkipExit;
        }
        if (SafeRemover::remove(tree / "nested" / "bound")) report += "removed a bind mount\n";
        if (SafeRemover::remove(tree / "scratch")) report += "removed a tmpfs mount point\n";
        if (SafeRemover::remove(tree)) report += "reported success for a tree holding mounts\n";
        if (!test::exists(tree / "scratch/scratch.txt")) report += "removed a file on tmpfs\n";
        if (!test::exists(tree / "nested/bound/keep.txt")) report += "removed a file in a bind\n";
        // The ordinary entries beside the mounts go.
        for (const char* entry : {"plain", "z.txt"})
            if (test::exists(tree / entry)) report += std::string("left ") + entry + "\n";
        return report.empty() ? 0 : 1;
    });
    EXPECT_EQ(snapshot(shared), sharedBefore);
}

// A second thread keeps exchanging folders of the tree for links to a victim folder outside it,
// and back, while trees are removed one after another. Whatever the interleaving, nothing in
// the victim folder may be touched.
TEST(SafeRemoverTest, FoldersSwappedForLinksMidwayLeadNowhere) {
    TempDir dir;
    const Path victim = dir / "victim";
    for (int i = 0; i < 8; ++i) writeText(victim / ("v" + std::to_string(i)), "victim data");
    writeText(victim / "deep" / "w", "victim deep data");
    const auto victimBefore = snapshot(victim);

    const Path work = makeDir(dir / "work");
    const Path tree = work / "tree";
    const Path staging = work / "staging";
    const Path graveyard = makeDir(dir / "graveyard");
    const Path swapped[] = {tree / "a", tree / "a" / "sub", tree / "a" / "sub" / "inner"};

    constexpr long kSwaps = 10'000;
    constexpr int kMinRounds = 500;
    std::atomic<long> swaps{0};
    std::atomic<bool> stop{false};
    // Each swap exchanges a folder with the link beside it in one step. Through a link the
    // swapper's paths lead into the victim, which holds none of these names: there they fail.
    std::thread swapper([&] {
        for (std::size_t n = 0; !stop.load(std::memory_order_relaxed); ++n) {
            const Path& folder = swapped[n % std::size(swapped)];
            const Path link = folder.native() + ".link";
            for (int i = 0; i < 2; ++i)
                if (::renameat2(AT_FDCWD, folder.c_str(), AT_FDCWD, link.c_str(),
                                RENAME_EXCHANGE) == 0)
                    swaps.fetch_add(1, std::memory_order_relaxed);
        }
    });

    int rounds = 0, successes = 0;
    while ((swaps.load() < kSwaps || rounds < kMinRounds) && !HasFailure()) {
        // Built aside and moved in whole, so that the builder never writes through a link.
        for (int i = 0; i < 6; ++i)
            for (const std::string file : {"a/sub/inner/i", "a/sub/s", "a/f", "t"})
                writeText(staging / (file + std::to_string(i)), file);
        for (const Path& folder : swapped)
            makeSymlink(victim, (staging / folder.lexically_relative(tree)).native() + ".link");
        if (::rename(staging.c_str(), tree.c_str()) != 0) {
            ADD_FAILURE() << "cannot move the tree in: " << std::strerror(errno);
            break;  // not return: the swapper must be stopped first
        }
        if (SafeRemover::remove(tree)) {
            ++successes;
            EXPECT_FALSE(test::exists(tree)) << "reported success with the tree still there";
        }
        // Whatever is left goes aside, out of the swapper's reach.
        ::rename(tree.c_str(), (graveyard / std::to_string(rounds)).c_str());
        if (++rounds % 64 == 0 && snapshot(victim) != victimBefore) break;
    }
    stop = true;
    swapper.join();

    EXPECT_GE(swaps.load(), kSwaps) << "after " << rounds << " rounds";
    EXPECT_GT(successes, 0);
    EXPECT_EQ(snapshot(victim), victimBefore);
}

TEST(SafeRemoverAtTest, RemovesByNameInsideAnOpenFolderAndTakesOnlyOneComponent) {
    TempDir dir;
    writeText(dir / "folder/inner/file", "x");
    writeText(dir / "folder/keep", "k");
    int fd = ::open((dir / "folder").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(SafeRemover::removeAt(fd, "inner/file")) << "one name, not a path";
    EXPECT_FALSE(SafeRemover::removeAt(fd, ".."));
    EXPECT_TRUE(test::exists(dir / "folder/inner/file"));
    EXPECT_TRUE(SafeRemover::removeAt(fd, "inner"));
    ::close(fd);
    EXPECT_FALSE(test::exists(dir / "folder/inner"));
    EXPECT_EQ(readText(dir / "folder/keep"), "k");
}

}  // namespace
}  // namespace tornivo
