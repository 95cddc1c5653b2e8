#include "platform/Trash.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>

#include "SystemFixtures.h"
#include "TempHome.h"

namespace tornivo {
namespace {

using namespace test;

// GIO reads where the home Trash is once per process: point it into a temporary folder first.
class TrashEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        dir_ = std::make_unique<TempDir>();
        setenv("XDG_DATA_HOME", (dir_->path() / "data").c_str(), 1);
    }
    void TearDown() override { dir_.reset(); }
    static Path trashFiles() { return Path(std::getenv("XDG_DATA_HOME")) / "Trash/files"; }
    static Path trashInfo() { return Path(std::getenv("XDG_DATA_HOME")) / "Trash/info"; }

  private:
    std::unique_ptr<TempDir> dir_;
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TrashEnvironment);

TEST(TrashTest, MovesFilesFoldersAndLinksRestorablyKeepingTheirBytes) {
    TempDir dir;
    const Path odd = writeText(dir / Path("r\xe9sum\xe9.pdf"), "cv");
    const Path folder = dir / "album";
    writeText(folder / "one.jpg", "1");
    writeText(dir / "target", "target");
    const Path link = makeSymlink(dir / "target", dir / "link");

    for (const Path& p : {odd, folder, link}) EXPECT_TRUE(Trash::moveToTrash(p)) << p;
    EXPECT_FALSE(test::exists(odd));
    EXPECT_EQ(readText(TrashEnvironment::trashFiles() / Path("r\xe9sum\xe9.pdf")), "cv");
    EXPECT_EQ(readText(TrashEnvironment::trashFiles() / "album/one.jpg"), "1");
    EXPECT_EQ(readText(dir / "target"), "target") << "a link goes, its target stays";
    const std::string info =
        readText(TrashEnvironment::trashInfo() / Path("r\xe9sum\xe9.pdf.trashinfo"));
    EXPECT_NE(info.find("Path="), std::string::npos);
    EXPECT_NE(info.find("%E9"), std::string::npos) << "the original bytes, percent-encoded";
    EXPECT_FALSE(Trash::moveToTrash(dir / "nothing-here"));
    EXPECT_FALSE(Trash::moveToTrash(Path()));
}

TEST(TrashTest, WhenNoRestorableTrashCanBeMadeTheFileStays) {
    TempDir dir;
    const Path mountPoint = makeDir(dir / "stick");
    ChildOutcome outcome = inMountNamespace([&](std::string& report) {
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
    if (outcome.skipped) GTEST_SKIP() << outcome.report;
    EXPECT_TRUE(outcome.passed) << outcome.report;
}

}  // namespace
}  // namespace tornivo
