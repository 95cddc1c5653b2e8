// The duplicates section as its screen drives it: scan, keep one copy, remove the rest.

#include <chrono>
#include <filesystem>

#include "AppStateFixture.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

constexpr std::size_t kMiB = 1'048'576;

class DuplicatesWorkflowTest : public AppStateFixture {
  protected:
    void scan() {
        runBusy([&] { state->runDuplicateScan(); }, &AppState::isFindingDuplicates,
                &AppState::isFindingDuplicatesChanged);
    }
    const DuplicateGroup* groupWith(const Path& file) const {
        for (const auto& g : state->duplicateGroups())
            if (std::find(g.files.begin(), g.files.end(), file) != g.files.end()) return &g;
        return nullptr;
    }
    bool waitForCue(SoundCue cue) {
        return waitUntil([&] { return std::find(cues.begin(), cues.end(), cue) != cues.end(); });
    }
};

TEST_F(DuplicatesWorkflowTest, AScanShowsGroupsWithoutTheirProtectedCopies) {
    const Path vault = makeDir(documents() / "vault");
    for (const Path& folder : {downloads(), vault}) writeFile(folder / "pair", kMiB, 'p');
    for (const Path& folder : {downloads(), pictures(), vault})
        writeFile(folder / "triple", kMiB + 1, 't');
    // One byte under the smallest size compared: never a group.
    for (const Path& folder : {downloads(), pictures()}) writeFile(folder / "small", kMiB - 1, 's');
    state->exclusions()->add(vault);

    scan();
    ASSERT_EQ(state->duplicateGroups().size(), 1u);
    EXPECT_EQ(state->duplicateGroups()[0].files,
              (std::vector<Path>{downloads() / "triple", pictures() / "triple"}));
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::scanStart, SoundCue::scanDone}));

    state->exclusions()->add(pictures());
    cues.clear();
    scan();
    EXPECT_TRUE(state->duplicateGroups().empty());
    EXPECT_EQ(cues, std::vector<SoundCue>{SoundCue::scanStart}) << "no found cue for nothing";
}

TEST_F(DuplicatesWorkflowTest, KeepingTheSecondOfThreeTrashesTheOthersByTheirExactNames) {
    const Path odd = pictures() / Path("caf\xe9");
    for (const Path& file : {downloads() / "one", documents() / "two", odd})
        writeFile(file, kMiB, 'k');
    writeFile(pictures() / Path("caf\xc3\xa9"), kMiB, 'u');  // its UTF-8 look-alike
    scan();
    auto* model = state->duplicateGroupsModel();
    ASSERT_EQ(model->count(), 1);
    const QStringList ids = model->get(0, "fileIds").toStringList();
    ASSERT_EQ(ids.size(), 3);
    state->removeDuplicates(ids[1], model->get(0, "id").toString());
    ASSERT_TRUE(waitForCue(SoundCue::removeDone));
    EXPECT_EQ(left({downloads(), documents(), pictures()}),
              (std::vector<std::string>{"Documents/two", "Pictures/caf\xc3\xa9"}));
    EXPECT_EQ(model->count(), 0);
}

TEST_F(DuplicatesWorkflowTest, OneCopyOfEveryGroupAlwaysSurvives) {
    for (const Path& root : {downloads(), documents()}) {
        writeFile(root / "a", kMiB, 'a');
        writeFile(root / "b", kMiB + 1, 'b');
        writeFile(root / "c", kMiB + 2, 'c');
    }
    writeFile(pictures() / "c", kMiB + 2, 'c');
    writeFile(downloads() / ".a", kMiB, 'a');  // hidden: a copy, but not one of the group's
    scan();
    cues.clear();
    ASSERT_EQ(state->duplicateGroups().size(), 3u);
    const DuplicateGroup a = *groupWith(downloads() / "a");
    const DuplicateGroup b = *groupWith(downloads() / "b");
    const DuplicateGroup c = *groupWith(downloads() / "c");

    state->removeDuplicates(downloads() / ".a", a);
    std::filesystem::remove(downloads() / "b");
    state->removeDuplicates(downloads() / "b", b);  // the kept copy is gone
    writeFile(documents() / "c", kMiB + 3, 'c');    // changed since the scan
    QSignalSpy sampled(state->monitor(), &SystemMonitor::statsChanged);
    state->autoResolveDuplicates(QString::fromStdString(c.id.toString()));
    ASSERT_TRUE(waitForCue(SoundCue::removeDone));
    EXPECT_EQ(cues, std::vector<SoundCue>{SoundCue::removeDone});
    EXPECT_EQ(sampled.count(), 1) << "only the resolved group refreshes the figures";
    // Of c, the copy found first is kept and the changed one stays in place.
    EXPECT_EQ(left({downloads(), documents(), pictures()}),
              (std::vector<std::string>{"Documents/a", "Documents/b", "Documents/c", "Downloads/.a",
                                        "Downloads/a", "Downloads/c"}));
    EXPECT_TRUE(groupWith(documents() / "a") && groupWith(documents() / "b"))
        << "refused groups stay listed";
    EXPECT_FALSE(groupWith(downloads() / "c"));
}

TEST_F(DuplicatesWorkflowTest, RemoveAllSparesTheFirstCopyOfEachGroupAndWithNoGroupsDoesNothing) {
    QSignalSpy changed(state.get(), &AppState::duplicateGroupsChanged);
    state->removeAllDuplicates();
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(changed.count(), 0);

    for (const Path& root : {downloads(), documents(), pictures()}) {
        writeFile(root / "x", kMiB, 'x');
        writeFile(root / "y", kMiB + 1, 'y');
    }
    scan();
    cues.clear();
    ASSERT_EQ(state->duplicateGroups().size(), 2u);
    std::filesystem::remove(downloads() / "y");
    state->exclusions()->add(pictures());  // protected since the scan: its copies stay
    state->removeAllDuplicates();
    ASSERT_TRUE(waitForCue(SoundCue::removeDone));
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::removeStart, SoundCue::removeDone}));
    EXPECT_EQ(left({downloads(), documents(), pictures()}),
              (std::vector<std::string>{"Documents/y", "Downloads/x", "Pictures/x", "Pictures/y"}));
    ASSERT_EQ(state->duplicateGroups().size(), 1u) << "the group that lost its first copy stays";
    EXPECT_EQ(state->duplicateGroups()[0].size, static_cast<ByteCount>(kMiB + 1));
}

// Two identical sparse files of 16 GiB: reading them takes many seconds, however fast the disk.
class LongDuplicateScanTest : public DuplicatesWorkflowTest {
  protected:
    void SetUp() override {
        DuplicatesWorkflowTest::SetUp();
        for (const char* name : {"disk-a.img", "disk-b.img"})
            std::filesystem::resize_file(writeFile(downloads() / name), 16ull << 30);
    }
    // Starts a scan and waits for its first progress mark with bytes compared.
    void startAndWaitForProgress() {
        state->runDuplicateScan();
        ASSERT_TRUE(waitUntil([&] {
            return state->progressList()["duplicates"].toMap()["bytesDone"].toLongLong() > 0;
        })) << "no progress was published";
    }
};

TEST_F(LongDuplicateScanTest, CancelledAtAMarkTheEarlierResultStaysAndQuittingEndsWithinASecond) {
    writeFile(downloads() / "pair-a", kMiB, 'p');
    writeFile(documents() / "pair-b", kMiB, 'p');
    std::filesystem::rename(downloads() / "disk-a.img", home.home() / "disk-a.img");
    scan();
    ASSERT_EQ(state->duplicateGroups().size(), 1u);
    const DuplicateGroup earlier = state->duplicateGroups()[0];
    std::filesystem::rename(home.home() / "disk-a.img", downloads() / "disk-a.img");

    startAndWaitForProgress();
    const auto asked = std::chrono::steady_clock::now();
    state->cancel(QStringLiteral("duplicates"));
    ASSERT_TRUE(waitUntil([&] { return !state->isFindingDuplicates(); }));
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(1));
    ASSERT_EQ(state->duplicateGroups().size(), 1u);
    EXPECT_EQ(state->duplicateGroups()[0].id, earlier.id);
    EXPECT_EQ(state->duplicateGroups()[0].files, earlier.files);
    EXPECT_FALSE(state->progressList().contains("duplicates")) << "no progress once stopped";

    // Quitting during a scan ends within a second too.
    startAndWaitForProgress();
    const auto quit = std::chrono::steady_clock::now();
    state.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - quit, std::chrono::seconds(1));
}

}  // namespace
}  // namespace tornivo::app
