#include "platform/FileSystemHelper.h"

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace test;
namespace fs = std::filesystem;
using FSH = FileSystemHelper;

// What du counts: every entry below the root by its own blocks, links not followed.
ByteCount referenceSize(const Path& root) {
    ByteCount total = 0;
    for (const auto& e : fs::recursive_directory_iterator(root)) total += allocatedSize(e.path());
    return total;
}

TEST(FileSystemHelperTest, CountsAllocatedBlocksNotLengthAndMissingLocationsMeasureZero) {
    TempDir d;
    EXPECT_EQ(FSH::fileSize(d / "nope"), 0);
    EXPECT_EQ(FSH::directorySize(d / "nope"), 0);
    EXPECT_EQ(FSH::size(d / "nope"), 0);
    const Path f = writeFile(d / "ten.txt", 10);
    ASSERT_GT(allocatedSize(f), 10) << "the file system should allocate a whole block";
    EXPECT_EQ(FSH::fileSize(f), allocatedSize(f));
    EXPECT_EQ(FSH::size(f), allocatedSize(f));
    EXPECT_EQ(FSH::directorySize(makeDir(d / "empty")), 0) << "the root itself does not count";

    const Path root = d / "cache";
    writeFile(root / ".hidden", 5000);
    writeFile(root / "a/b/c/deep.bin", 70000);
    writeFile(root / "a/.git/objects/pack", 123);
    writeFile(root / Path("caf\xe9.tmp"), 9000);
    makeDir(root / "a/empty");
    EXPECT_EQ(FSH::directorySize(root), referenceSize(root));
    EXPECT_EQ(FSH::size(root), referenceSize(root));
}

TEST(FileSystemHelperTest, LinksCountAsThemselvesAndAreNeverFollowed) {
    TempDir d;
    writeFile(d / "outside/big.bin", 4 << 20);
    const Path root = makeDir(d / "cache");
    makeSymlink(d / "outside/big.bin", root / "to-file");
    makeSymlink(d / "outside", root / "to-folder");
    makeSymlink(root / "loop", root / "loop");
    makeSymlink(root, root / "parent");
    writeFile(root / "small", 100);
    EXPECT_EQ(FSH::directorySize(root), referenceSize(root));
    EXPECT_LT(FSH::directorySize(root), 4 << 20);
    EXPECT_EQ(FSH::directorySize(root / "to-folder"), 0) << "nor a link given as the folder";
}

}  // namespace
}  // namespace tornivo
