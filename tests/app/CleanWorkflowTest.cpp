// The junk workflow as the clean screen drives it: scan, clean, report.

#include "AppStateFixture.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class CleanWorkflowTest : public AppStateFixture {
  protected:
    RunningApps::Map running;

    void SetUp() override {
        writeFile(caches() / "org.example.Editor/cache.db", 200000);
        writeFile(caches() / "org.example.Editor.helper/data", 100000);
        writeFile(caches() / "thumbnails/normal/a.png", 50000);
        AppStateFixture::SetUp();
        state->setRunningApps([this] { return running; });
        quickScan();
        ASSERT_EQ(state->scanResult()->items.size(), 3u);
        cues.clear();
    }
    void clean() {
        runBusy([&] { state->runClean(); }, &AppState::isCleaning, &AppState::isCleaningChanged);
    }
};

TEST_F(CleanWorkflowTest, CleansEverythingWhenNothingRunsAndANewScanClearsTheFreedTotal) {
    const ByteCount total = state->scanResult()->selectedSize();
    QSignalSpy sampled(state->monitor(), &SystemMonitor::statsChanged);
    clean();
    EXPECT_EQ(state->lastFreed(), total);
    EXPECT_FALSE(state->scanResult());
    EXPECT_TRUE(state->skippedRunningApps().isEmpty());
    EXPECT_FALSE(test::exists(caches() / "thumbnails"));
    EXPECT_EQ(sampled.count(), 1) << "the figures are sampled again at once";
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::removeStart, SoundCue::removeDone}));

    state->runQuickScan();
    EXPECT_FALSE(state->lastFreed()) << "cleared as the scan starts";
    ASSERT_TRUE(waitUntil([&] { return !state->isScanning(); }));
}

TEST_F(CleanWorkflowTest, ARunningApplicationsCacheStaysAndItsNameIsListedOnce) {
    running = {{"org.example.editor", "Editor"}, {"org.example.editor.helper", "Editor"}};
    const JunkItem thumbnails = state->scanResult()->items.back();  // the smallest
    ASSERT_EQ(thumbnails.url.filename(), "thumbnails");
    clean();
    EXPECT_EQ(state->skippedRunningApps(), QStringList{"Editor"});
    EXPECT_EQ(state->lastFreed(), thumbnails.size);
    EXPECT_TRUE(test::exists(caches() / "org.example.Editor/cache.db"));
    EXPECT_TRUE(test::exists(caches() / "org.example.Editor.helper/data"));
    EXPECT_FALSE(state->showRunningAppsAlert());
}

TEST_F(CleanWorkflowTest, WhenEverySelectedItemIsBlockedTheAlertRisesAndNothingIsRemoved) {
    running = {{"org.example.editor", "Editor"}, {"thumbnails", "Thumbnails"}};
    auto& items = const_cast<ScanResult&>(*state->scanResult()).items;
    for (auto& item : items) item.isSelected = item.url.filename() != "org.example.Editor.helper";
    const auto before = state->scanResult()->items;
    state->runClean();
    ASSERT_TRUE(waitUntil([&] { return state->showRunningAppsAlert(); }));
    EXPECT_FALSE(state->isCleaning());
    EXPECT_EQ(state->skippedRunningApps(), (QStringList{"Editor", "Thumbnails"}));
    ASSERT_TRUE(state->scanResult());
    EXPECT_EQ(state->scanResult()->items, before);
    EXPECT_FALSE(state->lastFreed());
    EXPECT_TRUE(cues.empty());
    EXPECT_TRUE(test::exists(caches() / "thumbnails/normal/a.png"));
}

TEST_F(CleanWorkflowTest, TheCleanRemovesExactlyTheItemsTheListShowsTickedAndNothingFoundSince) {
    running = {{"org.example.editor", "Editor"}};
    quickScan();
    ScanResultView* shown = state->scanResultView();
    RecordListModel* list = shown->itemsIn("appCache");
    ASSERT_EQ(list->count(), 3);
    auto row = [&](const QString& name) {
        for (int i = 0; i < list->count(); ++i)
            if (list->get(i, "name") == name) return i;
        return -1;
    };
    const QString editor = list->get(row("org.example.Editor"), "id").toString();
    EXPECT_EQ(shown->runningApps(), (QVariantMap{{editor, "Editor"}}));

    const qint64 total = shown->totalSize();
    const int helper = row("org.example.Editor.helper");
    state->toggleJunkItem(list->get(helper, "id").toString());
    EXPECT_FALSE(list->get(helper, "isSelected").toBool());
    EXPECT_EQ(shown->totalSize(), total) << "the header keeps the total of all items";
    EXPECT_EQ(shown->selectedSize(), total - list->get(helper, "size").toLongLong());

    running = {};  // the editor quit: the clean looks again, and its cache may go
    writeFile(caches() / "appeared-since/x", 1000);
    std::map<std::string, bool> ticked;
    for (int i = 0; i < list->count(); ++i)
        ticked[list->get(i, "name").toString().toStdString()] = list->get(i, "isSelected").toBool();
    clean();
    for (const auto& [name, wasTicked] : ticked)
        EXPECT_NE(test::exists(caches() / name), wasTicked) << name;
    EXPECT_TRUE(test::exists(caches() / "appeared-since/x")) << "the clean never scans again";
}

TEST_F(CleanWorkflowTest, ProtectionAddedOrUnreadableSinceTheScanIsHonoured) {
    // A folder inside an item, protected after the scan, keeps the whole item.
    state->exclusions()->add(caches() / "org.example.Editor/keep");
    running = {{"thumbnails", "Thumbnails"}};
    clean();
    EXPECT_TRUE(test::exists(caches() / "org.example.Editor/cache.db"));
    EXPECT_FALSE(test::exists(caches() / "org.example.Editor.helper"));

    // Every ticked item (the thumbnails: the editor's is no longer listed) protected since: the
    // outcome says so, no alert of running applications.
    quickScan();
    state->exclusions()->add(caches());
    state->runClean();
    ASSERT_TRUE(waitUntil([&] { return state->outcomeList().contains("clean"); }));
    EXPECT_EQ(state->outcomeList()["clean"].toMap()["reasons"].toMap()["protected"], 1);
    EXPECT_FALSE(state->showRunningAppsAlert());
    state->exclusions()->remove(caches());

    // A list that cannot be read refuses every removal and says why.
    store->set(tornivo::Exclusions::kKey, nlohmann::json::array({"/ok", 5}));
    makeState(home.layout());
    EXPECT_FALSE(state->exclusions()->problemText().isEmpty());
    quickScan();
    banners.clear();
    state->runClean();
    ASSERT_TRUE(waitUntil([&] { return !banners.isEmpty(); }));
    EXPECT_FALSE(state->isCleaning());
    EXPECT_TRUE(test::exists(caches() / "thumbnails/normal/a.png"));
    EXPECT_FALSE(state->outcomeList()["clean"].toMap()["refused"].toString().isEmpty());
    EXPECT_EQ(banners,
              QStringList{"exclamationmark.triangle.fill|" + qtTrId("banner.removalRefusedTitle") +
                          "|" + state->exclusions()->problemText()});
}

TEST_F(CleanWorkflowTest, AnAutomaticCleanLeavesWhatTheScreenShowsUntickedAndRetiresTheList) {
    for (const auto& item : state->scanResult()->items)
        if (item.url.filename() == "thumbnails")
            state->toggleJunkItem(QString::fromStdString(item.id.toString()));
    writeFile(caches() / "big/blob", 100 << 20);  // enough for the schedule to act
    ScheduleManager* schedule = state->schedule();
    schedule->setInterval(ScheduleInterval::daily);
    schedule->setAutoClean(true);
    QSignalSpy done(schedule, &ScheduleManager::tickFinished);
    schedule->tick();
    ASSERT_TRUE(waitUntil([&] { return done.count() > 0; }));
    EXPECT_EQ(left({caches()}), std::vector<std::string>{".cache/thumbnails"});
    EXPECT_FALSE(state->scanResult()) << "the list named what is gone";
}

TEST_F(CleanWorkflowTest, RemovalsThatAllFailStillEndInTheCleanedStateWithZero) {
    std::filesystem::remove_all(caches());  // gone before the clean: nothing can be freed
    clean();
    EXPECT_EQ(state->lastFreed(), 0);
    EXPECT_FALSE(state->scanResult());
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::removeStart, SoundCue::removeDone}));
}

}  // namespace
}  // namespace tornivo::app
