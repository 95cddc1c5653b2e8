#include "platform/LastTrashMove.h"

#include <nlohmann/json.hpp>

#include "CoreChecks.h"
#include "platform/FileStatus.h"
#include "platform/Trash.h"

namespace tornivo {
namespace {

using namespace test;

class LastTrashMoveTest : public ::testing::Test {
  protected:
    TempHome home;
    const Layout& layout() const { return home.layout(); }
    Path files() const { return layout().trashFiles; }

    // One operation: the files moved to the Trash and recorded, as the removals do it.
    RemovalOutcome trashAll(const std::vector<Path>& paths) {
        Trash trash(layout());
        RemovalOutcome outcome;
        for (const Path& p : paths) {
            auto moved = trash.moveListed(p, identityOf(p));
            EXPECT_TRUE(moved) << p;
            if (moved) outcome.trashed.push_back(*moved);
        }
        EXPECT_TRUE(recordTrashMove(layout(), outcome));
        return outcome;
    }
};

TEST_F(LastTrashMoveTest, PutsBackExactlyWhatWasMovedNamesThatAreNotUtf8Included) {
    const Path odd = writeText(home / Path("Documents/r\xe9sum\xe9 \\x41.pdf"), "cv");
    const Path folder = makeDir(home / Path("Pictures/\xff\xfe album"));
    writeText(folder / "one.jpg", "1");
    const Path bystander = writeText(home / "Downloads/other.iso", "iso");
    Trash(layout()).moveListed(bystander, identityOf(bystander));  // trashed by someone else

    const RemovalOutcome moved = trashAll({odd, folder});
    ASSERT_EQ(readTrashMove(layout()).items, moved.trashed) << "paths round-trip as bytes";
    const RestoreOutcome back = restoreLastTrashMove(layout());
    EXPECT_EQ(back.restored, moved.trashed);
    EXPECT_TRUE(back.stayed.empty());
    EXPECT_EQ(readText(odd), "cv");
    EXPECT_EQ(readText(folder / "one.jpg"), "1");
    EXPECT_FALSE(test::exists(*layout().trashInfo / Path("r\xe9sum\xe9 \\x41.pdf.trashinfo")))
        << "a restored item loses its restore record";
    EXPECT_TRUE(test::exists(files() / "other.iso")) << "what the operation did not move stays";
    EXPECT_TRUE(readTrashMove(layout()).items.empty());
}

TEST_F(LastTrashMoveTest, AFileMadeAtTheOriginalPlaceIsNeverReplaced) {
    const Path report = writeText(home / "Documents/report.odt", "old");
    const Path notes = writeText(home / "Documents/notes.txt", "notes");
    const auto moved = trashAll({report, notes}).trashed;
    writeText(report, "new");

    RestoreOutcome back = restoreLastTrashMove(layout());
    EXPECT_EQ(back.restored, std::vector{moved[1]});
    EXPECT_EQ(back.stayed,
              (std::vector<RestoreOutcome::Stayed>{{moved[0], RestoreRefusal::occupied}}));
    EXPECT_EQ(readText(report), "new");
    EXPECT_EQ(readText(files() / "report.odt"), "old");
    EXPECT_EQ(readText(notes), "notes");

    // Once its place is free again, what stayed can still go back.
    std::filesystem::remove(report);
    back = restoreLastTrashMove(layout());
    EXPECT_EQ(back.restored.size(), 1u);
    EXPECT_EQ(readText(report), "old");
}

TEST_F(LastTrashMoveTest, OnlyTheLastOperationComesBack) {
    const Path first = writeText(home / "Downloads/first.deb", "1");
    const Path second = writeText(home / "Downloads/second.deb", "2");
    const RemovalOutcome firstMove = trashAll({first});
    trashAll({second});
    EXPECT_TRUE(restoreLastTrashMove(layout(), &firstMove.trashed).restored.empty())
        << "the way back of one move never puts back another";
    EXPECT_EQ(restoreLastTrashMove(layout()).restored.size(), 1u);
    EXPECT_TRUE(test::exists(second));
    EXPECT_FALSE(test::exists(first));

    EXPECT_TRUE(recordTrashMove(layout(), RemovalOutcome{}))
        << "an operation that moved nothing keeps the record";
    const Path third = writeText(home / "Downloads/third.deb", "3");
    trashAll({third});
    EXPECT_TRUE(forgetTrashMove(layout()));
    EXPECT_TRUE(restoreLastTrashMove(layout()).restored.empty())
        << "after an operation without a way back, no older one is undone";

    // A move whose record cannot be written leaves no older record in its place.
    const Path fourth = writeText(home / "Downloads/fourth.deb", "4");
    const Path fifth = writeText(home / "Downloads/fifth.deb", "5");
    trashAll({fourth});
    const Path lock = lastTrashMoveFile(layout()).native() + ".lock";
    std::filesystem::remove(lock);
    makeDir(lock);  // no lock can be taken
    RemovalOutcome unrecorded;
    unrecorded.trashed = {*Trash(layout()).moveListed(fifth, identityOf(fifth))};
    EXPECT_FALSE(recordTrashMove(layout(), unrecorded));
    std::filesystem::remove(lock);
    EXPECT_TRUE(restoreLastTrashMove(layout()).restored.empty());
    EXPECT_FALSE(test::exists(fourth));
}

TEST_F(LastTrashMoveTest, ARecordThatNoLongerMatchesTheTrashLeavesThoseItemsAlone) {
    const Path emptied = writeText(home / "Music/emptied.ogg", "a");
    const Path replaced = writeText(home / "Music/replaced.ogg", "b");
    trashAll({emptied, replaced});
    for (const char* name : {"emptied.ogg", "replaced.ogg"})
        std::filesystem::remove(files() / name);
    const Path other = writeText(files() / "replaced.ogg", "someone else's");
    // As if the file system had given the new file the freed inode number of the moved one.
    nlohmann::json record = nlohmann::json::parse(readText(lastTrashMoveFile(layout())));
    record["items"][1]["inode"] = identityOf(other).inode;
    writeText(lastTrashMoveFile(layout()), record.dump());

    RestoreOutcome back = restoreLastTrashMove(layout());
    EXPECT_TRUE(back.restored.empty());
    EXPECT_EQ(back.count(RestoreRefusal::notInTrash), 2u);
    for (const Path& p : {emptied, replaced}) EXPECT_FALSE(test::exists(p)) << p;
    EXPECT_EQ(readText(other), "someone else's");

    // A record edited to take from a folder that is no Trash moves nothing out of it.
    const Path victim = writeText(home / "Documents/song.ogg", "keep me here");
    record["items"] = {{{"original", (home / "Music/song.ogg").native()},
                        {"filesFolder", (home / "Documents").native()},
                        {"name", "song.ogg"},
                        {"device", identityOf(victim).device},
                        {"inode", identityOf(victim).inode}}};
    writeText(lastTrashMoveFile(layout()), record.dump());
    EXPECT_EQ(restoreLastTrashMove(layout()).count(RestoreRefusal::notInTrash), 1u);
    EXPECT_EQ(readText(victim), "keep me here");

    writeText(lastTrashMoveFile(layout()), "{\"items\": [{\"original\": 3}]}");
    EXPECT_TRUE(restoreLastTrashMove(layout()).problem) << "a damaged record does nothing";
}

}  // namespace
}  // namespace tornivo
