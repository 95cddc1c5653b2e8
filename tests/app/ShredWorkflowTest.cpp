// The shred workflow as its screen drives it: list the Trash, erase it securely, report.

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "AppState.h"
#include "QtWait.h"
#include "RecordRoles.h"
#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class ShredWorkflowTest : public ::testing::Test {
  protected:
    TempDir outside;
    TempHome home;
    std::shared_ptr<PreferencesStore> store =
        std::make_shared<PreferencesStore>(home.layout().settingsFile);
    std::vector<SoundCue> cues;
    std::unique_ptr<AppState> state;

    void SetUp() override {
        state = std::make_unique<AppState>(home.layout(), store);
        state->setCuePlayer([this](SoundCue cue) { cues.push_back(cue); });
    }
    Path trash(const Path& name) const { return home.layout().trashFiles / name; }
    void load() {
        QSignalSpy listed(state.get(), &AppState::trashItemsChanged);
        state->loadTrash();
        ASSERT_TRUE(waitUntil([&] { return listed.count() > 0; }));
    }
    void shred() {
        state->runSecureEmptyTrash();
        ASSERT_TRUE(waitUntil([&] { return !state->isShredding(); }));
    }
};

TEST_F(ShredWorkflowTest, LoadingListsTheTrashWithItsTotalForTheScreen) {
    writeFile(trash("caf\xe9/a"), 5000);
    load();
    EXPECT_EQ(state->trashItems(), std::vector<Path>{trash("caf\xe9")});
    EXPECT_EQ(state->trashBytes(), allocatedSize(trash("caf\xe9/a")));
    auto* model = state->trashItemsModel();
    EXPECT_EQ(model->data(model->index(0), model->roleNames().key("name")).toString(),
              displayName(trash("caf\xe9")));
    EXPECT_TRUE(cues.empty()) << "listing is silent";
}

// A Trash holding a link to a file outside it, a file with a second name outside and a normal
// file: after a secure empty the outside files read as before and the Trash is empty.
TEST_F(ShredWorkflowTest, SecureEmptyErasesTheTrashReportsAndClearsTheList) {
    const Path target = writeText(outside / "target.txt", "outside, linked");
    const Path shared = writeText(outside / "shared.txt", "outside, second name");
    const Path normal = writeFile(trash("normal.bin"), 40000, 'n');
    makeSymlink(target, trash("link"));
    std::filesystem::create_hard_link(shared, trash("hardlink"));
    load();
    ASSERT_EQ(state->trashItems().size(), 3u);
    state->setShredStrengthPasses(static_cast<int>(ShredStrength::standard));

    QSignalSpy shredding(state.get(), &AppState::isShreddingChanged);
    QSignalSpy sampled(state->monitor(), &SystemMonitor::statsChanged);
    const ByteCount normalSize = allocatedSize(normal);
    shred();
    EXPECT_EQ(shredding.count(), 2);
    EXPECT_EQ(state->lastShredOutcome(), (ShredOutcome{3, normalSize}));
    EXPECT_TRUE(state->trashItems().empty());
    EXPECT_EQ(state->trashBytes(), 0);
    EXPECT_EQ(sampled.count(), 1) << "the disk figures are sampled again at once";
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::shredStart, SoundCue::removeDone}));
    EXPECT_EQ(readText(target), "outside, linked");
    EXPECT_EQ(readText(shared), "outside, second name");
    EXPECT_TRUE(std::filesystem::is_empty(home.layout().trashFiles));

    state->dismissShredOutcome();
    EXPECT_FALSE(state->lastShredOutcome());
}

TEST_F(ShredWorkflowTest, WithNothingListedASecureEmptyDoesNothingAndIsSilent) {
    writeFile(trash("not loaded yet"), 1000);  // in the Trash, but not listed
    QSignalSpy shredding(state.get(), &AppState::isShreddingChanged);
    state->runSecureEmptyTrash();
    QCoreApplication::processEvents();
    EXPECT_EQ(shredding.count(), 0);
    EXPECT_FALSE(state->lastShredOutcome());
    EXPECT_TRUE(cues.empty());
    EXPECT_TRUE(test::exists(trash("not loaded yet")));
}

// What could not be erased disappears from the list with the rest, and shows again at the next
// loading.
TEST_F(ShredWorkflowTest, WhatStayedBehindShowsAgainOnlyAfterTheNextLoading) {
    const ByteCount goneSize = allocatedSize(writeFile(trash("gone"), 2000));
    load();
    writeFile(trash("arrived meanwhile"), 2000);
    shred();
    EXPECT_EQ(state->lastShredOutcome(), (ShredOutcome{1, goneSize}));
    EXPECT_TRUE(state->trashItems().empty());
    load();
    EXPECT_EQ(state->trashItems(), std::vector<Path>{trash("arrived meanwhile")});
}

}  // namespace
}  // namespace tornivo::app
