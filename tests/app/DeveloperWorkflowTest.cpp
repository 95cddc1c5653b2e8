// The developer workflow as its screen drives it: scan, tick, change the window, clean.

#include "AppStateFixture.h"
#include "platform/FileSystemHelper.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;
using namespace std::chrono_literals;

const TimePoint kNow = Clock::from_time_t(1'717'243'200);  // 1 June 2024, 12:00 UTC

class DeveloperWorkflowTest : public AppStateFixture {
  protected:
    void SetUp() override {
        AppStateFixture::SetUp();
        state->setClock([] { return kNow; });
    }

    // A JavaScript project whose node_modules was last touched at `when`.
    Path project(const Path& folder, TimePoint when, std::size_t bytes = 16384) {
        writeText(folder / "package.json", "{}");
        writeText(folder / "src/index.js", "console.log(1);");
        writeFile(folder / "node_modules/dep/index.js", bytes);
        setTreeTimes(folder / "node_modules", when);
        return folder / "node_modules";
    }
    // Runs the operation `times` in a row and waits for the one run they make.
    void await(void (AppState::*operation)(), int times = 1) {
        runBusy(
            [&] {
                for (int i = 0; i < times; ++i) (state.get()->*operation)();
            },
            &AppState::isScanningDev, &AppState::isScanningDevChanged);
    }
    void scan() { await(&AppState::runDeveloperScan); }
    void clean() { await(&AppState::runDeveloperClean); }
    const DeveloperProject& listed(const std::string& name) const {
        for (const auto& p : state->developerResult()->projects)
            if (p.name == name) return p;
        throw std::runtime_error("not listed: " + name);
    }
};

TEST_F(DeveloperWorkflowTest, TheTickedIdleOutputGoesWhileAProjectTouchedYesterdayStays) {
    state->runDeveloperClean();
    EXPECT_FALSE(state->isScanningDev()) << "no result: nothing to do";
    EXPECT_TRUE(cues.empty());

    const Path idle = project(home / "code/site", kNow - 24h * 60, 65536);
    const Path busy = project(home / "code/app", kNow - 24h);
    scan();
    EXPECT_EQ(cues, (std::vector{SoundCue::scanStart, SoundCue::scanDone}));
    const auto& projects = state->developerResult()->projects;
    ASSERT_EQ(projects.size(), 2u);
    const DeveloperProject site = projects[0], app = projects[1];
    EXPECT_EQ(site.name, "site (node_modules)");
    EXPECT_TRUE(site.isSelected && !site.isActive);
    EXPECT_EQ(app.name, "app (node_modules)");
    EXPECT_TRUE(app.isActive && !app.isSelected);
    EXPECT_EQ(site.size, FileSystemHelper::directorySize(idle));

    // Only the tick of a current, inactive project flips.
    state->toggleDeveloperProject(site);
    EXPECT_FALSE(listed(site.name).isSelected);
    EXPECT_EQ(state->developerResultView()->selectedSize(), 0);
    state->toggleDeveloperProject(site);
    EXPECT_FALSE(listed(site.name).isSelected) << "a stale copy changes nothing";
    state->toggleDeveloperProject(QString::fromStdString(app.id.toString()));
    EXPECT_FALSE(listed(app.name).isSelected) << "an active project is never ticked";
    state->toggleDeveloperProject(QString::fromStdString(site.id.toString()));
    state->toggleDeveloperProject(QString::fromStdString(Uuid::random().toString()));
    EXPECT_TRUE(listed(site.name).isSelected);
    EXPECT_EQ(state->developerResultView()->selectedSize(), site.size);

    cues.clear();
    QSignalSpy sampled(state->monitor(), &SystemMonitor::statsChanged);
    await(&AppState::runDeveloperClean, 2);  // confirmed twice: cleaned once
    EXPECT_EQ(state->lastDevFreed(), site.size);
    EXPECT_EQ(state->developerResultView(), nullptr);
    EXPECT_EQ(sampled.count(), 1) << "the figures are sampled again at once";
    EXPECT_EQ(cues, (std::vector{SoundCue::removeStart, SoundCue::removeDone}));
    EXPECT_FALSE(test::exists(idle));
    EXPECT_TRUE(test::exists(home / "code/site/src/index.js"));
    EXPECT_TRUE(test::exists(busy / "dep/index.js"));

    scan();
    EXPECT_FALSE(state->lastDevFreed()) << "a new scan clears the last freed total";
}

TEST_F(DeveloperWorkflowTest, AProjectsTickCoversAllItsOutputsAndItsOpenListUpdatesInPlace) {
    project(home / "code/site", kNow - 24h * 60);
    writeText(home / "code/site/pyproject.toml", "");
    writeFile(home / "code/site/lib/__pycache__/a.pyc", 4096);
    setTreeTimes(home / "code/site/lib/__pycache__", kNow - 24h * 60);
    scan();
    DeveloperResultView* view = state->developerResultView();
    RecordListModel* groups = view->idleGroups();
    RecordListModel* outputs = view->outputsIn(false, 0);
    ASSERT_EQ(groups->count(), 1);
    ASSERT_EQ(outputs->count(), 2);
    EXPECT_EQ(groups->get(0, "name"), "site");
    EXPECT_EQ(outputs->get(1, "place"), "lib/__pycache__");

    QSignalSpy reset(outputs, &QAbstractItemModel::modelReset);
    const QString id = groups->get(0, "id").toString();
    state->toggleDeveloperGroup(id);
    EXPECT_EQ(view->selectedSize(), 0);
    EXPECT_EQ(outputs->get(1, "isSelected"), false);
    state->toggleDeveloperProject(outputs->get(1, "id").toString());
    EXPECT_EQ(groups->get(0, "selectedCount"), 1);
    state->toggleDeveloperGroup(id);
    EXPECT_EQ(view->selectedSize(), view->cleanableSize());
    EXPECT_EQ(reset.count(), 0) << "an open project keeps its place";
}

TEST_F(DeveloperWorkflowTest, ChangingTheWindowReclassifiesAndReplacesManualTicks) {
    project(home / "code/site", kNow - 24h * 5);
    scan();
    EXPECT_TRUE(listed("site (node_modules)").isActive) << "inside the default 10 days";
    EXPECT_EQ(cues, std::vector{SoundCue::scanStart}) << "nothing to clean, no found cue";

    state->setDeveloperProtectionDays(5);
    EXPECT_FALSE(listed("site (node_modules)").isActive);
    EXPECT_TRUE(listed("site (node_modules)").isSelected);

    state->toggleDeveloperProject(listed("site (node_modules)"));
    EXPECT_FALSE(listed("site (node_modules)").isSelected);
    state->setDeveloperProtectionDays(7);
    EXPECT_TRUE(listed("site (node_modules)").isActive);
    EXPECT_FALSE(listed("site (node_modules)").isSelected);
    state->setDeveloperProtectionDays(3);
    EXPECT_TRUE(listed("site (node_modules)").isSelected) << "the untick is replaced";
    state->toggleDeveloperProject(listed("site (node_modules)"));
    state->setDeveloperProtectionDays(3);
    EXPECT_FALSE(listed("site (node_modules)").isSelected) << "the same window: ticks kept";

    scan();
    EXPECT_FALSE(listed("site (node_modules)").isActive) << "the next scan uses 3 days";
}

TEST_F(DeveloperWorkflowTest, OutputsInProtectedFoldersAreNeitherListedNorDeleted) {
    project(home / "work/private/site", kNow - 24h * 60);
    const Path later = project(home / "code/site", kNow - 24h * 60);
    state->exclusions()->add(home / "work/private");
    scan();
    ASSERT_EQ(state->developerResult()->projects.size(), 1u);
    EXPECT_EQ(state->developerResult()->projects[0].url, later);

    state->exclusions()->add(home / "code");  // protected after the scan
    clean();
    EXPECT_EQ(state->lastDevFreed(), 0);
    EXPECT_FALSE(state->developerResult());
    EXPECT_TRUE(test::exists(later / "dep/index.js"));
    EXPECT_TRUE(test::exists(home / "work/private/site/node_modules/dep/index.js"));
}

}  // namespace
}  // namespace tornivo::app
