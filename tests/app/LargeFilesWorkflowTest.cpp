// The large-files workflow as its screen drives it: scan, tick, move to the Trash.

#include "AppStateFixture.h"
#include "Fmt.h"
#include "platform/FileStatus.h"
#include "platform/LastTrashMove.h"
#include "platform/Trash.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;
using namespace std::chrono_literals;

const TimePoint kNow = Clock::from_time_t(1'717'243'200);  // 1 June 2024
constexpr ByteCount kMiB = 1024 * 1024;

class LargeFilesWorkflowTest : public AppStateFixture {
  protected:
    void SetUp() override {
        // Real blocks, allocated without being written; last opened months ago.
        for (auto [file, size] : {std::pair{downloads() / "a.iso", 700 * kMiB},
                                  {documents() / "b.mkv", 600 * kMiB},
                                  {desktop() / "c.img", 550 * kMiB},
                                  {documents() / "Private/d.mkv", 650 * kMiB}})
            setTimes(allocateFile(file, size), kNow - 24h * 120, kNow - 24h * 120);
        AppStateFixture::SetUp();
        state->setClock([] { return kNow; });
        state->exclusions()->add(documents() / "Private");
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (const auto& f : state->largeFiles())
            names.push_back(f.url.filename().native() + (f.isSelected ? "+" : ""));
        return names;
    }
    void scan() {
        runBusy([&] { state->runLargeFileScan(); }, &AppState::isFindingLarge,
                &AppState::isFindingLargeChanged);
    }
    void removeSelected(int confirms = 1) {
        cues.clear();
        for (int i = 0; i < confirms; ++i) state->removeSelectedLargeFiles();
        ASSERT_TRUE(
            waitUntil([&] { return !cues.empty() && cues.back() == SoundCue::removeDone; }));
    }
};

TEST_F(LargeFilesWorkflowTest, TheUnprotectedFilesAreListedLargestFirstAndTickedOnesGoToTheTrash) {
    scan();
    EXPECT_EQ(cues, (std::vector{SoundCue::scanStart, SoundCue::scanDone}));
    const LargeFile b = state->largeFiles()[1];
    state->toggleSelection(state->largeFilesModel()->get(1, "id").toString());
    state->toggleSelection(b);  // its tick changed since: not equal any more
    state->toggleSelection(QString::fromStdString(Uuid::random().toString()));
    state->toggleSelection(state->largeFiles()[0]);
    EXPECT_EQ(listed(), (std::vector<std::string>{"a.iso+", "b.mkv+", "c.img"}));
    // A file gone since the scan fails to move, and leaves the list all the same.
    std::filesystem::remove(documents() / "b.mkv");
    QSignalSpy sampled(state->monitor(), &SystemMonitor::statsChanged);
    removeSelected(2);  // confirmed twice: moved once
    EXPECT_EQ(listed(), std::vector<std::string>{"c.img"});
    EXPECT_EQ(left({downloads(), trashFiles()}), std::vector<std::string>{"files/a.iso"});
    EXPECT_EQ(cues, (std::vector{SoundCue::removeStart, SoundCue::removeDone}));
    EXPECT_EQ(sampled.count(), 1) << "the figures are sampled again at once";

    removeSelected();  // nothing ticked: nothing moves, the feedback still comes
    EXPECT_EQ(listed(), std::vector<std::string>{"c.img"});
    EXPECT_EQ(cues, (std::vector{SoundCue::removeStart, SoundCue::removeDone}));
    EXPECT_EQ(sampled.count(), 2);

    // A folder protected after the scan keeps its files; their records still go.
    state->exclusions()->add(desktop());
    state->toggleSelection(state->largeFiles()[0]);
    removeSelected();
    EXPECT_TRUE(state->largeFiles().empty());
    EXPECT_TRUE(test::exists(desktop() / "c.img"));

    cues.clear();
    scan();
    EXPECT_TRUE(state->largeFiles().empty());
    EXPECT_EQ(cues, std::vector{SoundCue::scanStart}) << "nothing found, no found cue";
}

TEST_F(LargeFilesWorkflowTest, TheBannerOfAMoveOffersUndoWhichNeverReplacesWhatTookAPlace) {
    scan();
    state->toggleSelection(state->largeFiles()[0]);
    state->toggleSelection(state->largeFiles()[1]);
    removeSelected();
    ASSERT_EQ(banners.size(), 1);
    EXPECT_EQ(banners[0], "trash.fill|" + qtTrId("banner.trashedTitle") + "|" +
                              qtTrId("banner.trashedMessage", 2).arg(Fmt::bytes(1300 * kMiB)));
    ASSERT_TRUE(undo);
    writeText(documents() / "b.mkv", "made since");

    const auto offered = std::exchange(undo, nullptr);
    offered();
    ASSERT_TRUE(waitUntil([&] { return banners.size() == 2; }));
    EXPECT_EQ(banners[1], "arrow.uturn.backward|" + qtTrId("banner.restoredTitle") + "|" +
                              qtTrId("banner.restoredMessage", 1) + " " +
                              qtTrId("banner.stayedOccupied", 1));
    EXPECT_FALSE(undo) << "the report of an Undo offers none";
    EXPECT_TRUE(test::exists(downloads() / "a.iso"));
    EXPECT_EQ(readText(documents() / "b.mkv"), "made since");
    EXPECT_TRUE(test::exists(trashFiles() / "b.mkv"));

    // A banner's Undo puts back its own move only, never one made since (the command line's).
    const Path later = writeText(home / "later.txt", "later");
    RemovalOutcome moved;
    moved.trashed.push_back(*Trash(home.layout()).moveListed(later, identityOf(later)));
    ASSERT_TRUE(recordTrashMove(home.layout(), moved));
    offered();
    ASSERT_TRUE(waitUntil([&] { return banners.size() == 3; }));
    EXPECT_TRUE(banners[2].endsWith(qtTrId("banner.nothingToRestore")));
    EXPECT_FALSE(test::exists(later));
}

}  // namespace
}  // namespace tornivo::app
