#include "platform/Trash.h"

#include <sys/stat.h>

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace test;

const Path kTrashFiles = temporaryHomeTrash();
const Path kTrashInfo = kTrashFiles.parent_path() / "info";

TEST(TrashTest, MovesFilesFoldersAndLinksRestorablyKeepingTheirBytes) {
    TempDir dir;
    const Path odd = writeText(dir / Path("r\xe9sum\xe9.pdf"), "cv");
    const Path folder = dir / "album";
    writeText(folder / "one.jpg", "1");
    writeText(dir / "target", "target");
    const Path link = makeSymlink(dir / "target", dir / "link");

    for (const Path& p : {odd, folder, link}) EXPECT_TRUE(Trash::moveToTrash(p)) << p;
    EXPECT_FALSE(test::exists(odd));
    EXPECT_EQ(readText(kTrashFiles / Path("r\xe9sum\xe9.pdf")), "cv");
    EXPECT_EQ(readText(kTrashFiles / "album/one.jpg"), "1");
    EXPECT_EQ(readText(dir / "target"), "target") << "a link goes, its target stays";
    const std::string info = readText(kTrashInfo / Path("r\xe9sum\xe9.pdf.trashinfo"));
    EXPECT_NE(info.find("Path="), std::string::npos);
    EXPECT_NE(info.find("%E9"), std::string::npos) << "the original bytes, percent-encoded";
    EXPECT_FALSE(Trash::moveToTrash(dir / "nothing-here"));
    EXPECT_FALSE(Trash::moveToTrash(Path()));
}

TEST(TrashTest, WhenNoRestorableTrashCanBeMadeTheFileStays) {
    TempDir dir;
    const Path mountPoint = makeDir(dir / "stick");
    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        if (!mountOrSay("tmpfs", mountPoint, "tmpfs", 0, "size=1m", report)) return kSkipExit;
        const Path file = writeText(mountPoint / "keep.txt", "on another file system");
        ::chmod(mountPoint.c_str(), 0555);  // no .Trash-$uid can be made at the top
        PermissionsApply permissions;
        if (!permissions.active()) {
            report += permissions.reason();
            return kSkipExit;
        }
        if (Trash::moveToTrash(file)) report += "reported a move without a Trash to move to\n";
        if (readText(file) != "on another file system") report += "the file is gone\n";
        return report.empty() ? 0 : 1;
    });
}

}  // namespace
}  // namespace tornivo
