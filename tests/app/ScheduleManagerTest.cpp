// The background schedule, with ticks driven directly and a clock the test controls.

#include "ScheduleManager.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "QtWait.h"
#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;
using std::chrono::seconds;

class ScheduleManagerTest : public ::testing::Test {
  protected:
    TempHome home;
    PreferencesStore store{home.layout().settingsFile};
    TimePoint now = Clock::from_time_t(1'800'000'000);
    QStringList banners;
    RunningApps::Map running;
    std::vector<Path> protectedPaths;
    std::optional<ProtectionProblem> protectionProblem;

    SerialExecutor<QuickCleanEngine> engine{std::make_shared<QuickCleanEngine>(home.layout())};

    std::unique_ptr<ScheduleManager> make() {
        auto m = std::make_unique<ScheduleManager>(
            engine, store, [this] { return ProtectedFolders(protectedPaths, protectionProblem); });
        m->setClock([this] { return now; });
        m->setRunningApps([this] { return running; });
        m->setBannerPresenter(
            [this](const QString& icon, const QString& title, const QString& message) {
                banners << icon + "|" + title + "|" + message;
            });
        return m;
    }
    // Moves the clock on by `later`, ticks and waits for the tick to finish.
    void tickAndWait(ScheduleManager& m, seconds later = seconds(0)) {
        now += later;
        QSignalSpy done(&m, &ScheduleManager::tickFinished);
        m.tick();
        ASSERT_TRUE(waitUntil([&] { return done.count() > 0; }));
    }
    Path caches() const { return home.layout().cacheHome; }
    // Junk of `bytes` on disk: a fully written file takes exactly its length when that is a
    // whole number of blocks.
    void junk(const char* name, ByteCount bytes) {
        writeFile(caches() / name / "blob", static_cast<std::size_t>(bytes));
    }
};

TEST_F(ScheduleManagerTest, UnreadableSettingsMeanOffWhichNeverScansAndChoicesAreStoredAtOnce) {
    junk("big", 200 << 20);
    store.set(ScheduleManager::kIntervalKey, "fortnightly");
    store.set(ScheduleManager::kAutoCleanKey, "yes");
    store.set(ScheduleManager::kLastRunKey, 12);
    store.set("bannerStyle", "popup");
    auto m = make();
    EXPECT_EQ(m->bannerStyle(), BannerStyle::window);
    EXPECT_EQ(m->interval(), ScheduleInterval::off);
    EXPECT_FALSE(m->autoClean());
    EXPECT_FALSE(m->lastRun());
    tickAndWait(*m);
    EXPECT_FALSE(m->lastRun());
    EXPECT_EQ(store.value(ScheduleManager::kLastRunKey), 12) << "an idle tick writes nothing";
    EXPECT_TRUE(banners.isEmpty());

    m->setInterval(ScheduleInterval::threeDays);
    m->setAutoClean(true);
    m->setBannerStyleId("desktop");
    m->setBannerStyleId("popup");  // not a style: nothing changes
    EXPECT_EQ(store.string(ScheduleManager::kIntervalKey), "threeDays");
    EXPECT_EQ(make()->bannerStyle(), BannerStyle::desktop);
    EXPECT_EQ(make()->interval(), ScheduleInterval::threeDays);
    EXPECT_TRUE(make()->autoClean());
}

TEST_F(ScheduleManagerTest, AFirstStartWithAnIntervalScansAtOnceAndReportsWhatItFound) {
    junk("big", 150 << 20);
    store.set(ScheduleManager::kIntervalKey, "daily");
    auto m = make();
    QSignalSpy done(m.get(), &ScheduleManager::tickFinished);
    m->start();
    m->start();
    ASSERT_TRUE(waitUntil([&] { return done.count() > 0; }));
    EXPECT_EQ(m->lastRun(), now);
    ASSERT_EQ(banners.size(), 1);
    EXPECT_TRUE(banners[0].startsWith("sparkles|" + qtTrId("banner.foundTitle")));
    EXPECT_TRUE(test::exists(caches() / "big/blob")) << "report only: nothing removed";
    EXPECT_EQ(make()->lastRun(), now) << "stored to the millisecond";
}

TEST_F(ScheduleManagerTest, DueExactlyAWholePeriodAfterTheLastRunEvenOneInTheFuture) {
    junk("big", 150 << 20);
    store.set(ScheduleManager::kIntervalKey, "weekly");
    const TimePoint future = now + seconds(3600);
    store.set(ScheduleManager::kLastRunKey, "2027-01-15T09:00:00.000Z");
    auto m = make();
    ASSERT_EQ(m->lastRun(), future);
    tickAndWait(*m);
    now = future + seconds(604'799);
    tickAndWait(*m);
    EXPECT_EQ(m->lastRun(), future);
    EXPECT_TRUE(banners.isEmpty());
    now = future + seconds(604'800);
    tickAndWait(*m);
    EXPECT_EQ(m->lastRun(), now);
    EXPECT_EQ(banners.size(), 1);

    store.set(ScheduleManager::kLastRunKey, "2300-01-01T00:00:00.000Z");
    EXPECT_FALSE(make()->lastRun()) << "beyond what the clock holds: never run";
}

TEST_F(ScheduleManagerTest, TheBannerNeedsAHundredMebibytesAtLeast) {
    store.set(ScheduleManager::kIntervalKey, "daily");
    junk("a", 50 << 20);
    junk("b", (50 << 20) - 4096);  // 104,853,504 bytes on disk in all
    auto m = make();
    tickAndWait(*m);
    EXPECT_TRUE(banners.isEmpty());
    EXPECT_EQ(m->lastRun(), now) << "the run happened all the same";

    junk("b", 50 << 20);  // exactly 104,857,600
    tickAndWait(*m, seconds(86'400));
    EXPECT_EQ(banners.size(), 1);

    protectedPaths = {caches() / "b"};
    tickAndWait(*m, seconds(86'400));
    EXPECT_EQ(banners.size(), 1) << "protected junk counts for nothing";
}

TEST_F(ScheduleManagerTest, AutoCleanLeavesRunningAndProtectedJunkAndReportsWhatItFreed) {
    store.set(ScheduleManager::kIntervalKey, "daily");
    store.set(ScheduleManager::kAutoCleanKey, true);
    junk("org.example.Editor", 120 << 20);
    running = {{"org.example.editor", "Editor"}};
    auto m = make();
    tickAndWait(*m);
    // All of it running: nothing to clean, the whole total is reported.
    EXPECT_TRUE(banners.value(0).startsWith("sparkles|" + qtTrId("banner.foundTitle")));

    // While the protected folders cannot be read, nothing is cleaned: the junk is reported.
    junk("mine", 60 << 20);
    junk("old", 60 << 20);
    protectionProblem = ProtectionProblem{home.layout().settingsFile, "is not valid JSON"};
    running.clear();
    tickAndWait(*m, seconds(86'400));
    EXPECT_TRUE(test::exists(caches() / "old/blob"));
    EXPECT_TRUE(banners.value(1).startsWith("sparkles|" + qtTrId("banner.foundTitle")));
    banners = banners.mid(0, 1);

    protectionProblem.reset();
    running = {{"org.example.editor", "Editor"}};
    protectedPaths = {caches() / "mine/keep"};  // a folder inside an item protects the item
    junk("unticked", 4096);
    m->setUntickedJunk([&] { return std::vector<Path>{caches() / "unticked"}; });
    QSignalSpy cleaned(m.get(), &ScheduleManager::junkCleaned);
    tickAndWait(*m, seconds(86'400));
    // Running, protected, and unticked on the clean screen: all three stay.
    for (const char* kept : {"org.example.Editor", "mine", "unticked"})
        EXPECT_TRUE(test::exists(caches() / kept / "blob")) << kept;
    EXPECT_FALSE(test::exists(caches() / "old"));
    EXPECT_EQ(cleaned.count(), 1);
    EXPECT_TRUE(banners.value(1).startsWith("sparkles|" + qtTrId("banner.cleanedTitle")));
    EXPECT_EQ(banners.size(), 2);
}

}  // namespace
}  // namespace tornivo::app
