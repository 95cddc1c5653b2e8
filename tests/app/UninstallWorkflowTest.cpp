// The uninstall workflow as its screen drives it: list, inspect, tick, confirm.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>

#include "AppStateFixture.h"
#include "LocalizationManager.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class UninstallWorkflowTest : public AppStateFixture {
  protected:
    TempDir sys;
    Layout layout = home.layout();
    RunningApps::Map running;
    bool commandSucceeds = true;
    std::unique_ptr<LocalizationManager> english;
    Path image, paint, viewer;

    Path entry(const Path& file, const std::string& body) {
        return writeText(file, "[Desktop Entry]\nType=Application\n" + body);
    }
    void SetUp() override {
        layout.applicationFolders = {layout.dataHome / "applications",
                                     layout.dataHome / "flatpak/exports/share/applications",
                                     sys / "applications"};
        layout.leftoverSystemFolders = {};
        image = writeText(home / "Apps/Paint.AppImage", "#!/bin/sh\n");
        setMode(image, 0755);
        paint = entry(layout.dataHome / "applications/org.example.Paint.desktop",
                      "Name=Paint\nExec=" + image.native() + "\n");
        viewer = entry(sys / "applications/org.example.Viewer.desktop", "Name=Viewer\nExec=true\n");
        writeFile(layout.configHome / "org.example.Paint/a", 8192);
        writeFile(layout.cacheHome / "org.example.Paint/b", 100);
        store->set(LocalizationManager::kKey, "en");
        english = std::make_unique<LocalizationManager>(*store);
        makeState(layout);
        state->setRunningApps([this] { return running; });
        state->setUninstallCommandRunner([this](const ProcessInvocation&) {
            return QtFuture::makeReadyFuture(commandSucceeds);
        });
    }
    void inspect(const Path& app) {
        runBusy([&] { state->inspectApp(app); }, &AppState::isInspecting,
                &AppState::isInspectingChanged);
    }
    void confirm(bool force) {
        state->confirmUninstall(force);
        ASSERT_TRUE(waitUntil([&] { return !banners.empty(); }));
        EXPECT_FALSE(state->uninstallTarget());
    }
    QString banner(const char* messageKey, const char* name) {
        return "trash.fill|" + qtTrId("banner.uninstalledTitle") + "|" +
               qtTrId(messageKey).arg(name);
    }
};

TEST_F(UninstallWorkflowTest, ListingAndInspectingPublishAPlanWithoutProtectedLeftovers) {
    state->loadInstalledApps();
    ASSERT_TRUE(waitUntil([&] { return state->installedApps().size() == 2; }));
    state->exclusions()->add(layout.cacheHome);
    state->inspectApp(state->installedAppsModel()->get(0, "id").toString());  // by its list id
    ASSERT_TRUE(waitUntil([&] { return state->uninstallTarget().has_value(); }));
    const auto& plan = *state->uninstallTarget();
    EXPECT_EQ(plan.appURL, paint);
    ASSERT_EQ(plan.leftovers.size(), 1u);
    EXPECT_EQ(plan.leftovers[0].url, layout.configHome / "org.example.Paint");
    EXPECT_EQ(plan.appFiles.size(), 2u) << "the entry and its AppImage";
    EXPECT_TRUE(cues.empty());

    inspect(viewer);
    EXPECT_EQ(state->uninstallTargetView()->noteKey(), "un.systemManaged");
    state->cancelUninstall();
    EXPECT_EQ(state->uninstallTargetView(), nullptr);
}

TEST_F(UninstallWorkflowTest, ConfirmingMovesTheAppAndTickedLeftoversThenReportsAndReloads) {
    inspect(paint);
    ASSERT_EQ(state->uninstallTarget()->leftovers.size(), 2u);
    const AppLeftover stale = state->uninstallTarget()->leftovers[1];
    state->toggleLeftover(stale);
    state->toggleLeftover(stale);  // no longer equal to the ticked one: nothing happens
    EXPECT_FALSE(state->uninstallTargetView()->leftovers()->get(1, "isSelected").toBool());
    state->toggleLeftover(QString::fromStdString(stale.id.toString()));
    state->toggleLeftover(QString::fromStdString(stale.id.toString()));
    EXPECT_FALSE(state->uninstallTarget()->leftovers[1].isSelected);

    state->confirmUninstall(false);
    EXPECT_TRUE(state->isUninstalling());
    // Under way, the plan can be neither dropped nor changed, nor confirmed again.
    state->cancelUninstall();
    state->toggleLeftover(QString::fromStdString(stale.id.toString()));
    state->confirmUninstall(false);
    ASSERT_TRUE(state->uninstallTarget());
    EXPECT_FALSE(state->uninstallTarget()->leftovers[1].isSelected);
    confirm(false);
    EXPECT_FALSE(state->isUninstalling());
    EXPECT_EQ(banners, QStringList{banner("banner.uninstalledMessage", "Paint")});
    EXPECT_TRUE(undo) << "what went to the Trash can come back";
    EXPECT_EQ(cues, std::vector{SoundCue::removeDone});
    // The cache leftover was not ticked; .config/tornivo holds the settings.
    EXPECT_EQ(left({trashFiles(), layout.configHome, layout.cacheHome}),
              (std::vector<std::string>{".cache/org.example.Paint", ".config/tornivo",
                                        "files/Paint.AppImage", "files/org.example.Paint",
                                        "files/org.example.Paint.desktop"}));
    ASSERT_TRUE(waitUntil([&] { return state->installedApps().size() == 1; }));
    EXPECT_EQ(state->installedApps()[0].name, "Viewer");
    EXPECT_EQ(banners.size(), 1) << "confirmed twice, done once";
}

TEST_F(UninstallWorkflowTest, AFlatpakIsRemovedByItsCommandAfterItsLeftovers) {
    writeFile(layout.dataHome / "flatpak/app/org.example.Draw/x", 10);
    const Path data = writeFile(home / ".var/app/org.example.Draw/x", 10).parent_path();
    const Path draw =
        entry(layout.dataHome / "flatpak/exports/share/applications/org.example.Draw.desktop",
              "Name=Draw\nExec=true\nX-Flatpak=org.example.Draw\n");
    std::vector<bool> dataThereAtCommand;  // one command, run once the leftovers are gone
    state->setUninstallCommandRunner([&](const ProcessInvocation&) {
        dataThereAtCommand.push_back(test::exists(data));
        return QtFuture::makeReadyFuture(commandSucceeds);
    });
    inspect(draw);
    confirm(false);
    EXPECT_EQ(dataThereAtCommand, std::vector{false});
    EXPECT_EQ(banners.value(0), banner("banner.uninstalledMessage", "Draw"));
    EXPECT_FALSE(undo) << "an application removed by flatpak has no way back";

    commandSucceeds = false;  // the user refused, or flatpak failed: the application stays
    writeFile(data / "x", 10);
    banners.clear();
    inspect(draw);
    confirm(false);
    EXPECT_EQ(banners.value(0), banner("banner.leftoversRemovedMessage", "Draw"));
    ASSERT_TRUE(undo) << "its leftovers can come back";
    std::exchange(undo, nullptr)();
    ASSERT_TRUE(waitUntil([&] { return banners.size() == 2; }));
    EXPECT_TRUE(test::exists(data / "x"));
}

TEST_F(UninstallWorkflowTest, ARunningApplicationRaisesTheAlertUnlessForced) {
    running = {{"org.example.paint", "Paint"}};  // keys are lower-cased identifiers
    inspect(paint);
    const UninstallTarget plan = *state->uninstallTarget();
    state->confirmUninstall(false);
    ASSERT_TRUE(waitUntil([&] { return state->showAppRunningAlert(); }));
    EXPECT_EQ(state->uninstallTarget(), plan);
    QCoreApplication::processEvents();
    EXPECT_TRUE(test::exists(paint));
    EXPECT_TRUE(cues.empty() && banners.empty());

    confirm(true);  // no process carries the identifier: nothing to wait for
    EXPECT_FALSE(test::exists(paint));
}

// A program named like a desktop entry: a copy of sleep, started ignoring SIGTERM or not.
pid_t startNamed(const Path& program, bool ignoreTerm) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (ignoreTerm) ::signal(SIGTERM, SIG_IGN);
        ::execl(program.c_str(), program.filename().c_str(), "30", nullptr);
        ::_exit(127);
    }
    const Path exe = "/proc/" + std::to_string(pid) + "/exe";
    waitUntil([&] { return std::filesystem::read_symlink(exe).filename() == program.filename(); });
    return pid;
}

TEST_F(UninstallWorkflowTest, ForcingSendsSigtermAndWaitsAtMostThreeSecondsForTheQuit) {
    const std::string id = "org.example.sleeper" + std::to_string(::getpid());
    const Path program = sys / id;
    std::filesystem::copy_file("/bin/sleep", program);  // its mode comes with it
    state->setRunningApps([] { return RunningApps::current("/proc", ::getuid(), {}); });
    for (bool ignoreTerm : {false, true}) {
        const Path app = entry(layout.dataHome / "applications" / (id + ".desktop"),
                               "Name=Sleeper\nExec=true\n");
        const pid_t pid = startNamed(program, ignoreTerm);
        inspect(app);
        banners.clear();
        QElapsedTimer clock;
        clock.start();
        confirm(true);
        EXPECT_FALSE(test::exists(app));
        siginfo_t ended{};
        ::waitid(P_PID, static_cast<id_t>(pid), &ended, WEXITED | WNOHANG | WNOWAIT);
        EXPECT_EQ(ended.si_pid == 0, ignoreTerm) << "asked to quit, never killed";
        int status = 0;
        ::kill(pid, SIGKILL);  // a zombie by now, unless it ignored the request
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == (ignoreTerm ? SIGKILL : SIGTERM));
        if (ignoreTerm)
            EXPECT_GE(clock.elapsed(), AppState::kQuitPolls * AppState::kQuitPollMs - 50);
        else
            EXPECT_LT(clock.elapsed(), 2000) << "went on as soon as it quit";
    }
}

}  // namespace
}  // namespace tornivo::app
