#include "platform/FileSystemHelper.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TempHome.h"

namespace tornivo {
namespace {

using namespace test;
namespace fs = std::filesystem;

// What du counts: every entry below the root by its own blocks, links not followed.
ByteCount referenceSize(const Path& root) {
    ByteCount total = 0;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it)
        total += allocatedSize(it->path());
    return total;
}

TEST(FileSystemHelperTest, MissingLocationsMeasureZero) {
    TempDir d;
    EXPECT_EQ(FileSystemHelper::fileSize(d / "nope"), 0);
    EXPECT_EQ(FileSystemHelper::directorySize(d / "nope"), 0);
    EXPECT_EQ(FileSystemHelper::size(d / "nope"), 0);
}

TEST(FileSystemHelperTest, CountsAllocatedBlocksNotLength) {
    TempDir d;
    Path f = writeFile(d / "ten.txt", 10);
    ByteCount onDisk = allocatedSize(f);
    ASSERT_GT(onDisk, 10) << "the file system should allocate a whole block";
    EXPECT_EQ(FileSystemHelper::fileSize(f), onDisk);
    EXPECT_EQ(FileSystemHelper::size(f), onDisk);
    EXPECT_EQ(FileSystemHelper::directorySize(makeDir(d / "empty")), 0);
    EXPECT_EQ(FileSystemHelper::directorySize(d / "empty"), 0) << "the root itself does not count";
}

TEST(FileSystemHelperTest, FolderSizeCountsHiddenEntriesSubfoldersAndOddNames) {
    TempDir d;
    Path root = d / "cache";
    writeFile(root / ".hidden", 5000);
    writeFile(root / "a/b/c/deep.bin", 70000);
    writeFile(root / "a/.git/objects/pack", 123);
    writeFile(root / Path("caf\xe9.tmp"), 9000);
    makeDir(root / "a/empty");
    ByteCount expected = referenceSize(root);
    EXPECT_EQ(FileSystemHelper::directorySize(root), expected);
    EXPECT_EQ(FileSystemHelper::size(root), expected);
    EXPECT_GT(expected, allocatedSize(root / ".hidden") + allocatedSize(root / "a/b/c/deep.bin"))
        << "subfolders count their own blocks, as du does";
}

TEST(FileSystemHelperTest, ThreadsSharingTheWalkCountEveryEntryExactlyOnce) {
    TempDir d;
    Path root = d / "tree";
    for (int a = 0; a < 40; ++a)
        for (int b = 0; b < 10; ++b)
            for (int c = 0; c < 8; ++c)
                writeFile(root / std::to_string(a) / std::to_string(b) / std::to_string(c),
                          static_cast<std::size_t>(a * 997 + b * 31 + c));
    makeSymlink(root / "0", root / "1/back-to-0");
    const ByteCount expected = referenceSize(root);
    for (int run = 0; run < 5; ++run) EXPECT_EQ(FileSystemHelper::directorySize(root), expected);
}

TEST(FileSystemHelperTest, LinksCountAsThemselvesAndAreNeverFollowed) {
    TempDir d;
    writeFile(d / "outside/big.bin", 4 << 20);
    Path root = makeDir(d / "cache");
    makeSymlink(d / "outside/big.bin", root / "to-file");
    makeSymlink(d / "outside", root / "to-folder");
    makeSymlink(root / "loop", root / "loop");
    makeSymlink(root, root / "parent");
    writeFile(root / "small", 100);
    ByteCount size = FileSystemHelper::directorySize(root);
    EXPECT_EQ(size, referenceSize(root));
    EXPECT_LT(size, 4 << 20);
    EXPECT_EQ(FileSystemHelper::directorySize(root / "to-folder"), 0)
        << "a link given as the folder is not followed either";
}

TEST(FileSystemHelperTest, UnreadableFolderAddsNothingAndTheRestStillCounts) {
    TempDir d;
    Path root = d / "cache";
    writeFile(root / "locked/secret", 50000);
    writeFile(root / "open/visible", 20000);
    setMode(root / "locked", 0000);
    PermissionsApply permissions;
    if (!permissions.active()) GTEST_SKIP() << permissions.reason();
    ByteCount size = FileSystemHelper::directorySize(root);
    EXPECT_EQ(size, allocatedSize(root / "locked") + allocatedSize(root / "open") +
                        allocatedSize(root / "open/visible"));
}

}  // namespace
}  // namespace tornivo
