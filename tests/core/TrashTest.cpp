#include "platform/Trash.h"

#include <sys/stat.h>
#include <unistd.h>

#include "CoreChecks.h"
#include "platform/FileStatus.h"

namespace tornivo {
namespace {

using namespace test;

class TrashTest : public ::testing::Test {
  protected:
    TempHome home;
    Path files() const { return home.layout().trashFiles; }
    Path info() const { return *home.layout().trashInfo; }
    std::optional<TrashedItem> move(const Path& location) {
        Trash trash(home.layout());
        return trash.moveListed(location, identityOf(location));
    }
};

TEST_F(TrashTest, MovesFilesFoldersAndLinksRestorablyKeepingTheirBytes) {
    const Path odd = writeText(home / Path("Documents/r\xe9sum\xe9.pdf"), "cv");
    const Path twin = writeText(home / Path("Downloads/r\xe9sum\xe9.pdf"), "cv 2");
    writeText(home / "Pictures/album/one.jpg", "1");
    const Path link = makeSymlink(writeText(home / "target", "target"), home / "Desktop/link");

    const FileIdentity oddId = identityOf(odd), twinId = identityOf(twin);
    EXPECT_EQ(move(odd),
              (TrashedItem{odd, files(), "r\xe9sum\xe9.pdf", oddId.device, oddId.inode}));
    EXPECT_EQ(move(twin),
              (TrashedItem{twin, files(), "r\xe9sum\xe9.pdf.2", twinId.device, twinId.inode}))
        << "a name taken in the Trash gets a number";
    EXPECT_TRUE(move(home / "Pictures/album"));
    EXPECT_TRUE(move(link));

    EXPECT_FALSE(test::exists(odd));
    EXPECT_EQ(readText(files() / Path("r\xe9sum\xe9.pdf")), "cv");
    EXPECT_EQ(readText(files() / Path("r\xe9sum\xe9.pdf.2")), "cv 2");
    EXPECT_EQ(readText(files() / "album/one.jpg"), "1");
    EXPECT_EQ(readText(home / "target"), "target") << "a link goes, its target stays";
    const std::string record = readText(info() / Path("r\xe9sum\xe9.pdf.trashinfo"));
    EXPECT_TRUE(record.starts_with("[Trash Info]\nPath=" + (home / "Documents").native() +
                                   "/r%E9sum%E9.pdf\nDeletionDate="))
        << record;
    EXPECT_FALSE(move(home / "nothing-here"));
    EXPECT_FALSE(Trash(home.layout()).moveListed(writeText(home / "unlisted", "x"), {}))
        << "a record that was never listed is never moved";
}

TEST_F(TrashTest, OnlyTheListedEntryInTheListedFolderMoves) {
    const Path file = writeText(home / "Documents/report.odt", "mine");
    const FileIdentity listed = identityOf(file);
    // Replaced by another file of the same name: not what was listed.
    ASSERT_EQ(::rename(writeText(home / "Documents/new.odt", "other").c_str(), file.c_str()), 0);
    Trash trash(home.layout());
    EXPECT_FALSE(trash.moveListed(file, listed));
    EXPECT_EQ(readText(file), "other");

    // The folder swapped for a link to one holding the same name (a second name of that very
    // file, even): the folder is not the one listed.
    const Path kept = writeText(home / "Music/song.ogg", "la");
    const FileIdentity song = identityOf(kept);
    TempDir outside;
    ASSERT_EQ(::link(kept.c_str(), (outside / "song.ogg").c_str()), 0);
    ASSERT_EQ(::rename((home / "Music").c_str(), (home / "Music.real").c_str()), 0);
    makeSymlink(outside.path(), home / "Music");
    EXPECT_FALSE(trash.moveListed(kept, song));
    EXPECT_EQ(readText(outside / "song.ogg"), "la");

    // A folder listed through a link (Documents kept on another disk): its file goes, recorded
    // under the folder's own path.
    const Path far = writeText(outside / "far.odt", "far");
    makeSymlink(outside.path(), home / "Linked");
    const auto moved = trash.moveListed(home / "Linked/far.odt", identityOf(far));
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->original, far);
    EXPECT_FALSE(test::exists(far));
}

TEST_F(TrashTest, ATrashFolderThatLeadsOutsideItsPlaceIsNeverUsed) {
    const Path file = writeText(home / "Documents/a.txt", "a");
    std::filesystem::remove_all(home.layout().trash);
    makeDir(home.layout().trash.parent_path());
    makeSymlink(home.home(), home.layout().trash);  // the Trash would be the home itself
    EXPECT_FALSE(move(file));
    EXPECT_EQ(readText(file), "a");
    EXPECT_FALSE(test::exists(home / "files")) << "nothing made in the home";
}

TEST_F(TrashTest, AnotherFileSystemGoesToItsOwnTrashNeverThroughALink) {
    const Path stick = makeDir(home / "stick");
    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        if (!mountOrSay("tmpfs", stick, "tmpfs", 0, "size=1m", report)) return kSkipExit;
        TempDir elsewhere;
        // A .Trash that is a link is passed over for .Trash-$uid.
        makeSymlink(elsewhere.path(), stick / ".Trash");
        const Path file = writeText(stick / "photos/cat.jpg", "meow");
        auto moved = move(file);
        const Path bin = stick / (".Trash-" + std::to_string(::geteuid()));
        if (!moved) report += "the file did not move\n";
        if (readText(bin / "files/cat.jpg") != "meow") report += "not in the mount's Trash\n";
        if (readText(bin / "info/cat.jpg.trashinfo").find("Path=" + file.native()) ==
            std::string::npos)
            report += "no restore record\n";
        if (!std::filesystem::is_empty(elsewhere.path())) report += "wrote through the link\n";
        struct stat st {};
        if (::lstat(bin.c_str(), &st) != 0 || (st.st_mode & 0777) != 0700)
            report += ".Trash-$uid is not private\n";
        return report.empty() ? 0 : 1;
    });
}

TEST_F(TrashTest, WhenNoRestorableTrashCanBeMadeTheFileStays) {
    const Path mountPoint = makeDir(home / "stick");
    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        if (!mountOrSay("tmpfs", mountPoint, "tmpfs", 0, "size=1m", report)) return kSkipExit;
        const Path file = writeText(mountPoint / "keep.txt", "on another file system");
        const FileIdentity listed = identityOf(file);
        ::chmod(mountPoint.c_str(), 0555);  // no .Trash-$uid can be made at the top
        PermissionsApply permissions;
        if (!permissions.active()) {
            report += permissions.reason();
            return kSkipExit;
        }
        Trash trash(home.layout());
        if (trash.moveListed(file, listed)) report += "reported a move without a Trash\n";
        if (readText(file) != "on another file system") report += "the file is gone\n";
        return report.empty() ? 0 : 1;
    });
}

}  // namespace
}  // namespace tornivo
