// The shred workflow as its screen drives it: list the Trash, erase it securely, report.

#include <fstream>
#include <set>

#include "AppStateFixture.h"
#include "RecordRoles.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class ShredWorkflowTest : public AppStateFixture {
  protected:
    Path trash(const Path& name) const { return home.layout().trashFiles / name; }
    void load() {
        QSignalSpy listed(state.get(), &AppState::trashItemsChanged);
        state->loadTrash();
        ASSERT_TRUE(waitUntil([&] { return listed.count() > 0; }));
    }
    // The bytes this process has handed to write calls so far, on every thread.
    static std::uint64_t bytesWritten() {
        std::ifstream io("/proc/self/io");
        for (std::string key; io >> key;)
            if (key == "wchar:" && io >> key) return std::stoull(key);
        return 0;
    }
    void shred() {
        runBusy([&] { state->runSecureEmptyTrash(); }, &AppState::isShredding,
                &AppState::isShreddingChanged);
    }
};

TEST_F(ShredWorkflowTest, LoadingListsTheTrashAndASecureEmptyErasesItReportsAndClearsTheList) {
    const Path folder = writeFile(trash("caf\xe9/a"), 5000).parent_path();
    const Path normal = writeFile(trash("normal.bin"), 40000, 'n');
    load();
    const auto& items = state->trashItems();
    EXPECT_EQ(std::set<Path>(items.begin(), items.end()), (std::set<Path>{folder, normal}));
    const ByteCount bytes = allocatedSize(folder / "a") + allocatedSize(normal);
    EXPECT_EQ(state->trashBytes(), bytes);
    const auto* model = state->trashItemsModel();
    const QStringList names{model->get(0, "name").toString(), model->get(1, "name").toString()};
    EXPECT_TRUE(names.contains(displayName(folder))) << names.join(',').toStdString();
    EXPECT_TRUE(cues.empty()) << "listing is silent";

    state->setShredStrengthPasses(static_cast<int>(ShredStrength::standard));
    QSignalSpy sampled(state->monitor(), &SystemMonitor::statsChanged);
    const std::uint64_t before = bytesWritten();
    shred();
    const std::uint64_t written = bytesWritten() - before, length = 45000;
    EXPECT_GE(written, 3 * length) << "three passes, as chosen";
    EXPECT_LT(written, 4 * length);
    EXPECT_EQ(state->lastShredOutcome(), (ShredOutcome{2, bytes, {}, {}}));
    EXPECT_TRUE(state->trashItems().empty());
    EXPECT_EQ(state->trashBytes(), 0);
    EXPECT_EQ(sampled.count(), 1) << "the disk figures are sampled again at once";
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::shredStart, SoundCue::removeDone}));
    EXPECT_TRUE(std::filesystem::is_empty(home.layout().trashFiles));

    state->dismissShredOutcome();
    EXPECT_FALSE(state->lastShredOutcome());
}

TEST_F(ShredWorkflowTest, OnlyWhatWasListedIsErasedAndTheRestShowsAtTheNextLoading) {
    const ByteCount goneSize = allocatedSize(writeFile(trash("gone"), 2000));
    QSignalSpy shredding(state.get(), &AppState::isShreddingChanged);
    state->runSecureEmptyTrash();  // nothing listed yet
    QCoreApplication::processEvents();
    EXPECT_EQ(shredding.count(), 0);
    EXPECT_TRUE(cues.empty());
    EXPECT_TRUE(test::exists(trash("gone")));

    load();
    writeFile(trash("arrived meanwhile"), 2000);
    shred();
    EXPECT_EQ(state->lastShredOutcome(), (ShredOutcome{1, goneSize, {}, {}}));
    EXPECT_TRUE(state->trashItems().empty());
    load();
    EXPECT_EQ(state->trashItems(), std::vector<Path>{trash("arrived meanwhile")});

    // Gone before the shred: nothing is erased, and the busy flag still goes down.
    std::filesystem::remove(trash("arrived meanwhile"));
    shred();
    EXPECT_EQ(state->lastShredOutcome(),
              (ShredOutcome{0, 0, {{trash("arrived meanwhile"), LeftReason::changed}}, {}}));
}

}  // namespace
}  // namespace tornivo::app
