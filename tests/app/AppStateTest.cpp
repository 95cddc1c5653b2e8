#include "AppState.h"

#include "AppStateFixture.h"
#include "LocalizationManager.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class AppStateTest : public AppStateFixture {
  protected:
    AppState restarted() const { return AppState(home.layout(), store); }
};

TEST_F(AppStateTest, SettingsArePublishedStoredAtOnceAndReadAfterARestart) {
    store->set(setting::soundEnabled.key, "yes");
    EXPECT_TRUE(restarted().soundEnabled()) << "a value that is not a boolean counts as on";
    QSignalSpy days(state.get(), &AppState::developerProtectionDaysChanged);
    state->setDeveloperProtectionDays(21);
    state->setSoundEnabled(false);
    EXPECT_EQ(days.count(), 1);
    EXPECT_EQ(restarted().developerProtectionDays(), 21);
    EXPECT_FALSE(restarted().soundEnabled());

    state->setShredStrengthPasses(7);
    state->setShredStrengthPasses(2);  // no such strength
    EXPECT_EQ(state->shredStrength(), ShredStrength::paranoid);
}

TEST_F(AppStateTest, SectionsAndSuggestionActionsPickTheirSectionByExactName) {
    store->set(LocalizationManager::kKey, "en");
    LocalizationManager english(*store);
    state->setSectionId("Settings");
    EXPECT_EQ(state->section(), Section::clean);
    state->setSectionId("settings");
    EXPECT_EQ(state->section(), Section::settings);

    const QVariantMap first = state->suggestionList().value(0).toMap();
    EXPECT_EQ(first.value("action").toString(), "quickScan");
    EXPECT_EQ(first.value("message").toString(), qtTrId("suggest.healthy"));
    EXPECT_NE(first.value("message").toString(), "suggest.healthy") << "words, not the key";

    state->perform("openXRay");
    EXPECT_EQ(state->section(), Section::xray);
    state->perform("noSuchAction");
    EXPECT_EQ(state->section(), Section::xray);
    state->perform("freeMemory");
    EXPECT_EQ(state->section(), Section::clean);
}

TEST_F(AppStateTest, QuickScanPublishesUnprotectedItemsLargestFirstWithItsCues) {
    writeFile(caches() / "org.example.Big/blob", 300000);
    writeFile(caches() / "org.example.Small/blob", 20000);
    writeFile(caches() / "private/keep", 900000);
    state->exclusions()->add(caches() / "private");
    TimePoint fixed = Clock::now() - std::chrono::hours(5);
    state->setClock([fixed] { return fixed; });

    quickScan();
    ASSERT_TRUE(state->scanResult());
    const auto& items = state->scanResult()->items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].url, caches() / "org.example.Big");
    EXPECT_EQ(items[1].url, caches() / "org.example.Small");
    EXPECT_EQ(state->scanResult()->date, fixed);
    EXPECT_EQ(state->scanResultView()->items()->get(0, "name").toString(), "org.example.Big");
    EXPECT_EQ(state->scanResultView()->sizeFor("appCache"), items[0].size + items[1].size);
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::scanStart, SoundCue::scanDone}));

    state->exclusions()->add(caches());
    cues.clear();
    quickScan();
    ASSERT_TRUE(state->scanResult());
    EXPECT_TRUE(state->scanResult()->items.empty());
    EXPECT_EQ(cues, std::vector<SoundCue>{SoundCue::scanStart}) << "nothing found, no found cue";
}

TEST_F(AppStateTest, ProtectedFoldersAddedFromTheFolderPickerKeepTheirBytes) {
    Path odd = home / Path("Fotos \xe9t\xe9");
    QUrl url = QUrl::fromEncoded("file://" + QByteArray(odd.c_str()).toPercentEncoding("/"));
    // Another machine's folder and a path cut short by a NUL byte are no folders to protect.
    state->exclusions()->addFolders({QUrl("file://server/share"), QUrl("file:///home/a%00b"), url});
    ASSERT_EQ(state->exclusions()->folders(), std::vector<Path>{odd});
    EXPECT_TRUE(restarted().exclusions()->isProtected(odd / "x.jpg")) << "survives a restart";
    auto* model = state->exclusions()->foldersModel();
    ASSERT_EQ(model->count(), 1);
    state->exclusions()->removeFolder(model->get(0, "id").toString());
    EXPECT_TRUE(state->exclusions()->folders().empty());
}

TEST_F(AppStateTest, JunkFoldersAreListedInCategoryOrderWithTheHomeAsATilde) {
    auto folders = [](const AppState& state) {
        QStringList out;
        for (const QVariant& f : state.junkFolderList())
            out << f.toMap()["category"].toString() + " " + f.toMap()["folder"].toString();
        return out;
    };
    EXPECT_EQ(folders(*state),
              QStringList({"appCache ~/.cache", "systemLogs ~/.local/share/xorg"}));
    TempHome mac(LayoutKind::macos);
    EXPECT_EQ(folders(AppState(mac.layout(), store)),
              QStringList({"appCache ~/Library/Caches", "systemLogs ~/Library/Logs"}));
}

}  // namespace
}  // namespace tornivo::app
