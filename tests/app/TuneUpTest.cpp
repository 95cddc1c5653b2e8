// Maintenance tasks run as real processes through the same code path as the application's.

#include "AppStateFixture.h"
#include "Fmt.h"
#include "TuneUpEngine.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

bool runAndWait(TuneUpEngine& engine, const ProcessInvocation& invocation) {
    QFuture<bool> f = engine.start(invocation);
    EXPECT_TRUE(waitFor(f, 20000));
    return f.isFinished() && f.result();
}

TEST(TuneUpEngineTest, OnlyAZeroExitStatusIsSuccessAndPlentyOfOutputNeverBlocks) {
    TuneUpEngine engine(LayoutKind::freedesktop);
    EXPECT_TRUE(runAndWait(engine, {"/bin/true", {}}));
    EXPECT_FALSE(runAndWait(engine, {"/bin/false", {}}));
    EXPECT_FALSE(runAndWait(engine, {"/bin/sh", {"-c", "echo fine; exit 3"}}));
    EXPECT_FALSE(runAndWait(engine, {"/no/such/program", {}})) << "cannot start: failure";
    EXPECT_FALSE(runAndWait(engine, {"/bin/sh", {"-c", "kill -9 $$"}})) << "killed: failure";
    const std::string plenty = "head -c 20000000 /dev/zero; head -c 5000000 /dev/zero >&2";
    EXPECT_TRUE(runAndWait(engine, {"/bin/sh", {"-c", plenty}}));
    EXPECT_TRUE(engine.run({"x", "y", "exit 0", false}).isValid());
}

TEST(TuneUpEngineTest, TheHelperIsTheOneBuiltBesideTheProgramOrInstalledUnderItsPrefix) {
    EXPECT_EQ(TuneUpEngine::privilegedHelper(TORNIVO_APP_BINARY_DIR), Path(TORNIVO_HELPER));
    EXPECT_EQ(TuneUpEngine::privilegedHelper("/opt/t/bin"),
              Path("/opt/t") / TORNIVO_LIBEXECDIR / "tornivo-helper");
}

using TuneUpStateTest = AppStateFixture;

TEST_F(TuneUpStateTest, OnlySuccessPlaysTheDoneCueAndEachOutcomeShowsItsBanner) {
    state->runTuneUp({"quicklook", "eye.fill", "sleep 0.2", false});
    EXPECT_EQ(state->runningTuneUpList(), QStringList{"quicklook"});
    ASSERT_TRUE(waitUntil([&] { return state->runningTuneUp().empty(); }));
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::removeStart, SoundCue::removeDone}));
    EXPECT_EQ(banners, QStringList{"eye.fill|" + qtTrId("tune.quicklook.title") + "|" +
                                   qtTrId("banner.tuneDoneMsg")});

    cues.clear();
    state->runTuneUp({"dns", "network", "exit 1", false});
    ASSERT_TRUE(waitUntil([&] { return state->runningTuneUp().empty(); }));
    EXPECT_EQ(cues, std::vector<SoundCue>{SoundCue::removeStart});
    ASSERT_EQ(banners.size(), 2);
    EXPECT_TRUE(banners[1].startsWith("exclamationmark.triangle.fill|"));
    EXPECT_TRUE(banners[1].endsWith(qtTrId("banner.tuneFailMsg")));

    // The thumbnail reset is the program's own removal, on its worker.
    const Path thumbnail = writeFile(*home.layout().thumbnailCache / "normal/a.png", 10);
    state->runTuneUp({"quicklook", "eye.fill", {}, false, {}, {}, false, {}, true});
    ASSERT_TRUE(waitUntil([&] { return state->runningTuneUp().empty(); }));
    EXPECT_FALSE(test::exists(thumbnail));
    EXPECT_TRUE(banners.last().endsWith(qtTrId("banner.tuneDoneMsg")));
}

TEST_F(TuneUpStateTest, QuittingMidTaskStopsItWithoutAnAnswer) {
    const Path started = home / "started", finished = home / "finished";
    state->runTuneUp(
        {"dns", "network",
         "touch '" + started.string() + "'; sleep 0.5; touch '" + finished.string() + "'", false});
    ASSERT_TRUE(waitUntil([&] { return test::exists(started); }));
    state.reset();
    waitUntil([] { return false; }, 800);  // longer than the task had left
    EXPECT_EQ(cues, std::vector<SoundCue>{SoundCue::removeStart});
    EXPECT_TRUE(banners.isEmpty());
    EXPECT_FALSE(test::exists(finished)) << "the task went with the application";
}

TEST_F(TuneUpStateTest, AMeasuredTaskSaysWhatItFreedAndAFailingUserPartStopsIt) {
    const Path cache = home / "cache";
    writeFile(cache / "kept", 5000);
    const Path blob = writeFile(cache / "blob", 300000);
    const ByteCount freed = allocatedSize(blob);
    TuneUpAction action{"packages", "archivebox.fill", "rm '" + blob.native() + "'"};
    action.reportsFreed = true;
    action.measured = {cache};
    state->runTuneUp(action);
    ASSERT_TRUE(waitUntil([&] { return state->runningTuneUp().empty(); }));
    EXPECT_EQ(banners, QStringList{"archivebox.fill|" + qtTrId("tune.packages.title") + "|" +
                                   qtTrId("banner.tuneFreedMsg").arg(Fmt::bytes(freed))})
        << banners.join('\n').toStdString();

    const Path marker = home / "marker";
    action = {"runtimes", "shippingbox.fill", "touch '" + marker.native() + "'"};
    action.userCommand = "exit 1";  // the user's part fails
    action.reportsFreed = true;
    state->runTuneUp(action);
    ASSERT_TRUE(waitUntil([&] { return state->runningTuneUp().empty(); }));
    ASSERT_EQ(banners.size(), 2);
    EXPECT_TRUE(banners[1].endsWith(qtTrId("banner.tuneFailMsg")));
    EXPECT_FALSE(test::exists(marker)) << "the system's part never ran";
}

TEST_F(TuneUpStateTest, TheSameActionNeverRunsTwiceAtOnceButOthersRunBeside) {
    const TuneUpAction slow{"fonts", "textformat", "sleep 0.5", false};
    state->runTuneUp(slow);
    state->runTuneUp(slow);
    state->runTuneUp({"dock", "menubar.dock.rectangle", "sleep 0.2", false});
    EXPECT_EQ(state->runningTuneUpList(), (QStringList{"dock", "fonts"}));
    EXPECT_EQ(cues.size(), 2u) << "the second start of the same action did nothing";
    ASSERT_TRUE(waitUntil([&] { return state->runningTuneUp().empty(); }));
    EXPECT_EQ(banners.size(), 2);
}

}  // namespace
}  // namespace tornivo::app
