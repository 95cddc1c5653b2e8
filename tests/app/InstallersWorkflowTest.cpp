// The installers workflow as its screen drives it: scan, tick, move to the Trash.

#include "AppStateFixture.h"
#include "LocalizationManager.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class InstallersWorkflowTest : public AppStateFixture {
  protected:
    TempDir apps;
    Layout layout = home.layout();

    void SetUp() override {
        writeText(apps / "applications/firefox.desktop",
                  "[Desktop Entry]\nType=Application\nName=Firefox\nExec=true\n");
        // Only the entries made here: none of this machine's own.
        layout.applicationFolders = {apps / "applications"};
        writeFile(downloads() / "firefox-120.0.deb", 30000);
        writeFile(downloads() / "tool.rpm", 20000);
        writeFile(desktop() / "Firefox.iso", 40000);
        makeState(layout);
        state->exclusions()->add(desktop());
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (const auto& f : state->installerFiles())
            names.push_back(f.url.filename().native() + " " + f.matchedApp.value_or("-") +
                            (f.isSelected ? "+" : ""));
        return names;
    }
    void scan() {
        cues.clear();
        runBusy([&] { state->runInstallerScan(); }, &AppState::isScanningInstallers,
                &AppState::isScanningInstallersChanged);
    }
};

TEST_F(InstallersWorkflowTest, EachInstallerSaysWhichAppItInstalledOrItsKindInTheChosenLanguage) {
    store->set(LocalizationManager::kKey, "en");
    LocalizationManager l10n(*store);
    LocalizationManager::setShared(&l10n);
    makeState(layout);  // its lists follow this language
    scan();
    auto* model = state->installerFilesModel();
    EXPECT_EQ(model->get(0, "subtitle").toString(), "Firefox is already installed");
    EXPECT_EQ(model->get(1, "subtitle").toString(), "Installer (rpm)");
    QSignalSpy reread(model, &QAbstractItemModel::dataChanged);
    l10n.setCode("de");
    EXPECT_EQ(reread.count(), 1) << "shown rows are read again in the new language";
    l10n.setCode("en");  // the locale is the process's: leave it as found
    LocalizationManager::setShared(nullptr);
}

TEST_F(InstallersWorkflowTest,
       MatchedInstallersAreTickedAndTickedOnesGoToTheTrashEvenIfTheMoveFails) {
    scan();
    EXPECT_EQ(listed(), (std::vector<std::string>{"firefox-120.0.deb Firefox+", "tool.rpm -"}));
    EXPECT_EQ(state->installerFilesModel()->get(0, "matchedApp").toString(), "Firefox");
    EXPECT_EQ(cues, (std::vector{SoundCue::scanStart, SoundCue::scanDone}));
    const InstallerFile stale = state->installerFiles()[0];
    state->toggleInstaller(state->installerFilesModel()->get(1, "id").toString());
    state->toggleInstaller(state->installerFiles()[0]);
    state->toggleInstaller(stale);  // ticked when copied, not any more: nothing happens
    state->toggleInstaller(state->installerFiles()[0]);
    EXPECT_EQ(listed(), (std::vector<std::string>{"firefox-120.0.deb Firefox+", "tool.rpm -+"}));

    std::filesystem::remove(downloads() / "tool.rpm");  // gone: its move fails
    cues.clear();
    state->removeSelectedInstallers();
    state->removeSelectedInstallers();  // confirmed twice: removed once
    ASSERT_TRUE(waitUntil([&] { return cues.size() == 2; }));
    EXPECT_EQ(cues, (std::vector{SoundCue::removeStart, SoundCue::removeDone}));
    EXPECT_TRUE(state->installerFiles().empty());
    EXPECT_EQ(left({downloads(), trashFiles()}),
              std::vector<std::string>{"files/firefox-120.0.deb"});

    scan();
    EXPECT_TRUE(state->installerFiles().empty());
    EXPECT_EQ(cues, std::vector{SoundCue::scanStart}) << "nothing found, no found cue";
}

}  // namespace
}  // namespace tornivo::app
