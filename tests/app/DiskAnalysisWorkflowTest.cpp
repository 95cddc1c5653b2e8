// The X-Ray workflow as its screen drives it: analyse, browse a kind, move files to the Trash.

#include <unistd.h>

#include "AppStateFixture.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;
constexpr ByteCount MiB = 1'048'576;

class DiskAnalysisWorkflowTest : public AppStateFixture {
  protected:
    const Path odd = home / Path("Videos/\xff\xfe.mkv");

    void SetUp() override {
        writeFile(home / "Videos/a.mp4", 11 * MiB);
        writeFile(odd, 10 * MiB);
        writeFile(home / "Videos/small.mov", 100);
        writeFile(home / "Private/secret.mp4", 10 * MiB);
        writeFile(home / "Music/song.mp3", 10 * MiB);
        for (int i = 0; i < 2600; ++i) writeFile(home / "Notes" / std::to_string(i), 1);
        AppStateFixture::SetUp();
        state->exclusions()->add(home / "Private");
        runBusy([&] { state->runDiskAnalysis(); }, &AppState::isAnalyzing,
                &AppState::isAnalyzingChanged);
    }

    const DiskCategory* category(FileKind kind) const {
        for (const auto& c : state->diskCategories())
            if (c.kind == kind) return &c;
        return nullptr;
    }
    QString idOf(const Path& file) const {
        for (const auto& c : state->diskCategories())
            for (const auto& f : c.files)
                if (f.url == file) return QString::fromStdString(f.id.toString());
        return {};
    }
};

TEST_F(DiskAnalysisWorkflowTest, PublishesCategoriesWithoutProtectedFilesWhoseBytesStillCount) {
    const DiskCategory* videos = category(FileKind::videos);
    ASSERT_TRUE(videos);
    EXPECT_EQ(videos->fileCount, 4);
    EXPECT_EQ(videos->size, 31 * MiB + allocatedSize(home / "Videos/small.mov"));
    ASSERT_EQ(videos->files.size(), 2u);
    std::int64_t counted = 0;
    for (const auto& c : state->diskCategories()) counted += c.fileCount;
    EXPECT_GT(counted, 2600);
    EXPECT_EQ(state->analysisFileCount(), counted) << "the last report has the final count";
    EXPECT_EQ(state->analysisFolder(), "");
}

// Trashes a listed file and waits for the move, which runs off the main thread.
void trashAndWait(AppState& state, const QString& id, const QString& kind) {
    QSignalSpy changed(&state, &AppState::diskCategoriesChanged);
    state.trashDiskFile(id, kind);
    ASSERT_TRUE(waitUntil([&] { return changed.count() > 0; }));
}

TEST_F(DiskAnalysisWorkflowTest, TrashingAFileTakesItOutOfItsCategoryAndRefreshesTheFigures) {
    QSignalSpy sampled(state->monitor(), &SystemMonitor::statsChanged);
    auto* files = state->diskFiles("videos");
    ASSERT_EQ(files->count(), 2);
    const auto before = *category(FileKind::videos);

    trashAndWait(*state, idOf(odd), "videos");
    EXPECT_FALSE(test::exists(odd));
    EXPECT_TRUE(test::exists(trashFiles() / odd.filename()));
    const DiskCategory* videos = category(FileKind::videos);
    ASSERT_TRUE(videos);
    EXPECT_EQ(videos->size, before.size - 10 * MiB);
    EXPECT_EQ(videos->fileCount, before.fileCount - 1);
    EXPECT_EQ(files->count(), 1) << "the open list follows";
    EXPECT_EQ(cues, std::vector<SoundCue>{SoundCue::removeDone});
    EXPECT_EQ(sampled.count(), 1);

    // Its last listed file gone, the category stays while small and protected files count.
    trashAndWait(*state, idOf(home / "Videos/a.mp4"), "videos");
    ASSERT_TRUE(category(FileKind::videos));
    EXPECT_TRUE(category(FileKind::videos)->files.empty());
    EXPECT_EQ(files->count(), 0);
    // With nothing left to count, it goes.
    trashAndWait(*state, idOf(home / "Music/song.mp3"), "audio");
    EXPECT_FALSE(category(FileKind::audio));
}

TEST_F(DiskAnalysisWorkflowTest, AMoveThatFailsOrAStaleIdChangesNothing) {
    const auto before = state->diskCategories();
    const QString id = idOf(home / "Videos/a.mp4");
    state->trashDiskFile(id, "audio");
    state->trashDiskFile(id, "Videos");
    EXPECT_TRUE(test::exists(home / "Videos/a.mp4"));

    ::unlink((home / "Videos/a.mp4").c_str());
    QSignalSpy sampled(state->monitor(), &SystemMonitor::statsChanged);
    QSignalSpy finished(state.get(), &AppState::diskFileTrashed);
    state->trashDiskFile(id, "videos");
    ASSERT_TRUE(waitUntil([&] { return finished.count() > 0; }));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_EQ(state->diskCategories(), before);

    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(sampled.count(), 0);
}

}  // namespace
}  // namespace tornivo::app
